#include "report/SectionPartFactory.h"

#if __has_include("report/CSectionPrintout.h")
#include "report/CSectionPrintout.h"
#define CORVANE_HAVE_SECTION_PRINTOUT 1
#endif

std::unique_ptr<CPrintoutPart> createSectionPart(const SectionEntry &cEntry, const PrintoutLayout &cLayout,
                                                 const ReportLogo &cLogo, const CDamageClassList *cDamageClasses,
                                                 const CInspectionStandard *cStandard, CReportPainter &cPainter,
                                                 bool bDamageInformation)
{
#ifdef CORVANE_HAVE_SECTION_PRINTOUT
    return std::make_unique<CSectionPrintout>(&cEntry, &cLayout, &cLogo, cDamageClasses, cStandard, &cPainter,
                                              bDamageInformation);
#else
    Q_UNUSED(cEntry);
    Q_UNUSED(cLayout);
    Q_UNUSED(cLogo);
    Q_UNUSED(cDamageClasses);
    Q_UNUSED(cStandard);
    Q_UNUSED(cPainter);
    Q_UNUSED(bDamageInformation);
    return nullptr;
#endif
}
