#include "storage/CBasePersistenceFacade.h"

#include "model/CBaseProject.h"
#include "storage/CDAOBaseProject.h"
#include "storage/CDAOCorvaneProject.h"
#include "storage/CProjectFileReader.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/ICatalogDataLoader.h"
#include "storage/IProjectCatalogData.h"
#include "storage/StorageErrors.h"

#include <algorithm>

CBasePersistenceFacade::CBasePersistenceFacade(std::unique_ptr<ICatalogDataLoader> cCatalogLoader)
    : m_cCatalogLoader(std::move(cCatalogLoader))
{
}

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
    return openProject(sDirectory, cRuntimeData, nullptr);
}

int CBasePersistenceFacade::openProjectCount() const
{
    const QMutexLocker cLock(&m_mutex);
    return static_cast<int>(m_openProjects.size());
}

bool CBasePersistenceFacade::isOpen(const QString &sDirectory) const
{
    const QMutexLocker cLock(&m_mutex);
    return std::any_of(m_openProjects.cbegin(), m_openProjects.cend(), [&sDirectory](const OpenProject &entry) {
        return entry.cAccess->project()->directory() == sDirectory;
    });
}

int CBasePersistenceFacade::openProject(const QString &sDirectory, CProjectRuntimeData *&cRuntimeData,
                                        IProjectOpenObserver *cObserver)
{
    cRuntimeData = nullptr;
    if (isOpen(sDirectory))
        return StorageError::ProjectAlreadyOpen;

    // The probe's reading of "project.dat" is the one the access object
    // loads from: the file is read once per open.
    ProjectLoadOptions cOptions;
    cOptions.iThreads = m_iLoadThreads;
    cOptions.cObserver = cObserver;
    const CProjectFileReader reader(sDirectory, cOptions);
    ProjectFileInfo info;
    const int iProbe = reader.readProjectFile(info);
    if (iProbe != ProjectAccess::Ok)
        return storageCodeOfAccessResult(iProbe);

    std::unique_ptr<CDAOBaseProject> cAccess;
    if (info.bExtended)
        cAccess = std::make_unique<CDAOCorvaneProject>();
    else
        cAccess = std::make_unique<CDAOBaseProject>();
    if (!cAccess->loadProbed(reader, info))
        return StorageError::OpenCanceled;

    CBaseProject *cProject = cAccess->project();
    std::unique_ptr<IProjectCatalogData> cCatalogData;
    if (cProject->extended()) {
        if (m_cCatalogLoader)
            cCatalogData = m_cCatalogLoader->loadCatalogData(cProject->inspectionStandard());
        if (!cCatalogData)
            return StorageError::ProjectNotLoaded;
    }
    auto cData = std::make_unique<CProjectRuntimeData>(cProject, std::move(cCatalogData));

    const QMutexLocker cLock(&m_mutex);
    // Another thread may have opened the same directory meanwhile.
    for (const OpenProject &entry : m_openProjects) {
        if (entry.cAccess->project()->directory() == sDirectory)
            return StorageError::ProjectAlreadyOpen;
    }
    cRuntimeData = cData.get();
    m_openProjects.push_back({std::move(cData), std::move(cAccess)});
    return StorageError::Success;
}

int CBasePersistenceFacade::closeProject(CProjectRuntimeData *cRuntimeData)
{
    // Found by identity alone: a pointer that is not in the table is never
    // dereferenced, so closing twice or closing a foreign object is harmless.
    const QMutexLocker cLock(&m_mutex);
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
