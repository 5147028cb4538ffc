#include "report/chart/CInclinationGridPrintoutItem.h"

#include "app/units/Units.h"
#include "report/chart/InclinationChartGeometry.h"
#include "report/chart/InclinationChartPens.h"
#include "report/layout/LayoutRecords.h"
#include "report/paint/CReportPainter.h"

#include <QFont>

#include <algorithm>

using namespace InclinationChartGeometry;

CInclinationGridPrintoutItem::CInclinationGridPrintoutItem(const InclinationGridLayout *pLayout,
                                                           const InclinationChartTexts &cTexts)
    : m_pLayout(pLayout), m_cTexts(cTexts)
{
}

CInclinationGridPrintoutItem::~CInclinationGridPrintoutItem() = default;

void CInclinationGridPrintoutItem::setInclinationGraph(std::unique_ptr<CInclinationGraphPrintoutItem> pGraph)
{
    m_pInclinationGraph = std::move(pGraph);
}

void CInclinationGridPrintoutItem::setAltitudeGraph(std::unique_ptr<CAltitudeGraphPrintoutItem> pGraph)
{
    m_pAltitudeGraph = std::move(pGraph);
}

int CInclinationGridPrintoutItem::height() const
{
    return m_pLayout ? m_pLayout->rect().height() : 0;
}

void CInclinationGridPrintoutItem::paint(CReportPainter &cPainter) const
{
    if (!m_pLayout)
        return;
    cPainter.save();
    applyPlacement(cPainter);
    QFont cFont = cPainter.font();
    cFont.setPointSize(std::max(m_pLayout->fontSize(), 1));
    cPainter.setFont(cFont);
    const QPen cLinePen = inclinationChartPen(m_pLayout->lineColor(), m_pLayout->lineStyle(), m_pLayout->lineWidth());
    QPen cTextPen = cLinePen;
    cTextPen.setColor(m_pLayout->fontColor());
    // Texts are drawn with a solid pen even where the grid lines are dashed
    // or hidden.
    cTextPen.setStyle(Qt::SolidLine);
    cPainter.translate(m_pLayout->plotRect().topLeft());
    cPainter.setBrush(Qt::NoBrush);

    paintLines(cPainter, cLinePen, cTextPen);

    const QRect cPlot = m_pLayout->plotRect();
    cPainter.setPen(inclinationChartPen(m_pLayout->borderColor(), m_pLayout->borderStyle(), m_pLayout->borderWidth()));
    cPainter.drawRect(QRect(0, 0, cPlot.width() - 1, cPlot.height() - 1));

    cPainter.setPen(cTextPen);
    cPainter.setBrush(Qt::white);
    paintTexts(cPainter);
    cPainter.setBrush(Qt::NoBrush);

    if (m_pInclinationGraph)
        m_pInclinationGraph->paint(cPainter);
    if (m_pAltitudeGraph)
        m_pAltitudeGraph->paint(cPainter);
    cPainter.restore();
}

