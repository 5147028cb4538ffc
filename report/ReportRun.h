#pragma once

#include <QString>

#include <functional>

class CReportPainter;
struct ReportContext;
struct ReportJob;
struct ReportLogo;

// A step of a running report, for a busy indication or a log.
struct ReportProgress
{
    enum Step {
        PartBuilt,   // sPart delivered iCount pages
        PagePrinted  // page iCurrent of iCount was printed
    };
    Step eStep = PartBuilt;
    QString sPart;
    int iCurrent = 0;
    int iCount = 0;
};

using ReportProgressCallback = std::function<void(const ReportProgress &)>;

enum class ReportResult {
    Written,          // the PDF file is complete
    IncompleteJob,    // no project or no printout layout: nothing was written
    CannotOpenOutput, // the output file could not be created
    OutputInProject,  // the output would overwrite or add a file of the project: refused
    WriteFailed       // the PDF could not be completed; the partial file is removed
};

// Writes the job's report into its output file: project information,
// contents, section overview, damage class legend and the chosen sections,
// every page with its "Page k/n" footer. Tells the caller whether the file
// was written.
ReportResult runReport(const ReportJob &cJob, const ReportProgressCallback &progress = ReportProgressCallback());

// The context a run hands its parts for a job: the job's project, sections,
// catalog records and damage information choice, with the logo and the
// painter given, on the paper of the default locale.
ReportContext reportContextOf(const ReportJob &cJob, const ReportLogo &cLogo, CReportPainter *pPainter);
