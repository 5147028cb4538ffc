#include "PdfText.h"
#include "TestHelpers.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"
#include "report/ReportPrinter.h"
#include "report/items/CEventPosIndicatorPrintoutItem.h"
#include "report/items/CHeaderPrintoutItem.h"
#include "report/items/CPageFooterPrintoutItem.h"
#include "report/items/CPicturePrintoutItem.h"
#include "report/items/CSectionGraphicPrintoutItem.h"
#include "report/items/PrintoutPage.h"
#include "report/layout/LayoutCellLinkRegistry.h"
#include "report/layout/LayoutRecords.h"
#include "report/layout/LayoutTable.h"
#include "report/paint/CReportPainter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

using Connectors = QList<CEventPosIndicatorPrintoutItem::Connector>;

namespace {
// Paints an item onto an image at 0.1 pixel per logical unit.
QImage paintToImage(const CPrintoutItemBase &cItem)
{
    QImage cImage(1000, 1000, QImage::Format_RGB32);
    cImage.fill(Qt::white);
    CReportPainter cPainter;
    cPainter.begin(&cImage);
    cPainter.setWindow(0, 0, 10000, 10000);
    cItem.paint(cPainter);
    cPainter.end();
    return cImage;
}

bool isDark(const QImage &cImage, int iX, int iY)
{
    return qGray(cImage.pixel(iX, iY)) < 200;
}

int darkPixels(const QImage &cImage)
{
    int iCount = 0;
    for (int y = 0; y < cImage.height(); ++y)
        for (int x = 0; x < cImage.width(); ++x)
            iCount += isDark(cImage, x, y) ? 1 : 0;
    return iCount;
}

// Number of images `pdfimages -list` reports, and their pixel sizes.
QList<QSize> pdfImages(const QString &sPath)
{
    QList<QSize> cSizes;
    const QStringList cLines = PdfText::runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), sPath})
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (int i = 2; i < cLines.size(); ++i) {
        const QStringList cFields = cLines.at(i).simplified().split(QLatin1Char(' '));
        if (cFields.size() > 4)
            cSizes.append(QSize(cFields.at(3).toInt(), cFields.at(4).toInt()));
    }
    return cSizes;
}

// Writes one page holding the items into a PDF.
bool writePdf(const QString &sPath, std::unique_ptr<PrintoutPage> pPage)
{
    auto pPrinter = createReportPrinter(sPath, QString(), QString());
    CReportPainter cPainter;
    if (!beginReportPainter(cPainter, *pPrinter))
        return false;
    PrintoutPageList cPages;
    cPages.push_back(std::move(pPage));
    return printPages(cPainter, *pPrinter, cPages);
}

std::unique_ptr<LayoutTable> makeTable(const QList<int> &cHeights, int iCellsPerRow, int iWidth = 18000)
{
    auto pTable = std::make_unique<LayoutTable>(iWidth);
    for (int iHeight : cHeights) {
        LayoutRow *pRow = pTable->appendRow(iHeight);
        for (int i = 0; i < iCellsPerRow; ++i)
            pRow->appendCell(iWidth / iCellsPerRow);
    }
    return pTable;
}
} // namespace

class TestGraphicItems : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_cDir;

