#pragma once

#include <QString>

class CProjectRuntimeData;

// The storage layer's only door: opens and closes project directories.
// Results are the storage error codes (0 success).
class IPersistenceFacade
{
public:
    virtual int openProject(const QString &sDirectory, CProjectRuntimeData *&cRuntimeData) = 0;
    virtual int closeProject(CProjectRuntimeData *cRuntimeData) = 0;
    virtual ~IPersistenceFacade() = default;
};
