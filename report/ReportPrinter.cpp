#include "report/ReportPrinter.h"

#include "report/paint/CReportPainter.h"
#include "report/paint/PageGeometry.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QThread>
#include <QThreadPool>

#include <algorithm>

namespace {
const QColor kDefaultPenColour(76, 76, 76);
// Pages ahead of the one being painted whose photos are being read.
constexpr size_t kPagesAhead = 1;

void setUpReportPrinter(QPdfWriter *pPrinter, const QString &sCreator, const QString &sDocumentName)
{
    pPrinter->setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    pPrinter->setResolution(kReportResolution);
    setUpReportPageLayout(*pPrinter);
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

void setUpReportPageLayout(QPagedPaintDevice &cDevice)
{
    cDevice.setPageSize(QPageSize(usesLetterPaper() ? QPageSize::Letter : QPageSize::A4));
    cDevice.setPageOrientation(QPageLayout::Portrait);
    cDevice.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
}

bool beginReportPainter(CReportPainter &cPainter, QPagedPaintDevice &cDevice)
{
    if (!cPainter.begin(&cDevice))
        return false;
    QFont cFont = cPainter.font();
    cFont.setFamily(QStringLiteral("Arial"));
    cPainter.setFont(cFont);
    QPen cPen = cPainter.pen();
    cPen.setColor(kDefaultPenColour);
    cPainter.setPen(cPen);
    // Whole millimetres, so Letter (215.9 x 279.4 mm) gives 21500 x 27900.
    const QSizeF cPaper = cDevice.pageLayout().fullRect(QPageLayout::Millimeter).size();
    cPainter.setWindow(0, 0, static_cast<int>(cPaper.width()) * 100, static_cast<int>(cPaper.height()) * 100);
    return true;
}

bool printPages(CReportPainter &cPainter, QPagedPaintDevice &cDevice, PrintoutPageList &cPages,
                const PagePrintedCallback &pagePrinted)
{
    if (!cPainter.isActive()) {
        cPages.clear();
        return false;
    }
    // Photos decode on the other cores while this thread paints and the
    // device compresses; the pool is waited for before it goes.
    QThreadPool cPool;
    cPool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    bool bOk = true;
    const size_t n = cPages.size();
    size_t iPrefetched = 0;
    for (size_t k = 0; k < n; ++k) {
        for (; iPrefetched < n && iPrefetched <= k + kPagesAhead; ++iPrefetched)
            cPages[iPrefetched]->prefetchPhotos(cPool);
        if (k > 0 && !cDevice.newPage())
            bOk = false;
        cPages[k]->paint(cPainter);
        cPages[k].reset();
        if (pagePrinted)
            pagePrinted(static_cast<int>(k + 1), static_cast<int>(n));
    }
    cPages.clear();
    if (!cPainter.end())
        bOk = false;
    return bOk;
}
