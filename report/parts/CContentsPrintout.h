#pragma once

#include "report/parts/CPrintoutPart.h"

#include <QList>
#include <QString>

struct PartPageCounts;
struct ReportContext;

// One line of the table of contents.
struct ContentsEntry
{
    QString sTitle;
    int iPage = 0;
};

// The table of contents. It is created after every other part has
// delivered its pages, counts its own pages into the page counts and
// numbers the entries as the pages will be printed: project information,
// contents, section overview, legend, sections.
class CContentsPrintout : public CPrintoutPart
{
public:
    CContentsPrintout(const ReportContext &cContext, PartPageCounts &cCounts);

    // Rows per contents page for the context's layout and paper (at least 1).
    static int rowsPerPage(const ReportContext &cContext);
    // The entries with their page numbers; stores the number of contents
    // pages, as built for iRowsPerPage rows per page, in the page counts.
    static QList<ContentsEntry> entries(const ReportContext &cContext, PartPageCounts &cCounts, int iRowsPerPage);

protected:
    void buildPages() override;

private:
    const ReportContext &m_cContext;
    PartPageCounts &m_cCounts;
    int m_iRowsPerPage;
};
