#include "report/parts/CDamageClassPrintout.h"

#include "metadata/CInspectionStandard.h"
#include "report/ReportJob.h"
#include "report/items/CColourSwatchCellItem.h"
#include "report/items/CTablePrintoutItem.h"
#include "report/layout/CDamageClassList.h"
#include "report/layout/PrintoutLayout.h"
#include "report/parts/CPrintoutTextTranslator.h"
#include "report/parts/FrontPage.h"

#include <algorithm>

CDamageClassPrintout::CDamageClassPrintout(const ReportJob &cJob, const ReportLogo &cLogo)
    : m_cJob(cJob), m_cLogo(cLogo)
{
}

void CDamageClassPrintout::buildPages()
{
    if (!m_cJob.cLayout)
        return;
    const PrintoutLayout &cLayout = *m_cJob.cLayout;
    const LayoutTable *pTable = cLayout.damageClassLegend();
    auto pBody = std::make_unique<CTablePrintoutItem>(pTable);
    const int iClasses = m_cJob.cStandard ? m_cJob.cStandard->damageClassCount() : 0;
    // Classes beyond the layout's rows are not printed.
    const int iRows = pTable ? std::min(iClasses, pTable->rowCount()) : 0;
    for (int i = 0; i < iRows; ++i) {
        const LayoutCell *pTextCell = pTable->cellAt(i, 0);
        if (!pTextCell)
            continue;
        const QString sValue = m_cJob.cStandard->damageClassAt(i);
        const QString sText = m_cJob.cDamageClasses ? m_cJob.cDamageClasses->damageClassText(sValue) : QString();
        pBody->addCellItem(std::make_unique<CTableCellItem>(pTextCell, std::make_unique<CTableCellData>(sText)));
        // A second cell in the row shows the class's colour with its value,
        // when the catalog gives one.
        QColor cColour;
        const LayoutCell *pColourCell = pTable->cellAt(i, 1);
        if (pColourCell && m_cJob.cDamageClasses && m_cJob.cDamageClasses->damageClassColour(sValue, &cColour))
            pBody->addCellItem(std::make_unique<CColourSwatchCellItem>(pColourCell, cColour, sValue));
    }
    addPage(createFrontPage(cLayout, m_cLogo, m_cJob.cProject,
                            printoutText(CPrintoutTextTranslator::DamageClassLegend), std::move(pBody)));
}
