#include "report/ReportPrinter.h"

#include "report/paint/CReportPainter.h"
#include "report/paint/PageGeometry.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace {
const int kPrinterResolution = 1200;
const QColor kDefaultPenColour(76, 76, 76);

void setUpReportPrinter(QPdfWriter *pPrinter, const QString &sCreator, const QString &sDocumentName)
{
    pPrinter->setResolution(kPrinterResolution);
    pPrinter->setPageSize(QPageSize(usesLetterPaper() ? QPageSize::Letter : QPageSize::A4));
    pPrinter->setPageOrientation(QPageLayout::Portrait);
    pPrinter->setPageMargins(QMarginsF(), QPageLayout::Millimeter);
    pPrinter->setCreator(sCreator);
    pPrinter->setTitle(sDocumentName);
}
} // namespace

std::unique_ptr<QPdfWriter> createReportPrinter(const QString &sFileName, const QString &sCreator,
                                                const QString &sDocumentName)
{
    auto pPrinter = std::make_unique<QPdfWriter>(sFileName);
    setUpReportPrinter(pPrinter.get(), sCreator, sDocumentName);
    return pPrinter;
}

std::unique_ptr<QPdfWriter> createReportPrinter(QIODevice *pDevice, const QString &sCreator,
                                                const QString &sDocumentName)
{
    auto pPrinter = std::make_unique<QPdfWriter>(pDevice);
    setUpReportPrinter(pPrinter.get(), sCreator, sDocumentName);
    return pPrinter;
}

bool beginReportPainter(CReportPainter &cPainter, QPdfWriter &cPrinter)
{
    if (!cPainter.begin(&cPrinter))
        return false;
    QFont cFont = cPainter.font();
    cFont.setFamily(QStringLiteral("Arial"));
    cPainter.setFont(cFont);
    QPen cPen = cPainter.pen();
    cPen.setColor(kDefaultPenColour);
    cPainter.setPen(cPen);
    // Whole millimetres, so Letter (215.9 x 279.4 mm) gives 21500 x 27900.
    const QSizeF cPaper = cPrinter.pageLayout().fullRect(QPageLayout::Millimeter).size();
    cPainter.setWindow(0, 0, static_cast<int>(cPaper.width()) * 100, static_cast<int>(cPaper.height()) * 100);
    return true;
}

bool printPages(CReportPainter &cPainter, QPdfWriter &cPrinter, PrintoutPageList &cPages)
{
    if (!cPainter.isActive()) {
        cPages.clear();
        return false;
    }
    bool bOk = true;
    bool bFirst = true;
    for (auto &pPage : cPages) {
        if (!bFirst && !cPrinter.newPage())
            bOk = false;
        bFirst = false;
        pPage->paint(cPainter);
        pPage.reset();
    }
    cPages.clear();
    if (!cPainter.end())
        bOk = false;
    return bOk;
}
