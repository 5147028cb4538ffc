#include "report/CLabeledTableCellItem.h"

#include "report/CReportPainter.h"

CLabeledTableCellItem::CLabeledTableCellItem(const LayoutCell *pCell, std::unique_ptr<CLabeledTableCellData> pData)
    : CTableCellItem(pCell, std::move(pData))
{
}

QString CLabeledTableCellItem::label() const
{
    const auto *pData = static_cast<const CLabeledTableCellData *>(data());
    return pData ? pData->label() : QString();
}

void CLabeledTableCellItem::paint(CReportPainter &) const
{
}
