#pragma once

#include "report/parts/CPrintoutPart.h"

class CCorvaneProject;
class PrintoutLayout;
struct ReportLogo;

// One page: the project's fields in the "project-info" table.
class CProjectInfoPrintout : public CPrintoutPart
{
public:
    CProjectInfoPrintout(const CCorvaneProject *cProject, const PrintoutLayout &cLayout, const ReportLogo &cLogo);

protected:
    void buildPages() override;

private:
    const CCorvaneProject *m_cProject;
    const PrintoutLayout &m_cLayout;
    const ReportLogo &m_cLogo;
};
