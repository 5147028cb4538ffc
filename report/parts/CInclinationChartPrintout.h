#pragma once

#include "report/chart/InclinationChartInput.h"
#include "report/chart/InclinationChartTexts.h"
#include "report/parts/CPrintoutPart.h"

#include <memory>

class CInspectionSegment;
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

    // The chart page for a computed profile: header table, grid with the
    // curves, and legend, all turned to read in landscape.
    static std::unique_ptr<PrintoutPage> createChartPage(const InclinationChartInput &cInput,
                                                         const CInspectionStandard *pStandard,
                                                         const CInspectionSegment *pSection,
                                                         const PrintoutLayout &cLayout, bool bInclinationGraph);

    // The path of the section's measurement file, empty when it has none or
    // its name could leave the project's "Inclination" directory.
    static QString inclinationFilePath(const CInspectionSegment *pSection);

protected:
    void buildPages() override;

private:
    const CInspectionStandard *m_pStandard;
    const SectionEntry *m_pEntry;
    const PrintoutLayout *m_pLayout;
};
