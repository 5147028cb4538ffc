#include "report/items/CLabeledTableCellItem.h"

#include "report/layout/LayoutCell.h"
#include "report/paint/CReportPainter.h"

namespace {
const int kLabelPointSize = 12;
const int kLabelGap = 100;
} // namespace

CLabeledTableCellItem::CLabeledTableCellItem(const LayoutCell *pCell, std::unique_ptr<CLabeledTableCellData> pData)
    : CTableCellItem(pCell, pData ? std::move(pData) : std::make_unique<CLabeledTableCellData>(QString(), QString()))
{
}

QString CLabeledTableCellItem::label() const
{
    return static_cast<const CLabeledTableCellData *>(data())->label();
}

void CLabeledTableCellItem::paint(CReportPainter &cPainter) const
{
    if (!cell())
        return;
    paintBorders(cPainter);
    setTextPen(cPainter);
    QRect cTextRect = textRect();
    const QString sLabel = label();
    if (!sLabel.isEmpty()) {
        QFont cFont = cPainter.font();
        cFont.setPointSize(kLabelPointSize);
        cPainter.setFont(cFont);
        QRect cBounding;
        cPainter.drawText(cTextRect, 0, sLabel, &cBounding);
        cTextRect.setTop(cTextRect.top() + cBounding.height() + kLabelGap);
    }
    const QString sValue = text();
    if (!sValue.isEmpty()) {
        QFont cFont = cPainter.font();
        cFont.setPointSize(qMax(1, cell()->fontSize()));
        cPainter.setFont(cFont);
        cPainter.drawFittedText(cTextRect, sValue, cell()->textAlignment());
    }
}
