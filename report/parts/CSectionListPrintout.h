#pragma once

#include "report/parts/CPrintoutPart.h"

#include <QList>
#include <QStringList>

struct ReportContext;

// The section overview: number, name, city, street, length and running
// total of every chosen section, with a total row, over as many pages as
// it needs.
class CSectionListPrintout : public CPrintoutPart
{
public:
    explicit CSectionListPrintout(const ReportContext &cContext);

    // The seven columns: captions first, one entry per chosen section, then
    // the total row.
    static QList<QStringList> columns(const ReportContext &cContext);
    // Rows per page for the context's layout and paper.
    static int rowsPerPage(const ReportContext &cContext);

protected:
    void buildPages() override;

private:
    const ReportContext &m_cContext;
};
