#include "report/layout/LayoutRow.h"

#include <algorithm>
#include <limits>

LayoutRow::LayoutRow(const QRect &cRect) : m_cRect(cRect)
{
}

LayoutRow::~LayoutRow() = default;

const LayoutCell *LayoutRow::cellAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= cellCount())
        return nullptr;
    return m_cells[static_cast<size_t>(iIndex)].get();
}

LayoutCell *LayoutRow::cellAt(int iIndex)
{
    if (iIndex < 0 || iIndex >= cellCount())
        return nullptr;
    return m_cells[static_cast<size_t>(iIndex)].get();
}

int LayoutRow::indexOfCell(const LayoutCell *pCell) const
{
    if (!pCell)
        return -1;
    for (size_t i = 0; i < m_cells.size(); ++i) {
        if (m_cells[i].get() == pCell)
            return static_cast<int>(i);
    }
    return -1;
}

LayoutCell *LayoutRow::appendCell(int iWidth)
{
    // Cells are clipped, so the sum of the widths never passes the row's
    // width; 64-bit arithmetic keeps absurd widths from overflowing.
    const qint64 iX = m_cells.empty() ? 0 : qint64(m_cells.back()->x()) + m_cells.back()->width();
    qint64 iCellWidth = std::max<qint64>(0, iWidth);
    const qint64 iRowWidth = std::max(0, m_cRect.width());
    if (iX + iCellWidth > iRowWidth)
        iCellWidth = std::max<qint64>(0, iRowWidth - iX);
    auto pCell = std::make_unique<LayoutCell>();
    pCell->setRect(QRect(static_cast<int>(iX), 0, static_cast<int>(iCellWidth), height()));
    m_cells.push_back(std::move(pCell));
    return m_cells.back().get();
}

LayoutCell *LayoutRow::appendCellCopy(const LayoutCell &cSource)
{
    auto pCell = std::make_unique<LayoutCell>(cSource);
    pCell->setHeight(height());
    m_cells.push_back(std::move(pCell));
    return m_cells.back().get();
}
