#include "report/items/CTablePrintoutItem.h"

CTablePrintoutItem::CTablePrintoutItem(const LayoutTable *pTable) : m_pTable(pTable)
{
}
