#pragma once

#include "report/parts/CPrintoutPart.h"

struct ReportJob;
struct ReportLogo;

// One page: the damage classes of the standard with the catalog's texts,
// one per row of the "damage-class-legend" table.
class CDamageClassPrintout : public CPrintoutPart
{
public:
    CDamageClassPrintout(const ReportJob &cJob, const ReportLogo &cLogo);

protected:
    void buildPages() override;

private:
    const ReportJob &m_cJob;
    const ReportLogo &m_cLogo;
};
