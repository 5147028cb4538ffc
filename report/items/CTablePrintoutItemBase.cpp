#include "report/items/CTablePrintoutItemBase.h"

#include "report/layout/LayoutTable.h"
#include "report/paint/CReportPainter.h"

CTablePrintoutItemBase::CTablePrintoutItemBase() = default;
CTablePrintoutItemBase::~CTablePrintoutItemBase() = default;

int CTablePrintoutItemBase::height() const
{
    const LayoutTable *pTable = tableLayout();
    return pTable ? pTable->height() : 0;
}

void CTablePrintoutItemBase::paint(CReportPainter &cPainter) const
{
    cPainter.save();
    applyPlacement(cPainter);
    paintCells(cPainter);
    cPainter.restore();
}

void CTablePrintoutItemBase::addCellItem(std::unique_ptr<CTableCellItem> pItem)
{
    if (pItem)
        m_cCellItems.push_back(std::move(pItem));
}

const CTableCellItem *CTablePrintoutItemBase::cellItemAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= cellItemCount())
        return nullptr;
    return m_cCellItems[static_cast<size_t>(iIndex)].get();
}

void CTablePrintoutItemBase::paintCells(CReportPainter &cPainter) const
{
    const LayoutTable *pTable = tableLayout();
    if (!pTable)
        return;
    for (const auto &pItem : m_cCellItems) {
        // A cell item whose cell the table lacks is not drawn.
        const LayoutRow *pRow = pTable->rowContaining(pItem->cell());
        if (!pRow)
            continue;
        cPainter.save();
        cPainter.translate(pRow->rect().topLeft());
        pItem->paint(cPainter);
        cPainter.restore();
    }
}
