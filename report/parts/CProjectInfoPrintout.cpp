#include "report/parts/CProjectInfoPrintout.h"

#include "model/CCorvaneProject.h"
#include "report/items/CTablePrintoutItem.h"
#include "report/items/TableFilling.h"
#include "report/layout/PrintoutLayout.h"
#include "report/parts/CPrintoutTextTranslator.h"
#include "report/parts/FrontPage.h"

CProjectInfoPrintout::CProjectInfoPrintout(const CCorvaneProject *cProject, const PrintoutLayout &cLayout,
                                           const ReportLogo &cLogo)
    : m_cProject(cProject), m_cLayout(cLayout), m_cLogo(cLogo)
{
}

void CProjectInfoPrintout::buildPages()
{
    auto pBody = std::make_unique<CTablePrintoutItem>(m_cLayout.projectInfo());
    if (m_cProject)
        fillFromObject(*pBody, m_cLayout.projectInfo(), m_cLayout.cellLinks(), m_cProject, false);
    addPage(createFrontPage(m_cLayout, m_cLogo, m_cProject,
                            printoutText(CPrintoutTextTranslator::ProjectInformation), std::move(pBody)));
}
