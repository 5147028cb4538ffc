#pragma once

#include <QString>

#include <functional>

class CReportPainter;
class QPagedPaintDevice;
struct ReportContext;
struct ReportJob;
struct ReportLogo;

// A step of a running report, for a busy indication or a log.
struct ReportProgress
{
    enum Step {
        PartBuilt,  // sPart delivered iCount pages
        PagePrinted // page iCurrent of iCount was printed
    };
    Step eStep = PartBuilt;
    QString sPart;
    int iCurrent = 0;
    int iCount = 0;
};

using ReportProgressCallback = std::function<void(const ReportProgress &)>;

enum class ReportResult {
    Written,          // the PDF file (or the device's output) is complete
    IncompleteJob,    // no project or no printout layout: nothing was written
    CannotOpenOutput, // the output file (or device) could not be opened
    OutputInProject,  // the output would overwrite or add a file of the project: refused
    WriteFailed       // the output could not be completed; a partial file is removed
};

// What a report's document says about itself: the project's contractor as
// creator, the project's name as title.
struct ReportDocumentInfo
{
    QString sCreator;
    QString sTitle;
};
ReportDocumentInfo reportDocumentInfo(const ReportJob &cJob);

// Writes the job's report into its output file as an archival PDF
// (PDF/A-1b): project information, contents, section overview, damage class
// legend and the chosen sections, every page with its "Page k/n" footer.
// Tells the caller whether the file was written.
ReportResult runReport(const ReportJob &cJob, const ReportProgressCallback &progress = ReportProgressCallback());

// Paints the same pages on a device the caller has set up (a printer or a
// print preview of the user interface): page layout as
// setUpReportPageLayout() makes it and kReportResolution. The job's output
// file name is not used.
ReportResult runReportOn(const ReportJob &cJob, QPagedPaintDevice &cDevice,
                         const ReportProgressCallback &progress = ReportProgressCallback());

// The context a run hands its parts for a job: the job's project, sections,
// catalog records and damage information choice, with the logo and the
// painter given, on the paper of the default locale.
ReportContext reportContextOf(const ReportJob &cJob, const ReportLogo &cLogo, CReportPainter *pPainter);
