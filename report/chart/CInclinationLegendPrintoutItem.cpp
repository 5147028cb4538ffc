#include "report/chart/CInclinationLegendPrintoutItem.h"

#include "report/chart/InclinationChartPens.h"
#include "report/layout/LayoutRecords.h"
#include "report/paint/CReportPainter.h"

#include <QFont>
#include <QList>
#include <QPair>

#include <algorithm>

CInclinationLegendPrintoutItem::CInclinationLegendPrintoutItem(
    const InclinationLegendLayout *pLayout, const GraphPenLayout *pInclinationPen, const GraphPenLayout *pZeroLinePen,
    const GraphPenLayout *pAltitudePen, const GraphPenLayout *pPipePen, const InclinationLegendTexts &cTexts)
    : m_pLayout(pLayout), m_pInclinationPen(pInclinationPen), m_pZeroLinePen(pZeroLinePen),
      m_pAltitudePen(pAltitudePen), m_pPipePen(pPipePen), m_cTexts(cTexts)
{
}

int CInclinationLegendPrintoutItem::height() const
{
    return m_pLayout ? m_pLayout->rect().height() : 0;
}

void CInclinationLegendPrintoutItem::paint(CReportPainter &cPainter) const
{
    if (!m_pLayout)
        return;
    QList<QPair<const GraphPenLayout *, QString>> entries;
    if (m_cTexts.bShowInclination)
        entries.append({m_pInclinationPen, m_cTexts.sInclinationText});
    if (m_cTexts.bShowZeroLine)
        entries.append({m_pZeroLinePen, m_cTexts.sZeroLineText});
    entries.append({m_pAltitudePen, m_cTexts.sAltitudeText});
    entries.append({m_pPipePen, m_cTexts.sPipeText});

    cPainter.save();
    applyPlacement(cPainter);
    const QRect cRect = m_pLayout->rect();
    cPainter.translate(cRect.topLeft());
    const int iWidth = cRect.width();
    const int iStep = cRect.height() / 4;
    QFont cFont = cPainter.font();
    cFont.setPointSize(std::max(m_pLayout->fontSize(), 1));
    cPainter.setFont(cFont);
    cPainter.setBrush(Qt::NoBrush);
    for (int n = 0; n < entries.size(); ++n) {
        const QPen cPen = inclinationChartPen(entries.at(n).first);
        cPainter.setPen(cPen);
        const QRect cTextRect(0, iStep * n + cPen.width(), iWidth, iStep);
        cPainter.drawFittedText(cTextRect, entries.at(n).second, 0);
        cPainter.drawLine(cTextRect.topLeft(), QPoint(cTextRect.right(), cTextRect.top()));
    }
    cPainter.restore();
}
