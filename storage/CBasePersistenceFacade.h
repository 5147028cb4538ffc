#pragma once

#include "storage/IPersistenceFacade.h"

#include <QMutex>

#include <memory>
#include <vector>

class CDAOBaseProject;
class ICatalogDataLoader;

// Opens project directories into access objects and runtime data and keeps
// the table of open projects, which it owns. Only reads project
// directories; every failure is a storage error code.
class CBasePersistenceFacade : public IPersistenceFacade
{
public:
    // The loader gives the catalog files of projects with inspection data;
    // without one such a project cannot be loaded (code 4), while a project
    // without inspection data still opens.
    explicit CBasePersistenceFacade(std::unique_ptr<ICatalogDataLoader> cCatalogLoader = nullptr);
    // Closes every project still open.
    ~CBasePersistenceFacade() override;
    CBasePersistenceFacade(const CBasePersistenceFacade &) = delete;
    CBasePersistenceFacade &operator=(const CBasePersistenceFacade &) = delete;

    // 0 and the new runtime data, or a code and null with nothing left
    // allocated: 2 no directory, 3 no project name, 4 catalog files not
    // loadable, 6 the directory text is open already, 8 unsupported or
    // missing project file.
    int openProject(const QString &sDirectory, CProjectRuntimeData *&cRuntimeData) override;
    // 0 when the runtime data was open and is closed now, else 1 (and
    // nothing is touched).
    int closeProject(CProjectRuntimeData *cRuntimeData) override;
    // With an observer of the files read, which may cancel (code
    // StorageError::OpenCanceled, nothing left allocated). Any thread may
    // open; the table of open projects is guarded.
    int openProject(const QString &sDirectory, CProjectRuntimeData *&cRuntimeData,
                    IProjectOpenObserver *cObserver) override;

    int openProjectCount() const;
    // Threads that read event files; 0 (the default) is one per core.
    void setLoadThreadCount(int iThreads) { m_iLoadThreads = iThreads; }

private:
    struct OpenProject
    {
        std::unique_ptr<CProjectRuntimeData> cRuntimeData;
        std::unique_ptr<CDAOBaseProject> cAccess;
    };

    bool isOpen(const QString &sDirectory) const;

    std::unique_ptr<ICatalogDataLoader> m_cCatalogLoader;
    int m_iLoadThreads = 0;
    mutable QMutex m_mutex; // guards m_openProjects
    std::vector<OpenProject> m_openProjects;
};
