#include "ui/ReportPrinting.h"

#include "report/ReportPrinter.h"
#include "report/ReportRun.h"

#include <QPrinter>

void setUpReportPrinter(QPrinter &cPrinter, const ReportDocumentInfo &cInfo)
{
    cPrinter.setResolution(kReportResolution);
    cPrinter.setFullPage(true);
    setUpReportPageLayout(cPrinter);
    cPrinter.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    cPrinter.setCreator(cInfo.sCreator);
    cPrinter.setDocName(cInfo.sTitle);
}
