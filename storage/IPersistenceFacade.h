#pragma once

#include <QString>

class CProjectRuntimeData;
class IProjectOpenObserver;

// The storage layer's only door: opens and closes project directories.
// Results are the storage error codes (0 success).
class IPersistenceFacade
{
public:
    virtual int openProject(const QString &sDirectory, CProjectRuntimeData *&cRuntimeData) = 0;
    virtual int closeProject(CProjectRuntimeData *cRuntimeData) = 0;
    virtual ~IPersistenceFacade() = default;

    // The same open, followed by an observer that sees the files being read
    // and may cancel (then the code is StorageError::OpenCanceled and no
    // project is open). A facade that cannot report progress opens as
    // without one.
    virtual int openProject(const QString &sDirectory, CProjectRuntimeData *&cRuntimeData,
                            IProjectOpenObserver *cObserver)
    {
        (void)cObserver;
        return openProject(sDirectory, cRuntimeData);
    }
};
