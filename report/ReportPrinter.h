#pragma once

#include "report/items/PrintoutPage.h"

#include <QString>

#include <functional>
#include <memory>

class QPagedPaintDevice;
class QIODevice;
class QPdfWriter;
class CReportPainter;

// Every device a report is painted on has this resolution: point sizes are
// applied at it (a point size N prints at N x 1200 / 2540 points).
constexpr int kReportResolution = 1200;

// A PDF writer set up for a report: PDF/A-1b (archival: fonts embedded, no
// transparency, title and creator in its metadata), 1200 dpi, the report's
// page layout, creator and title as given. Nothing is written before a
// painter begins on it.
std::unique_ptr<QPdfWriter> createReportPrinter(const QString &sFileName, const QString &sCreator,
                                                const QString &sDocumentName);
// The same writing into a device already open for writing, which the caller
// owns (so that it can tell whether every byte was written).
std::unique_ptr<QPdfWriter> createReportPrinter(QIODevice *pDevice, const QString &sCreator,
                                                const QString &sDocumentName);

// The page layout of every report device: A4, or US Letter where the
// default locale's country is the United States; portrait; no margins.
void setUpReportPageLayout(QPagedPaintDevice &cDevice);

// Begins the painter on the device and sets it up ("Arial", pen colour,
// logical window in hundredths of a millimetre of the device's paper).
// Returns false, and leaves the painter inactive, when the device cannot be
// painted on (an output file that cannot be written).
bool beginReportPainter(CReportPainter &cPainter, QPagedPaintDevice &cDevice);

// Called after each printed page with its number (1-based) and the count.
using PagePrintedCallback = std::function<void(int iPage, int iCount)>;

// Prints the pages in order, one device page each, freeing every page right
// after painting it, then ends the painter. The photos of the next pages are
// read on worker threads while a page is painted; at most a few pages'
// photos are held at a time. The list is empty afterwards. Returns false
// when the painter was not active or the output could not be completed.
bool printPages(CReportPainter &cPainter, QPagedPaintDevice &cDevice, PrintoutPageList &cPages,
                const PagePrintedCallback &pagePrinted = PagePrintedCallback());
