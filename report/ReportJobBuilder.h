#pragma once

#include "report/ReportJob.h"

#include <QList>
#include <QString>

#include <memory>

class CCorvaneProject;
class CDamageClassList;
class CInspectionStandard;
class PrintoutLayout;

// The choices a report is made from. The defaults are what the report
// settings dialog shows when it opens: every section in project order, no
// photos, every part switched on.
struct ReportChoices
{
    enum SectionSelection {
        AllSections,    // every section in project order
        SectionsById,   // sectionKeys are section ids, in report order
        SectionsByIndex // sectionKeys are 0-based indexes into the project
    };
    SectionSelection eSelection = AllSections;
    QList<int> sectionKeys;

    int iPhotosPerPage = 0; // 0, 1 or 3
    bool bProjectInformation = true;
    bool bTableOfContents = true;
    bool bSectionOverview = true;
    // Both only take effect when the standard has damage classes.
    bool bDamageClassLegend = true;
    bool bDamageInformation = true;
    bool bSectionProtocol = true;
    bool bInclinationProtocol = true;
    bool bInclinationGraph = true;

    // Directory holding "logo.bmp" and "logo.txt"; empty for no logo.
    QString sLogoDirectory;
    QString sOutputFileName;
};

// Builds the job for a project and its catalog records. Section keys that
// name no section of the project are skipped and listed in pUnknownKeys
// (when given). A photo mode other than 1 or 3 means no photos.
std::unique_ptr<ReportJob> buildReportJob(const ReportChoices &cChoices, const CCorvaneProject *cProject,
                                          const PrintoutLayout *cLayout, const CInspectionStandard *cStandard,
                                          const CDamageClassList *cDamageClasses, QList<int> *pUnknownKeys = nullptr);
