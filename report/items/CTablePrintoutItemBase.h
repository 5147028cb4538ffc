#pragma once

#include "report/items/CCustomPrintoutItem.h"
#include "report/items/CTableCellItem.h"

#include <memory>
#include <vector>

class LayoutTable;

// A table drawn from a layout table: only the cells that got a cell item
// are drawn.
class CTablePrintoutItemBase : public CCustomPrintoutItem
{
public:
    CTablePrintoutItemBase();
    ~CTablePrintoutItemBase() override;

    // Sum of the layout's row heights; 0 without a layout.
    int height() const override;
    void paint(CReportPainter &cPainter) const override;
    // The layout table that gives the geometry; may be null.
    virtual const LayoutTable *tableLayout() const = 0;

    void addCellItem(std::unique_ptr<CTableCellItem> pItem);
    int cellItemCount() const { return static_cast<int>(m_cCellItems.size()); }
    const CTableCellItem *cellItemAt(int iIndex) const;

protected:
    // Paints the cell items only (no save/restore or placement).
    void paintCells(CReportPainter &cPainter) const;

private:
    std::vector<std::unique_ptr<CTableCellItem>> m_cCellItems;
};
