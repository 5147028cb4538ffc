#pragma once

#include <memory>

class CDataCoreObject;
class CInspectionStandard;
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
// Section property captions come from the report's standard (may be null).
std::unique_ptr<CTableCellItem> createCellItem(const LayoutCell *pCell, const LayoutCellLinkRegistry &cRegistry,
                                               const CDataCoreObject *pObject, bool bLabeled,
                                               const CInspectionStandard *pStandard);

// Adds one cell item for every cell of every row of the table, row by row,
// left to right. A null table adds nothing.
void fillFromObject(CTablePrintoutItemBase &cItem, const LayoutTable *pTable, const LayoutCellLinkRegistry &cRegistry,
                    const CDataCoreObject *pObject, bool bLabeled, const CInspectionStandard *pStandard);

// The same with the layout's own registry.
std::unique_ptr<CTableCellItem> createCellItem(const LayoutCell *pCell, const PrintoutLayout &cLayout,
                                               const CDataCoreObject *pObject, bool bLabeled,
                                               const CInspectionStandard *pStandard);
void fillFromObject(CTablePrintoutItemBase &cItem, const LayoutTable *pTable, const PrintoutLayout &cLayout,
                    const CDataCoreObject *pObject, bool bLabeled, const CInspectionStandard *pStandard);