void CInclinationGridPrintoutItem::paintLines(CReportPainter &cPainter, const QPen &cLinePen,
                                              const QPen &cTextPen) const
{
    const int iW = m_pLayout->plotRect().width();
    const int iH = m_pLayout->plotRect().height();
    const int iLineHeight = cPainter.lineHeight();
    const int iNx = m_pLayout->xSections();
    const int iNy = m_pLayout->ySections();

    const float fXSpan = m_cTexts.fXMax - m_cTexts.fXMin;
    const QList<int> xOffsets = gridLineOffsets(iW, iNx);
    for (int i = 0; i < xOffsets.size(); ++i) {
        const int x = xOffsets.at(i);
        cPainter.setPen(cLinePen);
        cPainter.drawLine(QPoint(x, 0), QPoint(x, iH));
        cPainter.setPen(cTextPen);
        const QString sLabel = formatLength(gridValue(m_cTexts.fXMin, fXSpan, i, iNx), true);
        cPainter.drawText(QPoint(x - cPainter.textWidth(sLabel) / 2, iH + iLineHeight * 6 / 5), sLabel);
    }

    const float fAltitudeSpan = m_cTexts.fAltitudeMax - m_cTexts.fAltitudeMin;
    const float fInclinationSpan = m_cTexts.fInclinationMax - m_cTexts.fInclinationMin;
    const QList<int> yOffsets = gridLineOffsets(iH, iNy);
    for (int j = 0; j < yOffsets.size(); ++j) {
        const int y = yOffsets.at(j);
        const int k = static_cast<int>(yOffsets.size()) - 1 - j;
        cPainter.setPen(cLinePen);
        cPainter.drawLine(QPoint(0, y), QPoint(iW, y));
        cPainter.setPen(cTextPen);
        const QString sAltitude = formatLength(gridValue(m_cTexts.fAltitudeMin, fAltitudeSpan, k, iNy), true);
        cPainter.drawText(QPoint(-iLineHeight / 2 - cPainter.textWidth(sAltitude), y + iLineHeight / 2), sAltitude);
        if (m_cTexts.bDrawInclination) {
            const QString sInclination =
                formatDecimal(gridValue(m_cTexts.fInclinationMin, fInclinationSpan, k, iNy));
            cPainter.drawText(QPoint(iW + iLineHeight / 2, y + iLineHeight / 2), sInclination);
        }
    }
}

void CInclinationGridPrintoutItem::paintTexts(CReportPainter &cPainter) const
{
    const int iW = m_pLayout->plotRect().width();
    const int iH = m_pLayout->plotRect().height();
    const int lh = cPainter.lineHeight();
    const auto width = [&cPainter](const QString &sText) { return cPainter.textWidth(sText); };

    if (m_cTexts.bDrawInclination)
        cPainter.drawText(QPoint(iW + lh / 2, -lh / 2), m_cTexts.sInclinationAxisLabel);
    cPainter.drawText(QPoint(iW + lh / 2, iH + 2 * lh), m_cTexts.sPositionAxisLabel);
    cPainter.drawText(QPoint(-lh / 2 - width(m_cTexts.sAltitudeAxisLabel), -lh / 2), m_cTexts.sAltitudeAxisLabel);

    const int iNodeBottom = lh + 100;
    if (!m_cTexts.sLeftNode.isEmpty())
        cPainter.drawTextOnBackground(lh / 2, iNodeBottom, m_cTexts.sLeftNode);
    if (!m_cTexts.sRightNode.isEmpty())
        cPainter.drawTextOnBackground(iW - lh / 2 - width(m_cTexts.sRightNode), iNodeBottom, m_cTexts.sRightNode);
    if (!m_cTexts.sMeasuredInclinationText.isEmpty())
        cPainter.drawTextOnBackground((iW - width(m_cTexts.sMeasuredInclinationText)) / 2, iNodeBottom,
                                      m_cTexts.sMeasuredInclinationText);
    if (!m_cTexts.sLengthText.isEmpty())
        cPainter.drawTextOnBackground(iW - lh / 2 - width(m_cTexts.sLengthText), iH - (lh - 100) / 2,
                                      m_cTexts.sLengthText);

    const int iAltitudeLabelWidth = width(m_cTexts.sAltitudeAxisLabel);
    cPainter.drawRotatedText(QPoint(-iAltitudeLabelWidth, (iH + iAltitudeLabelWidth) / 2), m_cTexts.sAltitudeScale);
    if (m_cTexts.bDrawInclination && !m_cTexts.sInclinationRangeText.isEmpty()) {
        const int iLabelWidth = width(m_cTexts.sInclinationAxisLabel);
        cPainter.drawRotatedText(QPoint(iW + iLabelWidth * 3 / 4, (iH - width(m_cTexts.sInclinationRangeText)) / 2),
                                 m_cTexts.sInclinationRangeText);
    }
    cPainter.drawText(QPoint((iW - width(m_cTexts.sPositionScale)) / 2, iH + 3 * lh), m_cTexts.sPositionScale);
    cPainter.drawText(QPoint((iW - width(m_cTexts.sDirectionText)) / 2, -lh / 2), m_cTexts.sDirectionText);
}
