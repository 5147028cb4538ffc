#include "report/items/CPageFooterPrintoutItem.h"

#include "report/layout/LayoutRecords.h"
#include "report/paint/CReportPainter.h"

namespace {
const int kPenWidth = 30;
const int kTextPointSize = 12;
} // namespace

CPageFooterPrintoutItem::CPageFooterPrintoutItem(const PageFooterLayout *pLayout, const QString &sText)
    : m_pLayout(pLayout), m_sText(sText)
{
}

int CPageFooterPrintoutItem::height() const
{
    return m_pLayout ? m_pLayout->rect().height() : 0;
}

void CPageFooterPrintoutItem::paint(CReportPainter &cPainter) const
{
    const QRect cRect = m_pLayout ? m_pLayout->rect() : QRect();
    const QPoint cTextPosition = m_pLayout ? m_pLayout->textPosition() : QPoint();
    cPainter.save();
    applyPlacement(cPainter);
    cPainter.setSolidPen(kPenWidth);
    if (cRect.width() > 0)
        cPainter.drawLine(cRect.topLeft(), QPoint(cRect.x() + cRect.width(), cRect.y()));
    QFont cFont = cPainter.font();
    cFont.setPointSize(kTextPointSize);
    cPainter.setFont(cFont);
    cPainter.drawTextAt(cTextPosition, m_sText, 0);
    cPainter.restore();
}
