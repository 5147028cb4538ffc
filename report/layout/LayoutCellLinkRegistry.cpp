#include "report/layout/LayoutCellLinkRegistry.h"

void LayoutCellLinkRegistry::add(const LayoutCell *pCell, int iFieldId, int iLinkType)
{
    if (pCell)
        m_links.insert(pCell, LayoutCellLink{iFieldId, iLinkType});
}

LayoutCellLink LayoutCellLinkRegistry::lookup(const LayoutCell *pCell) const
{
    return m_links.value(pCell, LayoutCellLink());
}
