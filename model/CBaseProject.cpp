#include "model/CBaseProject.h"

CBaseProject::CBaseProject(bool bExtended) : CDataCoreObject(KindProject), m_bExtended(bExtended)
{
}

CBaseProject::~CBaseProject() = default;
