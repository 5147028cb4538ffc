#include "app/CInstallationCatalogLoader.h"

#include "app/CApplicationContext.h"
#include "app/CProjectCatalogData.h"
#include "metadata/CCatalogRegistry.h"
#include "metadata/CInspectionStandard.h"
#include "metadata/InspectionStandardLoader.h"
#include "report/layout/CDamageClassList.h"
#include "report/layout/PrintoutLayout.h"
#include "report/layout/PrintoutLayoutReader.h"
#include "storage/ContainedFile.h"

CInstallationCatalogLoader::CInstallationCatalogLoader(const CApplicationContext &cContext) : m_cContext(cContext)
{
}

std::unique_ptr<IProjectCatalogData> CInstallationCatalogLoader::loadCatalogData(
    const QString &sInspectionStandard) const
{
    const CCatalogRegistry *cRegistry = m_cContext.catalogRegistry();
    const CCatalogRecord *cCatalog = cRegistry ? cRegistry->findCatalog(sInspectionStandard) : nullptr;
    if (!cCatalog)
        return nullptr;
    // The file names come from Catalogs.dat; a name that leaves its folder
    // ("../../...") names no catalog file, so the catalog does not load.
    const QString sStandardDirectory = m_cContext.catalogBaseDataDirectory();
    const QString sLayoutDirectory = m_cContext.printoutLayoutsDirectory();
    const QString sPrintoutDataDirectory = m_cContext.catalogPrintoutDataDirectory();
    if (!nameStaysInside(sStandardDirectory, cCatalog->sBaseFileName)
        || !nameStaysInside(sLayoutDirectory, cCatalog->sPrintoutLayoutFileName)
        || !nameStaysInside(sPrintoutDataDirectory, cCatalog->sPrintoutDataFile))
        return nullptr;
    std::unique_ptr<CInspectionStandard> cStandard =
        loadInspectionStandard(sStandardDirectory + cCatalog->sBaseFileName);
    if (!cStandard)
        return nullptr;
    std::unique_ptr<PrintoutLayout> cLayout = readPrintoutLayout(sLayoutDirectory + cCatalog->sPrintoutLayoutFileName);
    if (!cLayout)
        return nullptr;
    std::unique_ptr<CDamageClassList> cDamageClasses =
        readCatalogPrintoutData(sPrintoutDataDirectory + cCatalog->sPrintoutDataFile);
    if (!cDamageClasses)
        return nullptr;
    return std::make_unique<CProjectCatalogData>(std::move(cStandard), std::move(cLayout), std::move(cDamageClasses));
}
