#pragma once

#include <QList>

// Pages each report part delivered, filled by the report run and read by the
// table of contents. 0 means the part is not printed.
struct PartPageCounts
{
    int iProjectInformation = 0;
    int iContents = 0;
    int iSectionOverview = 0;
    int iDamageClassLegend = 0;
    // One per chosen section, in report order (0 for a section without pages).
    QList<int> sectionPages;

    int total() const
    {
        int iTotal = iProjectInformation + iContents + iSectionOverview + iDamageClassLegend;
        for (const int iPages : sectionPages)
            iTotal += iPages;
        return iTotal;
    }
};
