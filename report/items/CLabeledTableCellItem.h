#pragma once

#include "report/items/CLabeledTableCellData.h"
#include "report/items/CTableCellItem.h"

// A cell with a small label above its value.
class CLabeledTableCellItem : public CTableCellItem
{
public:
    CLabeledTableCellItem(const LayoutCell *pCell, std::unique_ptr<CLabeledTableCellData> pData);

    QString label() const;
    void paint(CReportPainter &cPainter) const override;
};
