#include "report/CTablePrintoutItem.h"

CTablePrintoutItem::CTablePrintoutItem(const LayoutTable *pTable) : m_pTable(pTable)
{
}
