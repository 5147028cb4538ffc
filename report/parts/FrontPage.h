#pragma once

#include "report/items/PrintoutPage.h"

#include <QString>

#include <memory>

class CCustomPrintoutItem;
class PrintoutLayout;
struct ReportContext;

// A page of the front parts: the project page header (logo, title and the
// project's labelled fields) and the body item placed 5 mm below it. The
// context must have a layout.
std::unique_ptr<PrintoutPage> createFrontPage(const ReportContext &cContext, const QString &sTitle,
                                              std::unique_ptr<CCustomPrintoutItem> pBody);

// Height of the project page header table.
int frontPageHeaderHeight(const PrintoutLayout &cLayout);
