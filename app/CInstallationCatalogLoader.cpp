#include "app/CInstallationCatalogLoader.h"

#include "app/CApplicationContext.h"
#include "app/CProjectCatalogData.h"
#include "metadata/CCatalogRegistry.h"
#include "metadata/CInspectionStandard.h"
#include "metadata/InspectionStandardLoader.h"
#include "report/layout/CDamageClassList.h"
#include "report/layout/PrintoutLayout.h"
#include "report/layout/PrintoutLayoutReader.h"

CInstallationCatalogLoader::CInstallationCatalogLoader(const CApplicationContext &cContext)
    : m_cContext(cContext)
{
}

std::unique_ptr<IProjectCatalogData> CInstallationCatalogLoader::loadCatalogData(
    const QString &sInspectionStandard) const
{
    const CCatalogRegistry *cRegistry = m_cContext.catalogRegistry();
    const CCatalogRecord *cCatalog = cRegistry ? cRegistry->findCatalog(sInspectionStandard) : nullptr;
    if (!cCatalog)
        return nullptr;
    std::unique_ptr<CInspectionStandard> cStandard =
        loadInspectionStandard(m_cContext.catalogBaseDataDirectory() + cCatalog->sBaseFileName);
    if (!cStandard)
        return nullptr;
    std::unique_ptr<PrintoutLayout> cLayout =
        readPrintoutLayout(m_cContext.printoutLayoutsDirectory() + cCatalog->sPrintoutLayoutFileName);
    if (!cLayout)
        return nullptr;
    std::unique_ptr<CDamageClassList> cDamageClasses =
        readCatalogPrintoutData(m_cContext.catalogPrintoutDataDirectory() + cCatalog->sPrintoutDataFile);
    if (!cDamageClasses)
        return nullptr;
    return std::make_unique<CProjectCatalogData>(std::move(cStandard), std::move(cLayout), std::move(cDamageClasses));
}
