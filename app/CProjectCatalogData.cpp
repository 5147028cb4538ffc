#include "app/CProjectCatalogData.h"

#include "metadata/CInspectionStandard.h"
#include "report/layout/CDamageClassList.h"
#include "report/layout/PrintoutLayout.h"

CProjectCatalogData::CProjectCatalogData(std::unique_ptr<CInspectionStandard> cStandard,
                                         std::unique_ptr<PrintoutLayout> cLayout,
                                         std::unique_ptr<CDamageClassList> cDamageClasses)
    : m_cStandard(std::move(cStandard)), m_cLayout(std::move(cLayout)), m_cDamageClasses(std::move(cDamageClasses))
{
}

CProjectCatalogData::~CProjectCatalogData() = default;
