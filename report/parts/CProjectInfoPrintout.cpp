#include "report/parts/CProjectInfoPrintout.h"

#include "model/CCorvaneProject.h"
#include "report/items/CTablePrintoutItem.h"
#include "report/items/TableFilling.h"
#include "report/layout/PrintoutLayout.h"
#include "report/parts/CPrintoutTextTranslator.h"
#include "report/parts/FrontPage.h"
#include "report/parts/ReportContext.h"

CProjectInfoPrintout::CProjectInfoPrintout(const ReportContext &cContext) : m_cContext(cContext)
{
}

void CProjectInfoPrintout::buildPages()
{
    if (!m_cContext.cLayout)
        return;
    const PrintoutLayout &cLayout = *m_cContext.cLayout;
    auto pBody = std::make_unique<CTablePrintoutItem>(cLayout.projectInfo());
    if (m_cContext.cProject)
        fillFromObject(*pBody, cLayout.projectInfo(), cLayout.cellLinks(), m_cContext.cProject, false,
                       m_cContext.cStandard);
    addPage(createFrontPage(m_cContext, printoutText(CPrintoutTextTranslator::ProjectInformation), std::move(pBody)));
}
