#include "report/items/CCustomizedTablePrintoutItem.h"

#include "report/layout/LayoutTable.h"

CCustomizedTablePrintoutItem::CCustomizedTablePrintoutItem(const LayoutTable *pTemplate)
    : m_pTable(std::make_unique<LayoutTable>(pTemplate ? pTemplate->width() : 0))
{
}

CCustomizedTablePrintoutItem::~CCustomizedTablePrintoutItem() = default;

const LayoutTable *CCustomizedTablePrintoutItem::tableLayout() const
{
    return m_pTable.get();
}

LayoutRow *CCustomizedTablePrintoutItem::appendRowCopy(const LayoutRow *pTemplate, int iHeight)
{
    return m_pTable->appendRowCopy(pTemplate, iHeight);
}

void CCustomizedTablePrintoutItem::addRowTexts(const LayoutRow *pRow, const QStringList &cTexts)
{
    if (!pRow)
        return;
    for (int iCell = 0; iCell < pRow->cellCount(); ++iCell) {
        const QString sText = iCell < cTexts.size() ? cTexts.at(iCell) : QString();
        addCellItem(std::make_unique<CTableCellItem>(pRow->cellAt(iCell), std::make_unique<CTableCellData>(sText)));
    }
}

std::unique_ptr<CCustomizedTablePrintoutItem> createCustomizedTable(const LayoutTable *pTemplate, int iFirst,
                                                                    int iMiddle, int iLast,
                                                                    const QList<QStringList> &cColumns, int iBegin,
                                                                    int iEnd)
{
    auto pItem = std::make_unique<CCustomizedTablePrintoutItem>(pTemplate);
    const int iRows = qMax(0, iEnd - iBegin);
    if (!pTemplate || iRows == 0)
        return pItem;

    // Missing templates fall back so the table always gets the asked rows:
    // the middle template to the first, the last to the middle.
    const LayoutRow *pMiddle = pTemplate->rowAt(iMiddle);
    if (!pMiddle)
        pMiddle = pTemplate->rowAt(iFirst) ? pTemplate->rowAt(iFirst) : pTemplate->rowAt(iLast);
    const LayoutRow *pFirst = pTemplate->rowAt(iFirst) ? pTemplate->rowAt(iFirst) : pMiddle;
    const LayoutRow *pLast = pTemplate->rowAt(iLast) ? pTemplate->rowAt(iLast) : pMiddle;
    if (!pMiddle)
        return pItem;

    for (int iRow = 0; iRow < iRows; ++iRow) {
        const LayoutRow *pSource = pMiddle;
        if (iRow == 0)
            pSource = pFirst;
        else if (iRow == iRows - 1)
            pSource = pLast;
        const LayoutRow *pRow = pItem->appendRowCopy(pSource);
        if (!pRow)
            continue;
        QStringList cTexts;
        for (int iColumn = 0; iColumn < pRow->cellCount(); ++iColumn) {
            const int iEntry = iBegin + iRow;
            const bool bHasEntry = iColumn < cColumns.size() && iEntry >= 0 && iEntry < cColumns.at(iColumn).size();
            cTexts.append(bHasEntry ? cColumns.at(iColumn).at(iEntry) : QString());
        }
        pItem->addRowTexts(pRow, cTexts);
    }
    return pItem;
}
