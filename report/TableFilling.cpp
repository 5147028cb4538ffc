#include "report/TableFilling.h"

#include "report/CTableCellItem.h"
#include "report/CTablePrintoutItemBase.h"

std::unique_ptr<CTableCellItem> createCellItem(const LayoutCell *pCell, const PrintoutLayout &,
                                               const CDataCoreObject *, bool)
{
    return std::make_unique<CTableCellItem>(pCell, std::make_unique<CTableCellData>());
}

void fillFromObject(CTablePrintoutItemBase &, const LayoutTable *, const PrintoutLayout &, const CDataCoreObject *,
                    bool)
{
}

const LayoutCell *layoutCellAt(const LayoutTable *, int, int)
{
    return nullptr;
}
