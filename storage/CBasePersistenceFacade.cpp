#include "storage/CBasePersistenceFacade.h"

#include "app/CApplicationContext.h"
#include "metadata/CCatalogRegistry.h"
#include "metadata/CInspectionStandard.h"
#include "metadata/InspectionStandardLoader.h"
#include "model/CBaseProject.h"
#include "report/layout/CDamageClassList.h"
#include "report/layout/PrintoutLayout.h"
#include "report/layout/PrintoutLayoutReader.h"
#include "storage/CDAOBaseProject.h"
#include "storage/CDAOCorvaneProject.h"
#include "storage/CProjectFileReader.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/StorageErrors.h"

namespace {
// The catalog files of an extended project; null unless the catalog is
// registered and all three files load.
std::unique_ptr<CProjectRuntimeData> loadCatalogData(CBaseProject *cProject)
{
    const CApplicationContext *cContext = CApplicationContext::instance();
    const CCatalogRegistry *cRegistry = cContext ? cContext->catalogRegistry() : nullptr;
    const CCatalogRecord *cCatalog = cRegistry ? cRegistry->findCatalog(cProject->inspectionStandard()) : nullptr;
    if (!cCatalog)
        return nullptr;
    std::unique_ptr<CInspectionStandard> cStandard =
        loadInspectionStandard(cContext->catalogBaseDataDirectory() + cCatalog->sBaseFileName);
    if (!cStandard)
        return nullptr;
    std::unique_ptr<PrintoutLayout> cLayout =
        readPrintoutLayout(cContext->printoutLayoutsDirectory() + cCatalog->sPrintoutLayoutFileName);
    if (!cLayout)
        return nullptr;
    std::unique_ptr<CDamageClassList> cDamageClasses =
        readCatalogPrintoutData(cContext->catalogPrintoutDataDirectory() + cCatalog->sPrintoutDataFile);
    if (!cDamageClasses)
        return nullptr;
    return std::make_unique<CProjectRuntimeData>(cProject, std::move(cStandard), std::move(cLayout),
                                                 std::move(cDamageClasses));
}
} // namespace

CBasePersistenceFacade::CBasePersistenceFacade() = default;

CBasePersistenceFacade::~CBasePersistenceFacade()
{
    // Runtime data first: it points at the project its access object owns.
    for (OpenProject &entry : m_openProjects) {
        entry.cRuntimeData.reset();
        entry.cAccess.reset();
    }
    m_openProjects.clear();
}

int CBasePersistenceFacade::openProject(const QString &sDirectory, CProjectRuntimeData *&cRuntimeData)
{
    cRuntimeData = nullptr;
    for (const OpenProject &entry : m_openProjects) {
        if (entry.cAccess->project()->directory() == sDirectory)
            return StorageError::ProjectAlreadyOpen;
    }

    ProjectFileInfo info;
    const int iProbe = CProjectFileReader(sDirectory).readProjectFile(info);
    if (iProbe != ProjectAccess::Ok)
        return storageCodeOfAccessResult(iProbe);

    std::unique_ptr<CDAOBaseProject> cAccess;
    if (info.bExtended)
        cAccess = std::make_unique<CDAOCorvaneProject>();
    else
        cAccess = std::make_unique<CDAOBaseProject>();
    const int iLoad = cAccess->load(sDirectory);
    if (iLoad != ProjectAccess::Ok)
        return storageCodeOfAccessResult(iLoad);

    CBaseProject *cProject = cAccess->project();
    std::unique_ptr<CProjectRuntimeData> cData;
    if (!cProject->extended())
        cData = std::make_unique<CProjectRuntimeData>(cProject, nullptr, nullptr, nullptr);
    else
        cData = loadCatalogData(cProject);
    if (!cData)
        return StorageError::ProjectNotLoaded;

    cRuntimeData = cData.get();
    m_openProjects.push_back({std::move(cData), std::move(cAccess)});
    return StorageError::Success;
}

int CBasePersistenceFacade::closeProject(CProjectRuntimeData *cRuntimeData)
{
    // Found by identity alone: a pointer that is not in the table is never
    // dereferenced, so closing twice or closing a foreign object is harmless.
    for (auto it = m_openProjects.begin(); it != m_openProjects.end(); ++it) {
        if (it->cRuntimeData.get() != cRuntimeData)
            continue;
        OpenProject entry = std::move(*it);
        m_openProjects.erase(it);
        entry.cRuntimeData.reset();
        entry.cAccess.reset();
        return StorageError::Success;
    }
    return StorageError::InternalError;
}
