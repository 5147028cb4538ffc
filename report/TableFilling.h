#pragma once

#include <memory>

class CDataCoreObject;
class CTableCellItem;
class CTablePrintoutItemBase;
class LayoutCell;
class LayoutTable;
class PrintoutLayout;

// One cell item for a layout cell, its text taken from the object through the
// layout's cell-link registry. Labeled: the caption in capitals with ":" as
// label above the value text; otherwise the text the link type names.
std::unique_ptr<CTableCellItem> createCellItem(const LayoutCell *pCell, const PrintoutLayout &cLayout,
                                               const CDataCoreObject *pObject, bool bLabeled);

// Adds one cell item for every cell of every row of the table, row by row,
// left to right.
void fillFromObject(CTablePrintoutItemBase &cItem, const LayoutTable *pTable, const PrintoutLayout &cLayout,
                    const CDataCoreObject *pObject, bool bLabeled);

// The layout's cell in the row, or null when the table lacks it.
const LayoutCell *layoutCellAt(const LayoutTable *pTable, int iRow, int iColumn);
