#include "storage/CProjectRuntimeData.h"

#include "metadata/CInspectionStandard.h"
#include "model/CBaseProject.h"
#include "model/CCorvaneProject.h"
#include "report/layout/CDamageClassList.h"
#include "report/layout/PrintoutLayout.h"

CProjectRuntimeData::CProjectRuntimeData(CBaseProject *cProject,
                                         std::unique_ptr<CInspectionStandard> cStandard,
                                         std::unique_ptr<PrintoutLayout> cLayout,
                                         std::unique_ptr<CDamageClassList> cDamageClasses)
    : m_cProject(cProject), m_cStandard(std::move(cStandard)), m_cLayout(std::move(cLayout)),
      m_cDamageClasses(std::move(cDamageClasses))
{
}

CProjectRuntimeData::~CProjectRuntimeData() = default;

CCorvaneProject *CProjectRuntimeData::corvaneProject() const
{
    return dynamic_cast<CCorvaneProject *>(m_cProject);
}

bool CProjectRuntimeData::hasInspectionData() const
{
    return m_cProject && m_cProject->extended();
}
