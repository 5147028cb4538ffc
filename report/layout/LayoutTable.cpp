#include "report/layout/LayoutTable.h"

#include <algorithm>
#include <limits>

LayoutTable::LayoutTable(int iWidth) : m_iWidth(std::max(0, iWidth))
{
}

LayoutTable::~LayoutTable() = default;

const LayoutRow *LayoutTable::rowAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= rowCount())
        return nullptr;
    return m_rows[static_cast<size_t>(iIndex)].get();
}

LayoutRow *LayoutTable::rowAt(int iIndex)
{
    if (iIndex < 0 || iIndex >= rowCount())
        return nullptr;
    return m_rows[static_cast<size_t>(iIndex)].get();
}

const LayoutCell *LayoutTable::cellAt(int iRow, int iColumn) const
{
    const LayoutRow *pRow = rowAt(iRow);
    return pRow ? pRow->cellAt(iColumn) : nullptr;
}

const LayoutRow *LayoutTable::rowContaining(const LayoutCell *pCell) const
{
    if (!pCell)
        return nullptr;
    for (const auto &pRow : m_rows) {
        if (pRow->containsCell(pCell))
            return pRow.get();
    }
    return nullptr;
}

LayoutRow *LayoutTable::appendRow(int iHeight)
{
    // The bottom edge saturates instead of overflowing, so thousands of
    // huge rows still give ordered, finite coordinates.
    const qint64 iMax = std::numeric_limits<int>::max();
    const qint64 iRowHeight = std::min<qint64>(std::max(0, iHeight), iMax - m_iBottom);
    m_rows.push_back(std::make_unique<LayoutRow>(QRect(0, m_iBottom, m_iWidth, static_cast<int>(iRowHeight))));
    m_iBottom = static_cast<int>(m_iBottom + iRowHeight);
    return m_rows.back().get();
}

LayoutRow *LayoutTable::appendRowCopy(const LayoutRow *pSource, int iHeight)
{
    if (!pSource)
        return nullptr;
    LayoutRow *pRow = appendRow(iHeight < 0 ? pSource->height() : iHeight);
    for (int i = 0; i < pSource->cellCount(); ++i)
        pRow->appendCellCopy(*pSource->cellAt(i));
    return pRow;
}
