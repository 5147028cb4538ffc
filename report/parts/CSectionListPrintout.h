#pragma once

#include "report/parts/CPrintoutPart.h"

#include <QList>
#include <QStringList>

struct ReportJob;
struct ReportLogo;

// The section overview: number, name, city, street, length and running
// total of every chosen section, with a total row, over as many pages as
// it needs.
class CSectionListPrintout : public CPrintoutPart
{
public:
    CSectionListPrintout(const ReportJob &cJob, const ReportLogo &cLogo);

    // The seven columns: captions first, one entry per chosen section, then
    // the total row.
    static QList<QStringList> columns(const ReportJob &cJob);
    // Rows per page for the job's layout and the current paper.
    static int rowsPerPage(const ReportJob &cJob);

protected:
    void buildPages() override;

private:
    const ReportJob &m_cJob;
    const ReportLogo &m_cLogo;
};
