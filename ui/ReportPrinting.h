#pragma once

#include <QString>

class QPrinter;
struct ReportDocumentInfo;

// Sets a printer up as the report's PDF writer is set up, so that printed
// and previewed pages are those of the PDF: 1200 dpi, the whole sheet (no
// printer margins), A4 or Letter by locale in portrait, archival PDF when
// the printer writes a file, creator and document name from the report.
void setUpReportPrinter(QPrinter &cPrinter, const ReportDocumentInfo &cInfo);
