#include "report/CColourSwatchCellItem.h"

#include "report/CReportPainter.h"

CColourSwatchCellItem::CColourSwatchCellItem(const LayoutCell *pCell, const QColor &cColour)
    : CTableCellItem(pCell, std::make_unique<CTableCellData>()), m_cColour(cColour)
{
}

void CColourSwatchCellItem::paint(CReportPainter &cPainter) const
{
    paintBorders(cPainter);
    const QRect cRect = textRect();
    if (cRect.width() > 0 && cRect.height() > 0)
        cPainter.fillRect(cRect, m_cColour);
}
