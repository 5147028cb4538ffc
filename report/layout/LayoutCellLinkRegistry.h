#pragma once

#include <QHash>

class LayoutCell;

// Field id and link type of a layout cell. Link types: 0 none, 1 value
// text, 2 code text, 3 caption followed by ":".
struct LayoutCellLink
{
    int iFieldId = 0;
    int iLinkType = 0;
};

// Which data text each layout cell shows. Cells read from the layout file
// are entered; copies made for composed tables are not.
class LayoutCellLinkRegistry
{
public:
    void add(const LayoutCell *pCell, int iFieldId, int iLinkType);
    // (0, 0) for a cell that was never entered, null included.
    LayoutCellLink lookup(const LayoutCell *pCell) const;
    bool contains(const LayoutCell *pCell) const { return m_links.contains(pCell); }
    int count() const { return static_cast<int>(m_links.size()); }

private:
    QHash<const LayoutCell *, LayoutCellLink> m_links;
};