private slots:
    void initTestCase() { QVERIFY(m_cDir.isValid()); }

    void indicatorHeight_data()
    {
        QTest::addColumn<Connectors>("cConnectors");
        QTest::addColumn<int>("iHeight");
        QTest::addRow("no connectors") << Connectors{} << 0;
        QTest::addRow("one connector downwards") << Connectors{{100, 400}} << 300;
        QTest::addRow("one connector upwards") << Connectors{{400, 100}} << 300;
        QTest::addRow("several") << Connectors{{100, 300}, {500, 450}, {900, 1200}} << 1100;
        QTest::addRow("several, first slanting up") << Connectors{{300, 100}, {2000, 1500}} << 1900;
    }
    void indicatorHeight()
    {
        QFETCH(Connectors, cConnectors);
        QFETCH(int, iHeight);
        EventPosIndicatorLayout cWidths;
        cWidths.setWidths(100, 200, 300);
        QCOMPARE(CEventPosIndicatorPrintoutItem(&cWidths, cConnectors).height(), iHeight);
    }

    void indicatorDrawsThreeSegments()
    {
        EventPosIndicatorLayout cWidths;
        cWidths.setWidths(2000, 2000, 2000);
        CEventPosIndicatorPrintoutItem cItem(&cWidths, {{1000, 5000}});
        cItem.setPosition(QPoint(1000, 1000));
        const QImage cImage = paintToImage(cItem);
        QVERIFY(isDark(cImage, 200, 200)); // first horizontal at from
        QVERIFY(isDark(cImage, 400, 400)); // slanted middle
        QVERIFY(isDark(cImage, 600, 600)); // last horizontal at to
        QVERIFY(!isDark(cImage, 600, 200));
        CEventPosIndicatorPrintoutItem cEmpty(&cWidths, {});
        QCOMPARE(darkPixels(paintToImage(cEmpty)), 0);
    }

    void footer_data()
    {
        QTest::addColumn<int>("iWidth");
        QTest::addColumn<bool>("bRule");
        QTest::addRow("rule over the width") << 6000 << true;
        QTest::addRow("zero width: no rule, text still printed") << 0 << false;
        QTest::addRow("negative width: no rule") << -4000 << false;
    }
    void footer()
    {
        QFETCH(int, iWidth);
        QFETCH(bool, bRule);
        PageFooterLayout cLayout;
        cLayout.setRect(QRect(0, 0, iWidth, 700));
        cLayout.setTextPosition(QPoint(3000, 200));
        auto pFooter = std::make_unique<CPageFooterPrintoutItem>(&cLayout, QStringLiteral("Page 3/12"));
        pFooter->setPosition(QPoint(1000, 2000));
        QCOMPARE(pFooter->height(), 700);
        const QImage cImage = paintToImage(*pFooter);
        QCOMPARE(isDark(cImage, 300, 200), bRule);

        const QString sPath = m_cDir.filePath(QStringLiteral("footer.pdf"));
        auto pPage = std::make_unique<PrintoutPage>();
        pPage->setFooter(std::move(pFooter));
        QVERIFY(writePdf(sPath, std::move(pPage)));
        QVERIFY(PdfText::text(sPath).contains(QLatin1String("Page 3/12")));
        QCOMPARE(CPageFooterPrintoutItem(nullptr, QString()).height(), 0);
    }

    void sectionGraphic_data()
    {
        QTest::addColumn<bool>("bStart");
        QTest::addColumn<bool>("bEnd");
        QTest::addColumn<bool>("bWallAtTop");
        QTest::addColumn<bool>("bWallAtBottom");
        QTest::addColumn<int>("iEndCircleBottom"); // pixel row of the end circle's bottom, 0: none
        QTest::addRow("no nodes: walls over the whole length") << false << false << true << true << 0;
        // Both nodes reserve their room at the bottom, so the end circle
        // sits one diameter above the end.
        QTest::addRow("both nodes: walls between the circles") << true << true << false << false << 800;
        QTest::addRow("start node only") << true << false << false << false << 0;
        QTest::addRow("end node only") << false << true << true << false << 900;
    }
    void sectionGraphic()
    {
        QFETCH(bool, bStart);
        QFETCH(bool, bEnd);
        QFETCH(bool, bWallAtTop);
        QFETCH(bool, bWallAtBottom);
        QFETCH(int, iEndCircleBottom);
        SectionGraphicLayout cLayout;
        cLayout.setCircleDiameter(1000);
        cLayout.setLineDistance(600);
        cLayout.setMaxNodeTextWidth(2000);
        SectionGraphicData cData;
        cData.sStartNode = QStringLiteral("S1");
        cData.sEndNode = QStringLiteral("S2");
        cData.bDrawStartNode = bStart;
        cData.bDrawEndNode = bEnd;
        cData.cDirectionImage = QImage(QStringLiteral(":/printing/in_flow_direction.bmp"));
        QVERIFY(!cData.cDirectionImage.isNull());
        CSectionGraphicPrintoutItem cItem(&cLayout, cData, 8000);
        cItem.setPosition(QPoint(1000, 1000));
        QCOMPARE(cItem.height(), 8000);
        const QImage cImage = paintToImage(cItem);
        // Walls at x = 1000 - (600 + 1000) / 2 = 200 and 800 (pixels 120 and 180).
        QCOMPARE(isDark(cImage, 120, 105), bWallAtTop);
        QCOMPARE(isDark(cImage, 180, 895), bWallAtBottom);
        if (iEndCircleBottom > 0)
            QVERIFY(isDark(cImage, 150, iEndCircleBottom));
        else
            QVERIFY(!isDark(cImage, 150, 900) && !isDark(cImage, 150, 800));
        QVERIFY(isDark(cImage, 120, 500));
        QVERIFY(isDark(cImage, 180, 500));
        // The flow picture lies left of the pipe, about its middle.
        int iArrowPixels = 0;
        for (int y = 400; y < 600; ++y)
            for (int x = 50; x < 100; ++x)
                iArrowPixels += isDark(cImage, x, y) || qGray(cImage.pixel(x, y)) < 250 ? 1 : 0;
        QVERIFY(iArrowPixels > 50);
    }

    // However short the section, its circles stay apart and, with the flow
    // picture, inside the graphic's length.
    void shortSectionGraphic_data()
    {
        QTest::addColumn<int>("iLength");
        QTest::addColumn<bool>("bStart");
        QTest::addColumn<bool>("bEnd");
        QTest::addRow("both nodes, long enough") << 4000 << true << true;
        QTest::addRow("both nodes, three diameters") << 3000 << true << true;
        QTest::addRow("both nodes, one diameter") << 1000 << true << true;
        QTest::addRow("start node only, short") << 1500 << true << false;
        QTest::addRow("end node only, short") << 800 << false << true;
        QTest::addRow("no nodes, shorter than the arrow") << 600 << false << false;
    }
    void shortSectionGraphic()
    {
        QFETCH(int, iLength);
        QFETCH(bool, bStart);
        QFETCH(bool, bEnd);
        SectionGraphicLayout cLayout;
        cLayout.setCircleDiameter(1000);
        cLayout.setLineDistance(500);
        cLayout.setMaxNodeTextWidth(0);
        SectionGraphicData cData{QString(), QString(), QImage(QStringLiteral(":/printing/in_flow_direction.bmp")),
                                 bStart, bEnd};
        QVERIFY(!cData.cDirectionImage.isNull());
        CSectionGraphicPrintoutItem cItem(&cLayout, cData, iLength);
        cItem.setPosition(QPoint(1000, 1000));
        const QImage cImage = paintToImage(cItem);
        // Nothing above the graphic's top or below its end (pixels: 0.1 per
        // unit, the pen reaches 15 units beyond an edge).
        for (int y = 0; y < cImage.height(); ++y) {
            if (y >= 98 && y <= 100 + iLength / 10 + 2)
                continue;
            for (int x = 0; x < 300; ++x)
                QVERIFY2(!isDark(cImage, x, y), qPrintable(QStringLiteral("ink at %1, %2").arg(x).arg(y)));
        }
        // The flow picture has room in the graphic and shows in it.
        const QRect cArrow = CSectionGraphicPrintoutItem::arrowRect(iLength, 1000);
        QVERIFY(cArrow.top() >= 0 && cArrow.top() + cArrow.height() <= iLength);
        QVERIFY(cArrow.height() > 0);
        // Two circles: a line through their centres crosses four outlines,
        // and the pipe between them is not white all the way.
        if (bStart && bEnd) {
            // Circles shrink on a graphic shorter than four diameters.
            const int iDiameter = std::min(1000, 1000 * iLength / 4000);
            const int iCentreColumn = 100 + iDiameter / 20;
            int iEdges = 0;
            bool bPrevious = false;
            for (int y = 100; y <= 100 + iLength / 10; ++y) {
                const bool bDark = isDark(cImage, iCentreColumn, y);
                iEdges += bDark && !bPrevious ? 1 : 0;
                bPrevious = bDark;
            }
            QVERIFY2(iEdges >= 4, qPrintable(QString::number(iEdges)));
        }
    }

    void damagedGraphicsStillPaint_data()
    {
        QTest::addColumn<int>("iSize");
        QTest::addColumn<int>("iLength");
        QTest::addColumn<QString>("sName");
        QTest::addRow("5000-character node names") << 1000 << 8000 << QString(5000, QLatin1Char('M'));
        QTest::addRow("zero sizes") << 0 << 0 << QStringLiteral("S1");
        QTest::addRow("negative sizes") << -800 << -3000 << QString(5000, QLatin1Char('M'));
    }
    void damagedGraphicsStillPaint()
    {
        QFETCH(int, iSize);
        QFETCH(int, iLength);
        QFETCH(QString, sName);
        SectionGraphicLayout cLayout;
        cLayout.setCircleDiameter(iSize);
        cLayout.setLineDistance(iSize);
        cLayout.setMaxNodeTextWidth(iSize);
        SectionGraphicData cData{sName, sName, QImage(), true, true};
        auto pItem = std::make_unique<CSectionGraphicPrintoutItem>(&cLayout, cData, iLength);
        pItem->setPosition(QPoint(2000, 2000));
        EventPosIndicatorLayout cWidths;
        cWidths.setWidths(iSize, iSize, iSize);
        auto pIndicator = std::make_unique<CEventPosIndicatorPrintoutItem>(&cWidths, Connectors{{iSize, iLength}});
        QElapsedTimer cTimer;
        cTimer.start();
        auto pPage = std::make_unique<PrintoutPage>();
        pPage->addItem(std::move(pItem));
        pPage->addItem(std::move(pIndicator));
        QVERIFY(writePdf(m_cDir.filePath(QStringLiteral("damaged-graphic.pdf")), std::move(pPage)));
        QVERIFY2(cTimer.elapsed() < 20000 * TestHelpers::timeFactor(), qPrintable(QString::number(cTimer.elapsed())));
    }

    void header_data()
    {
        QTest::addColumn<int>("iRows");
        QTest::addColumn<QString>("sLogoText");
        QTest::addColumn<bool>("bTitle");
        QTest::addRow("title and logo text share the first cell") << 2 << "Ostrel Kanal GmbH" << true;
        QTest::addRow("table without rows: logo image only") << 0 << "Ostrel Kanal GmbH" << false;
        QTest::addRow("ten megabytes of logo text")
            << 1 << QStringLiteral("Ostrel Kanal GmbH ").repeated(600000) << true;
    }
    void header()
    {
        QFETCH(int, iRows);
        QFETCH(QString, sLogoText);
        QFETCH(bool, bTitle);
        const auto pTable = makeTable(QList<int>(iRows, 1500), 2);
        QImage cLogo(400, 170, QImage::Format_RGB32);
        cLogo.fill(Qt::darkBlue);
        auto pHeader =
            std::make_unique<CHeaderPrintoutItem>(pTable.get(), sLogoText, cLogo, QStringLiteral("Section Protocol"));
        const QString sPath = m_cDir.filePath(QStringLiteral("header.pdf"));
        auto pPage = std::make_unique<PrintoutPage>();
        pPage->setHeader(std::move(pHeader));
        QElapsedTimer cTimer;
        cTimer.start();
        QVERIFY(writePdf(sPath, std::move(pPage)));
        QVERIFY2(cTimer.elapsed() < 20000 * TestHelpers::timeFactor(), qPrintable(QString::number(cTimer.elapsed())));
        const QString sText = PdfText::text(sPath);
        QCOMPARE(sText.contains(QLatin1String("Section Protocol")), bTitle);
        QCOMPARE(sText.contains(QLatin1String("Ostrel Kanal GmbH")), bTitle);
        QCOMPARE(pdfImages(sPath), QList<QSize>{QSize(400, 170)});
    }

    void pictureFrames_data()
    {
        QTest::addColumn<bool>("bThreePerPage");
        QTest::addColumn<QString>("sFileName");
        QTest::addColumn<QRect>("cPictureRect");
        QTest::addColumn<int>("iCaptionRow");
        QTest::addColumn<int>("iCaptionColumn");
        QTest::addColumn<bool>("bHasPath");
        QTest::addRow("three per page") << true << "S1_0001.jpg" << QRect(0, 0, 4500, 6500) << 0 << 2 << true;
        QTest::addRow("one per page") << false << "S1_0001.jpg" << QRect(0, 0, 4500, 6000) << 1 << 0 << true;
        QTest::addRow("name leaving the photo directory")
            << false << "../secret.jpg" << QRect(0, 0, 4500, 6000) << 1 << 0 << false;
    }
    void pictureFrames()
    {
        QFETCH(bool, bThreePerPage);
        QFETCH(QString, sFileName);
        QFETCH(QRect, cPictureRect);
        QFETCH(int, iCaptionRow);
        QFETCH(int, iCaptionColumn);
        QFETCH(bool, bHasPath);
        auto pTable = makeTable({6000, 500}, 4);
        LayoutCellLinkRegistry cRegistry;
        const auto pItem = CPicturePrintoutItem::create(pTable.get(), cRegistry, nullptr, m_cDir.path() + "/",
                                                        sFileName, bThreePerPage, nullptr);
        QCOMPARE(pItem->pictureRect(), cPictureRect);
        QCOMPARE(pItem->photoPath().isEmpty(), !bHasPath);
        if (bHasPath)
            QCOMPARE(pItem->photoPath(), m_cDir.path() + "/" + sFileName);
        // Eight cells filled from the event, then caption and file name.
        QCOMPARE(pItem->cellItemCount(), 10);
        QCOMPARE(pItem->cellItemAt(8)->cell(), pTable->cellAt(iCaptionRow, iCaptionColumn));
        QCOMPARE(pItem->cellItemAt(8)->text(), QStringLiteral("Photo File"));
        QCOMPARE(pItem->cellItemAt(9)->cell(), pTable->cellAt(iCaptionRow, iCaptionColumn + 1));
        QCOMPARE(pItem->cellItemAt(9)->text(), sFileName);
    }

    void pictureFrameLackingCells()
    {
        LayoutTable cEmpty(9000);
        LayoutCellLinkRegistry cRegistry;
        const auto pItem = CPicturePrintoutItem::create(&cEmpty, cRegistry, nullptr, m_cDir.path() + "/",
                                                        QStringLiteral("a.jpg"), false, nullptr);
        QCOMPARE(pItem->cellItemCount(), 0);
        QVERIFY(pItem->pictureRect().isEmpty());
        const auto pNoTable =
            CPicturePrintoutItem::create(nullptr, cRegistry, nullptr, QString(), QString(), true, nullptr);
        QCOMPARE(pNoTable->cellItemCount(), 0);
        QCOMPARE(pNoTable->height(), 0);
    }

    void photosAreLoadedWhenPainted_data()
    {
        QTest::addColumn<QString>("sKind");
        QTest::addColumn<QList<QSize>>("cImages");
        QTest::addRow("large photo is drawn reduced") << "photo" << QList<QSize>{QSize(1020, 680)};
        QTest::addRow("text file named like a photo") << "text" << QList<QSize>{};
        QTest::addRow("missing photo") << "missing" << QList<QSize>{};
    }
    void photosAreLoadedWhenPainted()
    {
        QFETCH(QString, sKind);
        QFETCH(QList<QSize>, cImages);
        const QString sPhotos = m_cDir.filePath(sKind) + "/";
        QVERIFY(QDir().mkpath(sPhotos));
        auto pTable = makeTable({9000, 500}, 2);
        LayoutCellLinkRegistry cRegistry;
        auto pItem = CPicturePrintoutItem::create(pTable.get(), cRegistry, nullptr, sPhotos,
                                                  QStringLiteral("S1_0001.jpg"), false, nullptr);
        pItem->setPosition(QPoint(0, 2000));
        // The photo appears only after the page was built: it must be read
        // when the page is painted.
        if (sKind == QLatin1String("photo")) {
            QImage cPhoto(3000, 2000, QImage::Format_RGB32);
            cPhoto.fill(Qt::darkGreen);
            QVERIFY(cPhoto.save(sPhotos + "S1_0001.jpg", "JPG"));
        } else if (sKind == QLatin1String("text")) {
            QFile cFile(sPhotos + "S1_0001.jpg");
            QVERIFY(cFile.open(QIODevice::WriteOnly));
            cFile.write(QByteArray("not an image\n").repeated(1000));
        }
        const QString sPath = m_cDir.filePath(sKind + ".pdf");
        auto pPage = std::make_unique<PrintoutPage>();
        pPage->addItem(std::move(pItem));
        QVERIFY(writePdf(sPath, std::move(pPage)));
        QCOMPARE(pdfImages(sPath), cImages);
        QVERIFY(PdfText::text(sPath).contains(QLatin1String("S1_0001.jpg")));
    }

    void flowDirectionPictures_data()
    {
        QTest::addColumn<QString>("sResource");
        QTest::addColumn<bool>("bPointsDown");
        QTest::addRow("in flow direction") << ":/printing/in_flow_direction.bmp" << true;
        QTest::addRow("against flow direction") << ":/printing/against_flow_direction.bmp" << false;
    }
    void flowDirectionPictures()
    {
        QFETCH(QString, sResource);
        QFETCH(bool, bPointsDown);
        QFile cFile(sResource);
        QVERIFY(cFile.open(QIODevice::ReadOnly));
        const QByteArray cBytes = cFile.readAll();
        QVERIFY(cBytes.startsWith("BM"));
        QCOMPARE(static_cast<int>(static_cast<uchar>(cBytes.at(28))), 24); // bits per pixel
        const QImage cImage = QImage::fromData(cBytes);
        QCOMPARE(cImage.size(), QSize(62, 178));
        QCOMPARE(cImage.pixel(0, 0), qRgb(255, 255, 255));
        // Right half: the medium runs over the full height.
        for (int y = 0; y < cImage.height(); ++y) {
            bool bGrey = false;
            for (int x = 31; x < 62; ++x)
                bGrey = bGrey || qGray(cImage.pixel(x, y)) < 200;
            QVERIFY2(bGrey, qPrintable(QString::number(y)));
        }
        // Left half: the arrow, about a third of the height, widest near its tip.
        int iTop = -1, iBottom = -1, iWidestRow = -1, iWidest = 0;
        for (int y = 0; y < cImage.height(); ++y) {
            int iWidth = 0;
            for (int x = 0; x < 31; ++x)
                iWidth += qGray(cImage.pixel(x, y)) < 200 ? 1 : 0;
            if (iWidth > 0) {
                iBottom = y;
                if (iTop < 0)
                    iTop = y;
            }
            if (iWidth > iWidest) {
                iWidest = iWidth;
                iWidestRow = y;
            }
        }
        QVERIFY(iBottom - iTop > 178 / 4 && iBottom - iTop < 178 / 2);
        QCOMPARE(iWidestRow > (iTop + iBottom) / 2, bPointsDown);
    }
};

QTEST_MAIN(TestGraphicItems)
#include "tst_graphicitems.moc"
