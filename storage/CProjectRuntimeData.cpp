#include "storage/CProjectRuntimeData.h"

#include "model/CBaseProject.h"
#include "model/CCorvaneProject.h"
#include "storage/IProjectCatalogData.h"

CProjectRuntimeData::CProjectRuntimeData(CBaseProject *cProject, std::unique_ptr<IProjectCatalogData> cCatalogData)
    : m_cProject(cProject), m_cCatalogData(std::move(cCatalogData))
{
}

CProjectRuntimeData::~CProjectRuntimeData() = default;

CCorvaneProject *CProjectRuntimeData::corvaneProject() const
{
    return dynamic_cast<CCorvaneProject *>(m_cProject);
}

const CInspectionStandard *CProjectRuntimeData::inspectionStandard() const
{
    return m_cCatalogData ? m_cCatalogData->inspectionStandard() : nullptr;
}

const PrintoutLayout *CProjectRuntimeData::printoutLayout() const
{
    return m_cCatalogData ? m_cCatalogData->printoutLayout() : nullptr;
}

const CDamageClassList *CProjectRuntimeData::damageClassList() const
{
    return m_cCatalogData ? m_cCatalogData->damageClassList() : nullptr;
}

bool CProjectRuntimeData::hasInspectionData() const
{
    return m_cProject && m_cProject->extended();
}
