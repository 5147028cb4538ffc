#pragma once

#include "report/layout/LayoutCellLinkRegistry.h"
#include "report/layout/LayoutRecords.h"
#include "report/layout/LayoutTable.h"

#include <QString>

#include <array>
#include <memory>

// A parsed printout layout: the cell-link registry and one record per
// group of the layout file. Every record always exists (a group missing in
// the file gives an empty table or zero sizes), so the accessors never
// answer null.
class PrintoutLayout
{
public:
    // The groups of a layout file, in file order.
    enum Group {
        ProjectPageHeader = 0,
        ProjectInfo,
        TableOfContents,
        SectionList,
        DamageClassLegend,
        SectionPageHeader,
        SectionHeader,
        BigPicture,
        SmallPicture,
        Event,
        NoEvents,
        PageFooter,
        EventPosIndicator,
        SectionGraphic,
        InclinationGrid,
        InclinationGraph,
        InclinationZeroGraph,
        AltitudeGraph,
        InclinationPipe,
        InclinationHeader,
        InclinationLegend,
        GroupCount
    };

    PrintoutLayout();
    ~PrintoutLayout();
    PrintoutLayout(const PrintoutLayout &) = delete;
    PrintoutLayout &operator=(const PrintoutLayout &) = delete;

    // The group's name in the layout file ("project-page-header", ...);
    // empty outside 0..GroupCount - 1.
    static QString groupName(int iGroup);
    // Whether the group is one of the tables.
    static bool isTableGroup(int iGroup);

    const LayoutCellLinkRegistry &cellLinks() const { return m_cellLinks; }
    LayoutCellLinkRegistry &cellLinks() { return m_cellLinks; }
    LayoutCellLink lookup(const LayoutCell *pCell) const { return m_cellLinks.lookup(pCell); }

    // The table of a table group; null for the other groups.
    const LayoutTable *table(int iGroup) const;
    LayoutTable *table(int iGroup);
    // Replaces the table of a table group (ignored for other groups).
    void setTable(int iGroup, std::unique_ptr<LayoutTable> pTable);

    const LayoutTable *projectPageHeader() const { return table(ProjectPageHeader); }
    const LayoutTable *projectInfo() const { return table(ProjectInfo); }
    const LayoutTable *tableOfContents() const { return table(TableOfContents); }
    const LayoutTable *sectionList() const { return table(SectionList); }
    const LayoutTable *damageClassLegend() const { return table(DamageClassLegend); }
    const LayoutTable *sectionPageHeader() const { return table(SectionPageHeader); }
    const LayoutTable *sectionHeader() const { return table(SectionHeader); }
    const LayoutTable *bigPicture() const { return table(BigPicture); }
    const LayoutTable *smallPicture() const { return table(SmallPicture); }
    const LayoutTable *event() const { return table(Event); }
    const LayoutTable *noEvents() const { return table(NoEvents); }
    const PageFooterLayout *pageFooter() const { return &m_pageFooter; }
    const EventPosIndicatorLayout *eventPosIndicator() const { return &m_eventPosIndicator; }
    const SectionGraphicLayout *sectionGraphic() const { return &m_sectionGraphic; }
    const InclinationGridLayout *inclinationGrid() const { return &m_inclinationGrid; }
    const GraphPenLayout *inclinationGraph() const { return &m_inclinationGraph; }
    const GraphPenLayout *inclinationZeroGraph() const { return &m_inclinationZeroGraph; }
    const GraphPenLayout *altitudeGraph() const { return &m_altitudeGraph; }
    const GraphPenLayout *inclinationPipe() const { return &m_inclinationPipe; }
    const LayoutTable *inclinationHeader() const { return table(InclinationHeader); }
    const InclinationLegendLayout *inclinationLegend() const { return &m_inclinationLegend; }

    // For the reader and for tests that build layouts by hand.
    PageFooterLayout *pageFooter() { return &m_pageFooter; }
    EventPosIndicatorLayout *eventPosIndicator() { return &m_eventPosIndicator; }
    SectionGraphicLayout *sectionGraphic() { return &m_sectionGraphic; }
    InclinationGridLayout *inclinationGrid() { return &m_inclinationGrid; }
    // The pen of InclinationGraph, InclinationZeroGraph, AltitudeGraph or
    // InclinationPipe; null for the other groups.
    GraphPenLayout *graphPen(int iGroup);
    InclinationLegendLayout *inclinationLegend() { return &m_inclinationLegend; }

private:
    LayoutCellLinkRegistry m_cellLinks;
    std::array<std::unique_ptr<LayoutTable>, GroupCount> m_tables;
    PageFooterLayout m_pageFooter;
    EventPosIndicatorLayout m_eventPosIndicator;
    SectionGraphicLayout m_sectionGraphic;
    InclinationGridLayout m_inclinationGrid;
    GraphPenLayout m_inclinationGraph;
    GraphPenLayout m_inclinationZeroGraph;
    GraphPenLayout m_altitudeGraph;
    GraphPenLayout m_inclinationPipe;
    InclinationLegendLayout m_inclinationLegend;
};
