#include "report/ReportJobBuilder.h"

#include "metadata/CInspectionStandard.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionSegment.h"

namespace {
const CInspectionSegment *sectionById(const CCorvaneProject *cProject, int iId)
{
    for (int i = 0; i < cProject->sectionCount(); ++i) {
        const CInspectionSegment *cSection = cProject->sectionAt(i);
        if (cSection && cSection->id() == iId)
            return cSection;
    }
    return nullptr;
}

QString logoFile(const QString &sDirectory, const QString &sName)
{
    if (sDirectory.isEmpty())
        return QString();
    return sDirectory.endsWith(QLatin1Char('/')) ? sDirectory + sName : sDirectory + QLatin1Char('/') + sName;
}
} // namespace

std::unique_ptr<ReportJob> buildReportJob(const ReportChoices &cChoices, const CCorvaneProject *cProject,
                                          const PrintoutLayout *cLayout, const CInspectionStandard *cStandard,
                                          const CDamageClassList *cDamageClasses, QList<int> *pUnknownKeys)
{
    auto cJob = std::make_unique<ReportJob>();
    cJob->cProject = cProject;
    cJob->cLayout = cLayout;
    cJob->cStandard = cStandard;
    cJob->cDamageClasses = cDamageClasses;

    const bool bHasDamageClasses = cStandard && cStandard->damageClassCount() > 0;
    cJob->bDamageInformation = cChoices.bDamageInformation && bHasDamageClasses;
    cJob->bDamageClassLegend = cChoices.bDamageClassLegend && bHasDamageClasses;
    cJob->bProjectInformation = cChoices.bProjectInformation;
    cJob->bSectionOverview = cChoices.bSectionOverview;
    cJob->bTableOfContents = cChoices.bTableOfContents;
    cJob->sLogoImagePath = logoFile(cChoices.sLogoDirectory, QStringLiteral("logo.bmp"));
    cJob->sLogoTextPath = logoFile(cChoices.sLogoDirectory, QStringLiteral("logo.txt"));
    cJob->sOutputFileName = cChoices.sOutputFileName;

    const int iPhotos = (cChoices.iPhotosPerPage == 1 || cChoices.iPhotosPerPage == 3) ? cChoices.iPhotosPerPage : 0;
    const auto addEntry = [&](const CInspectionSegment *cSection) {
        auto cEntry = std::make_unique<SectionEntry>();
        cEntry->cSection = cSection;
        cEntry->iPhotosPerPage = iPhotos;
        cEntry->bSectionProtocol = cChoices.bSectionProtocol;
        cEntry->bInclinationProtocol = cChoices.bInclinationProtocol;
        cEntry->bInclinationGraph = cChoices.bInclinationGraph;
        cJob->addSection(std::move(cEntry));
    };

    if (!cProject)
        return cJob;
    if (cChoices.eSelection == ReportChoices::AllSections) {
        for (int i = 0; i < cProject->sectionCount(); ++i) {
            if (const CInspectionSegment *cSection = cProject->sectionAt(i))
                addEntry(cSection);
        }
        return cJob;
    }
    for (const int iKey : cChoices.sectionKeys) {
        const CInspectionSegment *cSection = cChoices.eSelection == ReportChoices::SectionsById
                                                 ? sectionById(cProject, iKey)
                                                 : cProject->sectionAt(iKey);
        if (cSection)
            addEntry(cSection);
        else if (pUnknownKeys)
            pUnknownKeys->append(iKey);
    }
    return cJob;
}
