#pragma once

#include "report/parts/CPrintoutPart.h"

#include <QString>
#include <QList>

struct PartPageCounts;
struct ReportJob;
struct ReportLogo;

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
    CContentsPrintout(const ReportJob &cJob, const ReportLogo &cLogo, PartPageCounts &cCounts);

    // Rows per contents page for the job's layout and the current paper
    // (at least 1).
    static int rowsPerPage(const ReportJob &cJob);
    // The entries with their page numbers; stores the number of contents
    // pages, as built for iRowsPerPage rows per page, in the page counts.
    static QList<ContentsEntry> entries(const ReportJob &cJob, PartPageCounts &cCounts, int iRowsPerPage);

protected:
    void buildPages() override;

private:
    const ReportJob &m_cJob;
    const ReportLogo &m_cLogo;
    PartPageCounts &m_cCounts;
    int m_iRowsPerPage;
};
