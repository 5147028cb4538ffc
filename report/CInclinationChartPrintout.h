#pragma once

#include "report/CPrintoutPart.h"

class CInspectionStandard;
class PrintoutLayout;
struct SectionEntry;

// The landscape chart page of a section's inclination measurement: altitude
// profile, optionally the measured inclination, grid, scales and legend.
// Builds one page, or none when the section has no readable measurement.
class CInclinationChartPrintout : public CPrintoutPart
{
public:
    CInclinationChartPrintout(const CInspectionStandard *pStandard, const SectionEntry *pEntry,
                              const PrintoutLayout *pLayout);
    ~CInclinationChartPrintout() override;

protected:
    void buildPages() override;

private:
    const CInspectionStandard *m_pStandard;
    const SectionEntry *m_pEntry;
    const PrintoutLayout *m_pLayout;
};
