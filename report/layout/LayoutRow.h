#pragma once

#include "report/layout/LayoutCell.h"

#include <QRect>

#include <memory>
#include <vector>

// One row of a layout table; owns its cells. The rectangle is relative to
// the table: x 0, y the sum of the heights of the rows above, the table's
// width and the row's height. Cells keep their address for the row's
// lifetime, so they can serve as keys of the cell-link registry.
class LayoutRow
{
public:
    explicit LayoutRow(const QRect &cRect);
    ~LayoutRow();
    LayoutRow(const LayoutRow &) = delete;
    LayoutRow &operator=(const LayoutRow &) = delete;

    QRect rect() const { return m_cRect; }
    int height() const { return m_cRect.height(); }
    int width() const { return m_cRect.width(); }

    int cellCount() const { return static_cast<int>(m_cells.size()); }
    // Null when iIndex is outside 0..cellCount() - 1.
    const LayoutCell *cellAt(int iIndex) const;
    LayoutCell *cellAt(int iIndex);
    // Position of the cell in this row, -1 when it is not one of its cells.
    int indexOfCell(const LayoutCell *pCell) const;
    bool containsCell(const LayoutCell *pCell) const { return indexOfCell(pCell) >= 0; }

    // Appends a cell of the given width right of the cells already there;
    // the width is cut so that the cell ends at the row's right edge at the
    // latest, and never becomes negative.
    LayoutCell *appendCell(int iWidth);
    // Appends a copy of the cell (x, width, colour, font size, alignment and
    // borders) with this row's height.
    LayoutCell *appendCellCopy(const LayoutCell &cSource);

private:
    QRect m_cRect;
    std::vector<std::unique_ptr<LayoutCell>> m_cells;
};
