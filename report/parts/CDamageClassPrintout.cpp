#include "report/parts/CDamageClassPrintout.h"

#include "metadata/CInspectionStandard.h"
#include "report/items/CColourSwatchCellItem.h"
#include "report/items/CTablePrintoutItem.h"
#include "report/layout/CDamageClassList.h"
#include "report/layout/PrintoutLayout.h"
#include "report/parts/CPrintoutTextTranslator.h"
#include "report/parts/FrontPage.h"
#include "report/parts/ReportContext.h"

#include <algorithm>

CDamageClassPrintout::CDamageClassPrintout(const ReportContext &cContext) : m_cContext(cContext)
{
}

void CDamageClassPrintout::buildPages()
{
    if (!m_cContext.cLayout)
        return;
    const PrintoutLayout &cLayout = *m_cContext.cLayout;
    const CInspectionStandard *cStandard = m_cContext.cStandard;
    const CDamageClassList *cDamageClasses = m_cContext.cDamageClasses;
    const LayoutTable *pTable = cLayout.damageClassLegend();
    auto pBody = std::make_unique<CTablePrintoutItem>(pTable);
    const int iClasses = cStandard ? cStandard->damageClassCount() : 0;
    // Classes beyond the layout's rows are not printed.
    const int iRows = pTable ? std::min(iClasses, pTable->rowCount()) : 0;
    for (int i = 0; i < iRows; ++i) {
        const LayoutCell *pTextCell = pTable->cellAt(i, 0);
        if (!pTextCell)
            continue;
        const QString sValue = cStandard->damageClassAt(i);
        const QString sText = cDamageClasses ? cDamageClasses->damageClassText(sValue) : QString();
        pBody->addCellItem(std::make_unique<CTableCellItem>(pTextCell, std::make_unique<CTableCellData>(sText)));
        // A second cell in the row shows the class's colour with its value,
        // when the catalog gives one.
        QColor cColour;
        const LayoutCell *pColourCell = pTable->cellAt(i, 1);
        if (pColourCell && cDamageClasses && cDamageClasses->damageClassColour(sValue, &cColour))
            pBody->addCellItem(std::make_unique<CColourSwatchCellItem>(pColourCell, cColour, sValue));
    }
    addPage(createFrontPage(m_cContext, printoutText(CPrintoutTextTranslator::DamageClassLegend), std::move(pBody)));
}
