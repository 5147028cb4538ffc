#include "storage/CurrentProject.h"

namespace {
CProjectRuntimeData *&slot()
{
    static CProjectRuntimeData *s_cRuntimeData = nullptr;
    return s_cRuntimeData;
}
} // namespace

CProjectRuntimeData *currentRuntimeData()
{
    return slot();
}

void setCurrentRuntimeData(CProjectRuntimeData *cRuntimeData)
{
    slot() = cRuntimeData;
}
