#pragma once

#include "report/items/PrintoutPage.h"

#include <QString>

#include <memory>

class CCorvaneProject;
class CCustomPrintoutItem;
class PrintoutLayout;
struct ReportLogo;

// A page of the front parts: the project page header (logo, title and the
// project's labelled fields) and the body item placed 5 mm below it.
std::unique_ptr<PrintoutPage> createFrontPage(const PrintoutLayout &cLayout, const ReportLogo &cLogo,
                                              const CCorvaneProject *cProject, const QString &sTitle,
                                              std::unique_ptr<CCustomPrintoutItem> pBody);

// Height of the project page header table.
int frontPageHeaderHeight(const PrintoutLayout &cLayout);
