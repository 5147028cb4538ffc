#include "report/layout/PrintoutLayout.h"

namespace {
const char *const kGroupNames[PrintoutLayout::GroupCount] = {
    "project-page-header",
    "project-info",
    "table-of-contents",
    "section-list",
    "damage-class-legend",
    "section-page-header",
    "section-header",
    "big-picture",
    "small-picture",
    "event",
    "no-events",
    "page-footer",
    "event-pos-indicator",
    "section-graphic",
    "inclination-grid",
    "inclination-graph",
    "inclination-zero-graph",
    "altitude-graph",
    "inclination-pipe",
    "inclination-header",
    "inclination-legend",
};

bool isGroup(int iGroup)
{
    return iGroup >= 0 && iGroup < PrintoutLayout::GroupCount;
}
} // namespace

PrintoutLayout::PrintoutLayout()
{
    for (int i = 0; i < GroupCount; ++i) {
        if (isTableGroup(i))
            m_tables[static_cast<size_t>(i)] = std::make_unique<LayoutTable>();
    }
}

PrintoutLayout::~PrintoutLayout() = default;

QString PrintoutLayout::groupName(int iGroup)
{
    return isGroup(iGroup) ? QString::fromLatin1(kGroupNames[iGroup]) : QString();
}

bool PrintoutLayout::isTableGroup(int iGroup)
{
    switch (iGroup) {
    case ProjectPageHeader:
    case ProjectInfo:
    case TableOfContents:
    case SectionList:
    case DamageClassLegend:
    case SectionPageHeader:
    case SectionHeader:
    case BigPicture:
    case SmallPicture:
    case Event:
    case NoEvents:
    case InclinationHeader: return true;
    default: return false;
    }
}

const LayoutTable *PrintoutLayout::table(int iGroup) const
{
    return isTableGroup(iGroup) ? m_tables[static_cast<size_t>(iGroup)].get() : nullptr;
}

LayoutTable *PrintoutLayout::table(int iGroup)
{
    return isTableGroup(iGroup) ? m_tables[static_cast<size_t>(iGroup)].get() : nullptr;
}

void PrintoutLayout::setTable(int iGroup, std::unique_ptr<LayoutTable> pTable)
{
    if (isTableGroup(iGroup) && pTable)
        m_tables[static_cast<size_t>(iGroup)] = std::move(pTable);
}

GraphPenLayout *PrintoutLayout::graphPen(int iGroup)
{
    switch (iGroup) {
    case InclinationGraph: return &m_inclinationGraph;
    case InclinationZeroGraph: return &m_inclinationZeroGraph;
    case AltitudeGraph: return &m_altitudeGraph;
    case InclinationPipe: return &m_inclinationPipe;
    default: return nullptr;
    }
}
