#pragma once

#include "report/parts/CPrintoutPart.h"

struct ReportContext;

// One page: the damage classes of the standard with the catalog's texts,
// one per row of the "damage-class-legend" table.
class CDamageClassPrintout : public CPrintoutPart
{
public:
    explicit CDamageClassPrintout(const ReportContext &cContext);

protected:
    void buildPages() override;

private:
    const ReportContext &m_cContext;
};
