#include "report/CInclinationChartPrintout.h"

CInclinationChartPrintout::CInclinationChartPrintout(const CInspectionStandard *pStandard, const SectionEntry *pEntry,
                                                     const PrintoutLayout *pLayout)
    : m_pStandard(pStandard), m_pEntry(pEntry), m_pLayout(pLayout)
{
}

CInclinationChartPrintout::~CInclinationChartPrintout() = default;

void CInclinationChartPrintout::buildPages()
{
}
