#pragma once

#include "storage/IPersistenceFacade.h"

// Placeholder until the project readers land.
class CBasePersistenceFacade : public IPersistenceFacade
{
public:
    CBasePersistenceFacade() = default;
    ~CBasePersistenceFacade() override = default;
    int openProject(const QString &, CProjectRuntimeData *&cRuntimeData) override { cRuntimeData = nullptr; return 2; }
    int closeProject(CProjectRuntimeData *) override { return 1; }
};
