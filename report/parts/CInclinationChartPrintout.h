#pragma once

#include "report/chart/InclinationChartInput.h"
#include "report/chart/InclinationChartTexts.h"
#include "report/parts/CPrintoutPart.h"

#include <memory>

class CInspectionSegment;
struct ReportContext;
struct SectionEntry;

// The landscape chart page of a section's inclination measurement: altitude
// profile, optionally the measured inclination, grid, scales and legend.
// Builds one page, or none when the section has no readable measurement.
class CInclinationChartPrintout : public CPrintoutPart
{
public:
    CInclinationChartPrintout(const ReportContext &cContext, const SectionEntry &cEntry);
    ~CInclinationChartPrintout() override;

    // The chart page for a computed profile: header table, grid with the
    // curves, and legend, all turned to read in landscape. The context must
    // have a layout.
    static std::unique_ptr<PrintoutPage> createChartPage(const InclinationChartInput &cInput,
                                                         const ReportContext &cContext,
                                                         const CInspectionSegment *pSection, bool bInclinationGraph);

    // The path of the section's measurement file, empty when it has none or
    // its name could leave the project's "Inclination" directory.
    static QString inclinationFilePath(const CInspectionSegment *pSection);

protected:
    void buildPages() override;

private:
    const ReportContext &m_cContext;
    const SectionEntry &m_cEntry;
};
