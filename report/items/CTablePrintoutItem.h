#pragma once

#include "report/items/CTablePrintoutItemBase.h"

// A table on a layout table of the printout layout (not owned).
class CTablePrintoutItem : public CTablePrintoutItemBase
{
public:
    explicit CTablePrintoutItem(const LayoutTable *pTable);

    const LayoutTable *tableLayout() const override { return m_pTable; }

private:
    const LayoutTable *m_pTable;
};
