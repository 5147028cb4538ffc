#include "report/SectionPartFactory.h"

#include "report/parts/CSectionPrintout.h"

std::unique_ptr<CPrintoutPart> createSectionPart(const SectionEntry &cEntry, const PrintoutLayout &cLayout,
                                                 const ReportLogo &cLogo, const CDamageClassList *cDamageClasses,
                                                 const CInspectionStandard *cStandard, CReportPainter &cPainter,
                                                 bool bDamageInformation)
{
    return std::make_unique<CSectionPrintout>(&cEntry, &cLayout, &cLogo, cDamageClasses, cStandard, &cPainter,
                                              bDamageInformation);
}
