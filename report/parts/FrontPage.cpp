#include "report/parts/FrontPage.h"

#include "model/CCorvaneProject.h"
#include "report/items/CHeaderPrintoutItem.h"
#include "report/items/TableFilling.h"
#include "report/layout/PrintoutLayout.h"
#include "report/parts/ReportContext.h"

std::unique_ptr<PrintoutPage> createFrontPage(const ReportContext &cContext, const QString &sTitle,
                                              std::unique_ptr<CCustomPrintoutItem> pBody)
{
    const PrintoutLayout &cLayout = *cContext.cLayout;
    auto pPage = std::make_unique<PrintoutPage>();
    auto pHeader = std::make_unique<CHeaderPrintoutItem>(cLayout.projectPageHeader(), cContext.logo.sText,
                                                         cContext.logo.image, sTitle);
    if (cContext.cProject)
        fillFromObject(*pHeader, cLayout.projectPageHeader(), cLayout.cellLinks(), cContext.cProject, true,
                       cContext.cStandard);
    pPage->setHeader(std::move(pHeader));
    if (pBody) {
        pBody->setPosition(bodyArea(*pPage).topLeft());
        pPage->addItem(std::move(pBody));
    }
    return pPage;
}

int frontPageHeaderHeight(const PrintoutLayout &cLayout)
{
    const LayoutTable *pTable = cLayout.projectPageHeader();
    return pTable ? pTable->height() : 0;
}
