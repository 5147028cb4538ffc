#pragma once

#include "report/items/PrintoutPage.h"

#include <QString>

#include <memory>

class QIODevice;
class QPdfWriter;
class CReportPainter;

// A PDF writer set up for a report: 1200 dpi, A4 or Letter by locale,
// portrait, no margins, creator and title as given. Nothing is written
// before a painter begins on it.
std::unique_ptr<QPdfWriter> createReportPrinter(const QString &sFileName, const QString &sCreator,
                                                const QString &sDocumentName);
// The same writing into a device already open for writing, which the caller
// owns (so that it can tell whether every byte was written).
std::unique_ptr<QPdfWriter> createReportPrinter(QIODevice *pDevice, const QString &sCreator,
                                                const QString &sDocumentName);

// Begins the painter on the printer and sets it up ("Arial", pen colour,
// logical window in hundredths of a millimetre). Returns false, and leaves
// the painter inactive, when the output file cannot be written.
bool beginReportPainter(CReportPainter &cPainter, QPdfWriter &cPrinter);

// Prints the pages in order, one printer page each, freeing every page right
// after painting it, then ends the painter. The list is empty afterwards.
// Returns false when the painter was not active or the PDF could not be completed.
bool printPages(CReportPainter &cPainter, QPdfWriter &cPrinter, PrintoutPageList &cPages);
