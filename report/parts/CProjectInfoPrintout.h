#pragma once

#include "report/parts/CPrintoutPart.h"

struct ReportContext;

// One page: the project's fields in the "project-info" table.
class CProjectInfoPrintout : public CPrintoutPart
{
public:
    explicit CProjectInfoPrintout(const ReportContext &cContext);

protected:
    void buildPages() override;

private:
    const ReportContext &m_cContext;
};
