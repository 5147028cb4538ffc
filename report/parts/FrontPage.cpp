#include "report/parts/FrontPage.h"

#include "model/CCorvaneProject.h"
#include "report/items/CHeaderPrintoutItem.h"
#include "report/items/TableFilling.h"
#include "report/layout/PrintoutLayout.h"
#include "report/paint/PageGeometry.h"
#include "report/parts/ReportLogo.h"

std::unique_ptr<PrintoutPage> createFrontPage(const PrintoutLayout &cLayout, const ReportLogo &cLogo,
                                              const CCorvaneProject *cProject, const QString &sTitle,
                                              std::unique_ptr<CCustomPrintoutItem> pBody)
{
    auto pPage = std::make_unique<PrintoutPage>();
    auto pHeader = std::make_unique<CHeaderPrintoutItem>(cLayout.projectPageHeader(), cLogo.sText, cLogo.image, sTitle);
    if (cProject)
        fillFromObject(*pHeader, cLayout.projectPageHeader(), cLayout.cellLinks(), cProject, true);
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
