#pragma once

#include <QList>

// Rows of a list table that fit below the page header:
// (page height - header height) / row height - 1. 0 when the row height is
// not positive; may be 0 or negative for rows taller than the page.
int listRowsPerPage(int iPageHeight, int iHeaderHeight, int iRowHeight);

// Entries per page of the section overview for iEntries entries (the caption
// row counts as one) and iRows rows per page. A page that does not end the
// list leaves at least six entries for the last page. Every page takes at
// least one entry, whatever iRows is.
QList<int> overviewPageSizes(int iEntries, int iRows);

// Entries per page of the table of contents: full pages of iRows entries,
// at least one entry per page.
QList<int> contentsPageSizes(int iEntries, int iRows);
