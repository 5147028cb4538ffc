#include "report/layout/LayoutCell.h"

namespace {
bool isSide(int iSide)
{
    return iSide >= 0 && iSide < LayoutCell::kSideCount;
}
} // namespace

int LayoutCell::borderWidth(int iSide) const
{
    return isSide(iSide) ? m_aBorderWidths[static_cast<size_t>(iSide)] : 0;
}

int LayoutCell::borderStyle(int iSide) const
{
    return isSide(iSide) ? m_aBorderStyles[static_cast<size_t>(iSide)] : 0;
}

void LayoutCell::setBorder(int iSide, int iWidth, int iStyle)
{
    if (!isSide(iSide))
        return;
    m_aBorderWidths[static_cast<size_t>(iSide)] = iWidth;
    m_aBorderStyles[static_cast<size_t>(iSide)] = iStyle;
}
