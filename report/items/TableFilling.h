#pragma once

#include <memory>

class CDataCoreObject;
class CTableCellItem;
class CTablePrintoutItemBase;
class LayoutCell;
class LayoutCellLinkRegistry;
class LayoutTable;
class PrintoutLayout;

// One cell item for a layout cell, its text taken from the object through the
// cell-link registry. Labeled: the caption in capitals with ":" as label
// above the value text; otherwise the text the link type names (0 none,
// 1 value, 2 code, 3 caption with ":", nothing when the caption is empty).
std::unique_ptr<CTableCellItem> createCellItem(const LayoutCell *pCell, const LayoutCellLinkRegistry &cRegistry,
                                               const CDataCoreObject *pObject, bool bLabeled);

// Adds one cell item for every cell of every row of the table, row by row,
// left to right. A null table adds nothing.
void fillFromObject(CTablePrintoutItemBase &cItem, const LayoutTable *pTable, const LayoutCellLinkRegistry &cRegistry,
                    const CDataCoreObject *pObject, bool bLabeled);

// The same with the layout's own registry.
std::unique_ptr<CTableCellItem> createCellItem(const LayoutCell *pCell, const PrintoutLayout &cLayout,
                                               const CDataCoreObject *pObject, bool bLabeled);
void fillFromObject(CTablePrintoutItemBase &cItem, const LayoutTable *pTable, const PrintoutLayout &cLayout,
                    const CDataCoreObject *pObject, bool bLabeled);
