#pragma once

#include "report/parts/CPrintoutPart.h"

#include <memory>

class CDamageClassList;
class CInspectionStandard;
class CReportPainter;
class PrintoutLayout;
struct ReportLogo;
struct SectionEntry;

// The report part that lays out all pages of one chosen section: protocol,
// inclination chart and photo pages, as the entry asks. The painter must be
// active (the part measures texts with it).
std::unique_ptr<CPrintoutPart> createSectionPart(const SectionEntry &cEntry, const PrintoutLayout &cLayout,
                                                 const ReportLogo &cLogo, const CDamageClassList *cDamageClasses,
                                                 const CInspectionStandard *cStandard, CReportPainter &cPainter,
                                                 bool bDamageInformation);
