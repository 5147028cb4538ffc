#pragma once

#include "report/layout/LayoutRow.h"

#include <QRect>

#include <memory>
#include <vector>

// A table of a printout layout: a width and rows, top to bottom; owns its
// rows. All queries are bounds-checked, so a table that lacks a row or a
// cell the report asks for answers null instead of failing.
class LayoutTable
{
public:
    // A negative width is taken as 0.
    explicit LayoutTable(int iWidth = 0);
    ~LayoutTable();
    LayoutTable(const LayoutTable &) = delete;
    LayoutTable &operator=(const LayoutTable &) = delete;

    int width() const { return m_iWidth; }
    // Sum of the row heights.
    int height() const { return m_iBottom; }
    // x 0, y 0, the width, and the sum of the row heights as height.
    QRect boundingRect() const { return QRect(0, 0, m_iWidth, m_iBottom); }
    bool isEmpty() const { return m_rows.empty(); }

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // Null when iIndex is outside 0..rowCount() - 1.
    const LayoutRow *rowAt(int iIndex) const;
    LayoutRow *rowAt(int iIndex);
    // Null when the row or the cell is missing.
    const LayoutCell *cellAt(int iRow, int iColumn) const;
    // The first row whose cells include the cell; null when there is none.
    const LayoutRow *rowContaining(const LayoutCell *pCell) const;

    // Appends an empty row of the given height (negative counts as 0) below
    // the rows already there.
    LayoutRow *appendRow(int iHeight);
    // Appends a copy of the row: the given height, or the source row's when
    // iHeight is negative, and a copy of each of its cells. A null source
    // appends nothing and answers null.
    LayoutRow *appendRowCopy(const LayoutRow *pSource, int iHeight = -1);

private:
    int m_iWidth = 0;
    int m_iBottom = 0;
    std::vector<std::unique_ptr<LayoutRow>> m_rows;
};
