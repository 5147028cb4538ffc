#pragma once

#include "report/items/CTablePrintoutItemBase.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class LayoutRow;

// A table that owns a layout table composed for it from template rows.
class CCustomizedTablePrintoutItem : public CTablePrintoutItemBase
{
public:
    // An empty table of the template table's width (0 without template).
    explicit CCustomizedTablePrintoutItem(const LayoutTable *pTemplate);
    ~CCustomizedTablePrintoutItem() override;

    const LayoutTable *tableLayout() const override;
    LayoutTable *table() { return m_pTable.get(); }

    // Appends a copy of the row (cells with x, width, colour, font size,
    // alignment and borders) below the rows already there, with the given
    // height or, when it is negative, the template row's height.
    LayoutRow *appendRowCopy(const LayoutRow *pTemplate, int iHeight = -1);
    // Adds a plain cell item to every cell of the row: text j of the list,
    // empty when the list is shorter.
    void addRowTexts(const LayoutRow *pRow, const QStringList &cTexts);

private:
    std::unique_ptr<LayoutTable> m_pTable;
};

// A table of iEnd - iBegin data rows composed from the rows iFirst, iMiddle
// and iLast of the template table; row i takes entry iBegin + i of every
// column. Missing templates fall back (last to middle, middle to first), so
// the table always has the asked number of rows when the template has any.
std::unique_ptr<CCustomizedTablePrintoutItem> createCustomizedTable(const LayoutTable *pTemplate, int iFirst,
                                                                    int iMiddle, int iLast,
                                                                    const QList<QStringList> &cColumns, int iBegin,
                                                                    int iEnd);
