#include "report/items/CTablePrintoutItemBase.h"

#include "report/layout/LayoutTable.h"
#include "report/paint/CReportPainter.h"

#include <QHash>

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
    if (!pTable || m_cCellItems.empty())
        return;
    // The row of every cell, looked up once: searching the rows per cell
    // takes time growing with the square of a large table.
    QHash<const LayoutCell *, const LayoutRow *> cRowOfCell;
    for (int iRow = pTable->rowCount() - 1; iRow >= 0; --iRow) {
        const LayoutRow *pRow = pTable->rowAt(iRow);
        for (int iCell = 0; iCell < pRow->cellCount(); ++iCell)
            cRowOfCell.insert(pRow->cellAt(iCell), pRow);
    }
    for (const auto &pItem : m_cCellItems) {
        // A cell item whose cell the table lacks is not drawn.
        const LayoutRow *pRow = cRowOfCell.value(pItem->cell(), nullptr);
        if (!pRow)
            continue;
        cPainter.save();
        cPainter.translate(pRow->rect().topLeft());
        pItem->paint(cPainter);
        cPainter.restore();
    }
}
