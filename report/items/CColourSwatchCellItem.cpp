#include "report/items/CColourSwatchCellItem.h"

#include "report/layout/LayoutCell.h"
#include "report/paint/CReportPainter.h"

#include <QPen>

CColourSwatchCellItem::CColourSwatchCellItem(const LayoutCell *pCell, const QColor &cColour, const QString &sLabel)
    : CTableCellItem(pCell, std::make_unique<CTableCellData>(sLabel)), m_cColour(cColour)
{
}

void CColourSwatchCellItem::paint(CReportPainter &cPainter) const
{
    paintBorders(cPainter);
    const QRect cRect = textRect();
    if (cRect.width() <= 0 || cRect.height() <= 0)
        return;
    cPainter.fillRect(cRect, m_cColour);
    if (text().isEmpty() || !cell())
        return;
    cPainter.save();
    const bool bDark = qGray(m_cColour.rgb()) < 140;
    cPainter.setPen(QPen(bDark ? Qt::white : Qt::black));
    QFont cFont = cPainter.font();
    cFont.setPointSize(cell()->fontSize() > 0 ? cell()->fontSize() : 20);
    cPainter.setFont(cFont);
    cPainter.drawFittedText(cRect, text(), Qt::AlignCenter);
    cPainter.restore();
}
