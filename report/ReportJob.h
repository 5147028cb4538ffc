#pragma once

#include "report/parts/SectionEntry.h"

#include <QString>

#include <memory>
#include <vector>

class CCorvaneProject;
class CDamageClassList;
class CInspectionStandard;
class PrintoutLayout;

// What a report run prints. The job owns only its section entries; the
// project and the catalog records belong to the project runtime data.
struct ReportJob
{
    const CCorvaneProject *cProject = nullptr;
    const PrintoutLayout *cLayout = nullptr;
    const CInspectionStandard *cStandard = nullptr;
    const CDamageClassList *cDamageClasses = nullptr;

    // In report order.
    std::vector<std::unique_ptr<SectionEntry>> sections;

    // May be empty: then the report has no logo image or logo text.
    QString sLogoImagePath;
    QString sLogoTextPath;
    QString sOutputFileName;

    bool bProjectInformation = true;
    bool bTableOfContents = true;
    bool bDamageClassLegend = true;
    bool bDamageInformation = true;
    bool bSectionOverview = true;

    int sectionCount() const { return static_cast<int>(sections.size()); }
    const SectionEntry *sectionAt(int iIndex) const
    {
        return iIndex >= 0 && iIndex < sectionCount() ? sections[static_cast<size_t>(iIndex)].get() : nullptr;
    }
    void addSection(std::unique_ptr<SectionEntry> cEntry) { sections.push_back(std::move(cEntry)); }
};
