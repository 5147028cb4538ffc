#pragma once

#include <QString>
#include <QStringList>

// Reads a written PDF back with the poppler tools (pdftotext, pdfinfo,
// pdffonts). Every function answers an empty result when the tool fails.
namespace PdfText {
// Standard output of the program; empty on failure or after 60 s.
QString runTool(const QString &sProgram, const QStringList &cArguments);
// `pdftotext -layout`: pages are separated by form feeds.
QString text(const QString &sPdfPath);
// The text of each page.
QStringList pageTexts(const QString &sPdfPath);
// `pdfinfo` output and one of its values ("Pages", "Page size", "Creator", "Title").
QString info(const QString &sPdfPath);
QString infoValue(const QString &sPdfPath, const QString &sKey);
// Number of pages; -1 when pdfinfo cannot read the file.
int pageCount(const QString &sPdfPath);
// `pdffonts` output.
QString fonts(const QString &sPdfPath);
// Text with all runs of blanks collapsed to one space, for comparisons
// that should not depend on column layout.
QString simplified(const QString &sText);
} // namespace PdfText
