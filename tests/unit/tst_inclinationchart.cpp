#include "metadata/CInspectionStandard.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionSegment.h"
#include "model/CProperty.h"
#include "model/CPropertyList.h"
#include "report/ReportPrinter.h"
#include "report/chart/CInclinationGridPrintoutItem.h"
#include "report/chart/CInclinationLegendPrintoutItem.h"
#include "report/chart/InclinationChartGeometry.h"
#include "report/layout/LayoutTable.h"
#include "report/layout/PrintoutLayout.h"
#include "report/paint/CReportPainter.h"
#include "report/parts/CInclinationChartPrintout.h"
#include "report/parts/ReportContext.h"
#include "report/parts/SectionEntry.h"

#include "PdfText.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using namespace InclinationChartGeometry;

namespace {
const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

std::unique_ptr<PrintoutLayout> makeChartLayout()
{
    auto pLayout = std::make_unique<PrintoutLayout>();
    auto pHeader = std::make_unique<LayoutTable>(27000);
    pHeader->appendRow(1500)->appendCell(27000);
    pLayout->setTable(PrintoutLayout::InclinationHeader, std::move(pHeader));
    InclinationGridLayout *pGrid = pLayout->inclinationGrid();
    pGrid->setRect(QRect(0, 0, 27000, 14000));
    pGrid->setPlotRect(QRect(2500, 1500, 22000, 10000));
    pGrid->setSections(15, 11);
    pLayout->inclinationLegend()->setRect(QRect(0, 15000, 6000, 2000));
    for (const int iGroup : {int(PrintoutLayout::InclinationGraph), int(PrintoutLayout::InclinationZeroGraph),
                             int(PrintoutLayout::AltitudeGraph), int(PrintoutLayout::InclinationPipe)}) {
        pLayout->graphPen(iGroup)->setStyle(1);
        pLayout->graphPen(iGroup)->setWidth(30);
    }
    return pLayout;
}

struct ChartFixture
{
    ChartFixture()
        : cProject(std::make_unique<CCorvaneProject>(new CPropertyList, new CPropertyList, new CPropertyList))
    {
        auto *pProperties = new CPropertyList;
        for (const auto &property : {qMakePair(1, QStringLiteral("MH1")), qMakePair(2, QStringLiteral("MH2"))}) {
            auto pProperty = std::make_unique<CProperty>(property.first);
            pProperty->setValue(property.second);
            pProperties->add(std::move(pProperty));
        }
        pSection = new CInspectionSegment(cProject.get(), pProperties, 1);
        cProject->addSection(pSection);
    }
    // The report context of a chart on the layout.
    ReportContext context(const PrintoutLayout *pLayout) const
    {
        ReportContext cContext;
        cContext.cProject = cProject.get();
        cContext.sections = {pSection};
        cContext.cLayout = pLayout;
        cContext.cStandard = &cStandard;
        return cContext;
    }

    std::unique_ptr<CCorvaneProject> cProject;
    CInspectionSegment *pSection = nullptr;
    CInspectionStandard cStandard;
};

// A profile through the given (position, inclination) points, integrated
// from 0 cm as the measurement would be.
InclinationChartInput profileOf(const QList<QPointF> &points)
{
    InclinationChartInput cInput;
    float fAltitude = 0.0f;
    for (int i = 0; i < points.size(); ++i) {
        const QPointF cPoint = points.at(i);
        if (i > 0)
            fAltitude += float((points.at(i - 1).y() + cPoint.y()) * (cPoint.x() - points.at(i - 1).x()) / 2);
        cInput.inclinationPoints.append(cPoint);
        cInput.altitudePoints.append(QPointF(cPoint.x(), fAltitude));
        const float fX = float(cPoint.x());
        const float fY = float(cPoint.y());
        if (i == 0) {
            cInput.fMinPosition = cInput.fMaxPosition = fX;
            cInput.fMinInclination = cInput.fMaxInclination = fY;
            cInput.fMinAltitude = cInput.fMaxAltitude = fAltitude;
            cInput.fStartPosition = fX;
            cInput.fStartAltitude = fAltitude;
        }
        cInput.fMinPosition = std::min(cInput.fMinPosition, fX);
        cInput.fMaxPosition = std::max(cInput.fMaxPosition, fX);
        cInput.fMinInclination = std::min(cInput.fMinInclination, fY);
        cInput.fMaxInclination = std::max(cInput.fMaxInclination, fY);
        cInput.fMinAltitude = std::min(cInput.fMinAltitude, fAltitude);
        cInput.fMaxAltitude = std::max(cInput.fMaxAltitude, fAltitude);
        cInput.fEndPosition = fX;
        cInput.fEndAltitude = fAltitude;
    }
    cInput.fLength = std::fabs(cInput.fEndPosition - cInput.fStartPosition);
    cInput.fPipeDimension = 30.0f;
    return cInput;
}

const CInclinationGridPrintoutItem *gridOf(const PrintoutPage &cPage)
{
    for (int i = 0; i < cPage.itemCount(); ++i) {
        if (const auto *pGrid = dynamic_cast<const CInclinationGridPrintoutItem *>(cPage.itemAt(i)))
            return pGrid;
    }
    return nullptr;
}

const CInclinationLegendPrintoutItem *legendOf(const PrintoutPage &cPage)
{
    for (int i = 0; i < cPage.itemCount(); ++i) {
        if (const auto *pLegend = dynamic_cast<const CInclinationLegendPrintoutItem *>(cPage.itemAt(i)))
            return pLegend;
    }
    return nullptr;
}

// Every point of the curve, moved by the graph's position, lies in the plot.
void checkInsidePlot(const CCustomPrintoutItem &cGraph, const CGraphData &cData, const QRect &cPlot)
{
    for (const QPoint &cPoint : cData.points()) {
        const QPoint cOnPlot = cPoint + cGraph.position();
        QVERIFY2(cOnPlot.x() >= -1 && cOnPlot.x() <= cPlot.width() + 1 && cOnPlot.y() >= -1
                     && cOnPlot.y() <= cPlot.height() + 1,
                 qPrintable(QString("point %1, %2 outside the plot").arg(cOnPlot.x()).arg(cOnPlot.y())));
    }
}
} // namespace

class TestInclinationChart : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void chartRange_data();
    void chartRange();
    void toCoordinate_data();
    void toCoordinate();
    void scaleText_data();
    void scaleText();
    void measuredInclination_data();
    void measuredInclination();
    void gridLines_data();
    void gridLines();

    void chartPage_data();
    void chartPage();
    void withoutInclinationGraph();
    void zeroLine_data();
    void zeroLine();
    void noMeasurementFile_data();
    void noMeasurementFile();
    void measurementFile_data();
    void measurementFile();
    void labelsNeverOverlap_data();
    void labelsNeverOverlap();
};

void TestInclinationChart::chartRange_data()
{
    QTest::addColumn<float>("min");
    QTest::addColumn<float>("max");
    QTest::addColumn<float>("zeroSpan");
    QTest::addColumn<bool>("margin");
    QTest::addColumn<float>("expectedMin");
    QTest::addColumn<float>("expectedMax");

    QTest::addRow("varying, 5 per cent margin") << 0.0f << 100.0f << kAltitudeZeroSpan << true << -5.0f << 105.0f;
    QTest::addRow("varying, no margin") << 2.0f << 12.0f << kPositionZeroSpan << false << 2.0f << 12.0f;
    QTest::addRow("constant position: 1 m around it") << 7.0f << 7.0f << kPositionZeroSpan << false << 6.5f << 7.5f;
    QTest::addRow("constant inclination: 1 per cent and margin")
        << 2.0f << 2.0f << kInclinationZeroSpan << true << 1.45f << 2.55f;
    QTest::addRow("constant altitude: 10 cm and margin")
        << 10000.0f << 10000.0f << kAltitudeZeroSpan << true << 9994.5f << 10005.5f;
    QTest::addRow("NaN bounds") << kNaN << kNaN << kPositionZeroSpan << false << -0.5f << 0.5f;
    QTest::addRow("infinite maximum") << 3.0f << kInf << kPositionZeroSpan << false << 0.0f << 3.0f;
    QTest::addRow("ends too far apart") << -3e38f << 3e38f << kAltitudeZeroSpan << true << -5.5f << 5.5f;
    QTest::addRow("reversed bounds") << 9.0f << 1.0f << kPositionZeroSpan << false << 1.0f << 9.0f;
}

void TestInclinationChart::chartRange()
{
    QFETCH(float, min);
    QFETCH(float, max);
    QFETCH(float, zeroSpan);
    QFETCH(bool, margin);
    QFETCH(float, expectedMin);
    QFETCH(float, expectedMax);
    const ChartRange range = InclinationChartGeometry::chartRange(min, max, zeroSpan, margin);
    QCOMPARE(range.fMin, expectedMin);
    QCOMPARE(range.fMax, expectedMax);
    QCOMPARE(range.fSpan, range.fMax - range.fMin);
    QVERIFY(range.fSpan > 0.0f && std::isfinite(range.fSpan));
}

void TestInclinationChart::toCoordinate_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("coordinate");
    QTest::addRow("truncates towards zero") << -12.9 << -12;
    QTest::addRow("positive") << 12.9 << 12;
    QTest::addRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0;
    QTest::addRow("infinity") << std::numeric_limits<double>::infinity() << kMaxCoordinate;
    QTest::addRow("minus infinity") << -std::numeric_limits<double>::infinity() << -kMaxCoordinate;
    QTest::addRow("beyond int") << 1e20 << kMaxCoordinate;
}

void TestInclinationChart::toCoordinate()
{
    QFETCH(double, value);
    QFETCH(int, coordinate);
    QCOMPARE(InclinationChartGeometry::toCoordinate(value), coordinate);
}

void TestInclinationChart::scaleText_data()
{
    QTest::addColumn<double>("units");
    QTest::addColumn<int>("plotSize");
    QTest::addColumn<float>("span");
    QTest::addColumn<bool>("upwards");
    QTest::addColumn<QString>("text");
    // 180 mm for 36 m: 1 m is 5 mm on paper.
    QTest::addRow("position 1 : 200") << 100000.0 << 18000 << 36.0f << false << "1 : 200";
    // 100 mm for 50 cm of altitude: values grow upwards, the text has no sign.
    QTest::addRow("altitude 1 : 5") << 1000.0 << 10000 << 50.0f << true << "1 : 5";
    QTest::addRow("plot without size") << 100000.0 << 0 << 36.0f << false << "1 : ?";
}

void TestInclinationChart::scaleText()
{
    QFETCH(double, units);
    QFETCH(int, plotSize);
    QFETCH(float, span);
    QFETCH(bool, upwards);
    QFETCH(QString, text);
    const double dFactor = scaleFactor(plotSize, span, upwards);
    QVERIFY(std::isfinite(dFactor));
    QCOMPARE(InclinationChartGeometry::scaleText(units, dFactor), text);
}

void TestInclinationChart::measuredInclination_data()
{
    QTest::addColumn<float>("startAltitude");
    QTest::addColumn<float>("endAltitude");
    QTest::addColumn<float>("startPosition");
    QTest::addColumn<float>("endPosition");
    QTest::addColumn<QString>("text");
    // 20 cm over 10 m is 2 %.
    QTest::addRow("rising") << 0.0f << 20.0f << 0.0f << 10.0f << "2.00 %";
    QTest::addRow("measured backwards") << 20.0f << 0.0f << 10.0f << 0.0f << "2.00 %";
    QTest::addRow("equal positions") << 0.0f << 20.0f << 5.0f << 5.0f << "? %";
    QTest::addRow("equal positions and altitudes") << 3.0f << 3.0f << 5.0f << 5.0f << "? %";
    QTest::addRow("NaN altitude") << kNaN << 3.0f << 0.0f << 5.0f << "? %";
}

void TestInclinationChart::measuredInclination()
{
    QFETCH(float, startAltitude);
    QFETCH(float, endAltitude);
    QFETCH(float, startPosition);
    QFETCH(float, endPosition);
    QFETCH(QString, text);
    QCOMPARE(measuredInclinationValue(startAltitude, endAltitude, startPosition, endPosition), text);
}

void TestInclinationChart::gridLines_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("sections");
    QTest::addColumn<QList<int>>("offsets");
    QTest::addRow("three lines") << 1000 << 3 << QList<int>{0, 500, 1000};
    QTest::addRow("integer steps") << 1000 << 4 << QList<int>{0, 333, 666, 1000};
    QTest::addRow("one section has no step") << 1000 << 1 << QList<int>{};
    QTest::addRow("no sections") << 1000 << 0 << QList<int>{};
    QTest::addRow("negative sections") << 1000 << -7 << QList<int>{};
}

void TestInclinationChart::gridLines()
{
    QFETCH(int, size);
    QFETCH(int, sections);
    QFETCH(QList<int>, offsets);
    QCOMPARE(gridLineOffsets(size, sections), offsets);
}

using PointList = QList<QPointF>;

void TestInclinationChart::chartPage_data()
{
    QTest::addColumn<PointList>("points");
    QTest::addColumn<QString>("measured");
    QTest::addColumn<QString>("positionScale");

    QTest::addRow("rising pipe") << PointList{{0, 2}, {10, 2}, {20, 1.5}} << "Inclination measured [%]: 1.88 %"
                                 << "1 : 90";
    QTest::addRow("constant inclination") << PointList{{0, 1}, {10, 1}, {20, 1}} << "Inclination measured [%]: 1.00 %"
                                          << "1 : 90";
    QTest::addRow("level pipe: constant altitude")
        << PointList{{0, 0}, {5, 0}, {10, 0}} << "Inclination measured [%]: 0.00 %"
        << "1 : 45";
    QTest::addRow("one position only") << PointList{{4, 1}, {4, 3}} << "Inclination measured [%]: ? %"
                                       << "1 : 4";
    QTest::addRow("single point") << PointList{{7, 0.5}} << "Inclination measured [%]: ? %"
                                  << "1 : 4";
    QTest::addRow("no points") << PointList{} << "Inclination measured [%]: ? %"
                               << "1 : 4";
}

// Zero spans are widened so that the page has finite labels and scales,
// and every curve point lands inside the plot.
void TestInclinationChart::chartPage()
{
    QFETCH(PointList, points);
    QFETCH(QString, measured);
    QFETCH(QString, positionScale);
    ChartFixture fixture;
    const auto pLayout = makeChartLayout();
    const auto pPage = CInclinationChartPrintout::createChartPage(profileOf(points), fixture.context(pLayout.get()),
                                                                  fixture.pSection, true);
    QVERIFY(pPage);
    QVERIFY(!pPage->header());
    QCOMPARE(pPage->itemCount(), 3);
    for (int i = 0; i < pPage->itemCount(); ++i)
        QCOMPARE(pPage->itemAt(i)->rotation(), -90);
    const CInclinationGridPrintoutItem *pGrid = gridOf(*pPage);
    QVERIFY(pGrid);
    const InclinationChartTexts &cTexts = pGrid->texts();
    for (const float fValue : {cTexts.fXMin, cTexts.fXMax, cTexts.fAltitudeMin, cTexts.fAltitudeMax,
                               cTexts.fInclinationMin, cTexts.fInclinationMax})
        QVERIFY(std::isfinite(fValue));
    QVERIFY(cTexts.fXMax > cTexts.fXMin);
    QVERIFY(cTexts.fAltitudeMax > cTexts.fAltitudeMin);
    QVERIFY(cTexts.fInclinationMax > cTexts.fInclinationMin);
    QCOMPARE(cTexts.sMeasuredInclinationText, measured);
    QCOMPARE(cTexts.sPositionScale, positionScale);
    QVERIFY(!cTexts.sAltitudeScale.contains(QLatin1Char('?')));
    QCOMPARE(cTexts.sLeftNode, QStringLiteral("MH1"));
    QCOMPARE(cTexts.sRightNode, QStringLiteral("MH2"));

    const QRect cPlot = pLayout->inclinationGrid()->plotRect();
    QVERIFY(pGrid->inclinationGraph());
    QVERIFY(pGrid->altitudeGraph());
    QCOMPARE(pGrid->altitudeGraph()->data().points().size(), points.size());
    checkInsidePlot(*pGrid->inclinationGraph(), pGrid->inclinationGraph()->data(), cPlot);
    checkInsidePlot(*pGrid->altitudeGraph(), pGrid->altitudeGraph()->data(), cPlot);

    // The page also paints: scale texts and the measured inclination land in the PDF.
    QTemporaryDir cDir;
    const QString sPdf = cDir.filePath(QStringLiteral("chart.pdf"));
    {
        auto pPrinter = createReportPrinter(sPdf, QString(), QString());
        CReportPainter cPainter;
        QVERIFY(beginReportPainter(cPainter, *pPrinter));
        pPage->paint(cPainter);
        cPainter.end();
    }
    const QString sText = PdfText::simplified(PdfText::text(sPdf));
    if (sText.isEmpty())
        QSKIP("pdftotext is not available");
    // pdftotext closes up the blanks of short runs: compare without them.
    QVERIFY2(QString(sText).remove(QLatin1Char(' ')).contains(QString(positionScale).remove(QLatin1Char(' '))),
             qPrintable(sText));
    QVERIFY2(sText.contains(QStringLiteral("? %")) == measured.contains(QStringLiteral("? %")), qPrintable(sText));
}

void TestInclinationChart::withoutInclinationGraph()
{
    ChartFixture fixture;
    const auto pLayout = makeChartLayout();
    const auto pPage = CInclinationChartPrintout::createChartPage(
        profileOf({{0, -1}, {10, 2}, {20, 1}}), fixture.context(pLayout.get()), fixture.pSection, false);
    const CInclinationGridPrintoutItem *pGrid = gridOf(*pPage);
    QVERIFY(!pGrid->inclinationGraph());
    QVERIFY(pGrid->altitudeGraph());
    QVERIFY(!pGrid->texts().bDrawInclination);
    QVERIFY(pGrid->texts().sInclinationRangeText.isEmpty());
    QVERIFY(pGrid->texts().sInclinationAxisLabel.isEmpty());
    const CInclinationLegendPrintoutItem *pLegend = legendOf(*pPage);
    QVERIFY(!pLegend->texts().bShowInclination);
    QVERIFY(!pLegend->texts().bShowZeroLine);
}

void TestInclinationChart::zeroLine_data()
{
    QTest::addColumn<PointList>("points");
    QTest::addColumn<bool>("curveZeroLine");
    QTest::addColumn<bool>("legendZeroLine");
    QTest::addColumn<QString>("range");
    QTest::addRow("crosses zero") << PointList{{0, -1}, {10, 2}} << true << true << "Inclination [%] -1.00 - 2.00";
    QTest::addRow("above zero everywhere")
        << PointList{{0, 0.5}, {10, 2}} << false << false << "Inclination [%] 0.50 - 2.00";
    // The widened range reaches below 0, the curve itself does not.
    QTest::addRow("touches zero") << PointList{{0, 0}, {10, 2}} << false << true << "Inclination [%] 0.00 - 2.00";
}

void TestInclinationChart::zeroLine()
{
    QFETCH(PointList, points);
    QFETCH(bool, curveZeroLine);
    QFETCH(bool, legendZeroLine);
    QFETCH(QString, range);
    ChartFixture fixture;
    const auto pLayout = makeChartLayout();
    const auto pPage = CInclinationChartPrintout::createChartPage(profileOf(points), fixture.context(pLayout.get()),
                                                                  fixture.pSection, true);
    const CInclinationGridPrintoutItem *pGrid = gridOf(*pPage);
    QCOMPARE(pGrid->inclinationGraph()->drawsZeroLine(), curveZeroLine);
    QCOMPARE(legendOf(*pPage)->texts().bShowZeroLine, legendZeroLine);
    QCOMPARE(pGrid->texts().sInclinationRangeText, range);
}

void TestInclinationChart::noMeasurementFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addRow("no file name") << "";
    QTest::addRow("missing file") << "missing.txt";
    QTest::addRow("name leaving the directory") << "../project.dat";
}

void TestInclinationChart::noMeasurementFile()
{
    QFETCH(QString, fileName);
    ChartFixture fixture;
    QTemporaryDir cDir;
    fixture.cProject->setDirectory(cDir.path() + QLatin1Char('/'));
    fixture.pSection->setInclinationFile(fileName);
    const auto pLayout = makeChartLayout();
    SectionEntry cEntry;
    cEntry.cSection = fixture.pSection;
    const ReportContext cContext = fixture.context(pLayout.get());
    CInclinationChartPrintout cChart(cContext, cEntry);
    QVERIFY(cChart.takePages().empty());
}

void TestInclinationChart::measurementFile_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("measured");
    QTest::addColumn<int>("points");
    // Manhole altitudes 100.00 m and 100.10 m: the profile rises 10 cm.
    QTest::addRow("corrected to the manholes") << "0;2\n10;2\n"
                                               << "Inclination measured [%]: 1.00 %" << 2;
    QTest::addRow("first and last distance equal") << "5;1\n5;2\n"
                                                   << "Inclination measured [%]: ? %" << 2;
    QTest::addRow("one point") << "5;1\n"
                               << "Inclination measured [%]: ? %" << 1;
    QTest::addRow("no values") << ""
                               << "Inclination measured [%]: ? %" << 0;
    QTest::addRow("numbers that are not numbers") << "abc;def\nnan;inf\n1e39;-1e39\n"
                                                  << "Inclination measured [%]: ? %" << 3;
}

// A readable measurement always gives one page with finite texts, however
// degenerate its values.
void TestInclinationChart::measurementFile()
{
    QFETCH(QString, values);
    QFETCH(QString, measured);
    QFETCH(int, points);
    ChartFixture fixture;
    QTemporaryDir cDir;
    QVERIFY(QDir(cDir.path()).mkpath(QStringLiteral("Inclination")));
    QFile cFile(cDir.filePath(QStringLiteral("Inclination/INC_0001.txt")));
    QVERIFY(cFile.open(QIODevice::WriteOnly));
    cFile.write(QByteArray("Date:2024-04-16\nUnit:m\nValues...\n") + values.toUtf8());
    cFile.close();
    fixture.cProject->setDirectory(cDir.path() + QLatin1Char('/'));
    fixture.pSection->setInclinationFile(QStringLiteral("INC_0001.txt"));
    for (const auto &altitude : {qMakePair(61, QStringLiteral("100.00")), qMakePair(62, QStringLiteral("100.10"))}) {
        auto pProperty = std::make_unique<CProperty>(altitude.first);
        pProperty->setValue(altitude.second);
        fixture.pSection->properties()->add(std::move(pProperty));
    }
    fixture.cStandard.setManholeAltitudeUnit(QStringLiteral("m"));
    fixture.cStandard.setPipeDiameterUnit(QStringLiteral("mm"));
    const auto pLayout = makeChartLayout();
    SectionEntry cEntry;
    cEntry.cSection = fixture.pSection;
    const ReportContext cContext = fixture.context(pLayout.get());
    CInclinationChartPrintout cChart(cContext, cEntry);
    const PrintoutPageList pages = cChart.takePages();
    QCOMPARE(pages.size(), size_t(1));
    const CInclinationGridPrintoutItem *pGrid = gridOf(*pages.front());
    QVERIFY(pGrid);
    QCOMPARE(pGrid->texts().sMeasuredInclinationText, measured);
    QCOMPARE(pGrid->altitudeGraph()->data().points().size(), points);
    for (const float fValue :
         {pGrid->texts().fXMin, pGrid->texts().fXMax, pGrid->texts().fAltitudeMin, pGrid->texts().fAltitudeMax})
        QVERIFY(std::isfinite(fValue));
    QVERIFY(!pGrid->texts().sPositionScale.contains(QLatin1Char('?')));
    QVERIFY(!pGrid->texts().sAltitudeScale.contains(QLatin1Char('?')));
    checkInsidePlot(*pGrid->altitudeGraph(), pGrid->altitudeGraph()->data(), pLayout->inclinationGrid()->plotRect());
}

QTEST_MAIN(TestInclinationChart)
#include "tst_inclinationchart.moc"

void TestInclinationChart::labelsNeverOverlap_data()
{
    QTest::addColumn<QString>("sAltitudeCaption");
    QTest::addColumn<QString>("sInclinationCaption");
    QTest::addColumn<int>("iXSections");
    QTest::addColumn<int>("iYSections");
    QTest::addColumn<int>("iPlotWidth");
    QTest::addColumn<bool>("bAllPositionValues");

    // A caption narrower than the altitude values used to put the upright
    // scale over them; the end values of the position scale touched the
    // inclination and altitude values at the plot's corners.
    QTest::addRow("German captions") << "Höhe [m]"
                                     << "Neigung [%]" << 15 << 21 << 21800 << true;
    QTest::addRow("English captions") << "Altitude [m]"
                                      << "Inclination [%]" << 15 << 21 << 21800 << true;
    QTest::addRow("one-letter captions") << "H"
                                         << "N" << 15 << 21 << 21800 << true;
    // Values that cannot all stand side by side: some give way.
    QTest::addRow("crowded position scale") << "Höhe [m]"
                                            << "Neigung [%]" << 200 << 21 << 21800 << false;
    QTest::addRow("crowded vertical scales") << "Höhe [m]"
                                             << "Neigung [%]" << 15 << 400 << 21800 << true;
}

// Whatever the captions and the grid, no two texts of the chart overlap,
// and the texts that matter most are all there.
void TestInclinationChart::labelsNeverOverlap()
{
    QFETCH(QString, sAltitudeCaption);
    QFETCH(QString, sInclinationCaption);
    QFETCH(int, iXSections);
    QFETCH(int, iYSections);
    QFETCH(int, iPlotWidth);
    QFETCH(bool, bAllPositionValues);

    InclinationGridLayout cGrid;
    cGrid.setRect(QRect(0, 0, 27000, 14000));
    cGrid.setPlotRect(QRect(2600, 700, iPlotWidth, 12000));
    cGrid.setSections(iXSections, iYSections);
    cGrid.setFont(QColor(76, 76, 76), 16);
    InclinationChartTexts cTexts;
    cTexts.bDrawInclination = true;
    cTexts.fXMin = 0.0f;
    cTexts.fXMax = 32.31f;
    cTexts.fAltitudeMin = 233.82f;
    cTexts.fAltitudeMax = 234.38f;
    cTexts.fInclinationMin = 0.11f;
    cTexts.fInclinationMax = 1.25f;
    cTexts.sAltitudeAxisLabel = sAltitudeCaption;
    cTexts.sInclinationAxisLabel = sInclinationCaption;
    cTexts.sPositionAxisLabel = QStringLiteral("Station [m]");
    cTexts.sLeftNode = QStringLiteral("S4");
    cTexts.sRightNode = QStringLiteral("S3");
    cTexts.sLengthText = QStringLiteral("Berechnete Länge 32,31 m");
    cTexts.sMeasuredInclinationText = QStringLiteral("Neigung gemessen [%]: 0,77 %");
    cTexts.sAltitudeScale = QStringLiteral("1 : 5");
    cTexts.sInclinationRangeText = QStringLiteral("Neigung [%] 0,16 - 1,20");
    cTexts.sDirectionText = QStringLiteral("Inspektionsrichtung ==>  |  Fließrichtung <~~");
    cTexts.sPositionScale = QStringLiteral("1 : 148");
    const CInclinationGridPrintoutItem cItem(&cGrid, cTexts);

    QTemporaryDir cDir;
    auto pPrinter = createReportPrinter(cDir.filePath(QStringLiteral("labels.pdf")), QString(), QString());
    CReportPainter cPainter;
    QVERIFY(beginReportPainter(cPainter, *pPrinter));
    QFont cFont = cPainter.font();
    cFont.setPointSize(16);
    cPainter.setFont(cFont);
    const QList<ChartLabel> labels = cItem.labels(cPainter.fontMetrics());
    cPainter.end();

    for (int i = 0; i < labels.size(); ++i) {
        for (int j = i + 1; j < labels.size(); ++j)
            QVERIFY2(!labels.at(i).cRect.intersects(labels.at(j).cRect),
                     qPrintable(QStringLiteral("\"%1\" overlaps \"%2\"").arg(labels.at(i).sText, labels.at(j).sText)));
    }
    QStringList texts;
    for (const ChartLabel &cLabel : labels)
        texts.append(cLabel.sText);
    for (const QString &sText :
         {cTexts.sAltitudeScale, cTexts.sInclinationRangeText, cTexts.sAltitudeAxisLabel, cTexts.sInclinationAxisLabel,
          cTexts.sPositionAxisLabel, cTexts.sLeftNode, cTexts.sRightNode, cTexts.sPositionScale, cTexts.sDirectionText})
        QVERIFY2(texts.contains(sText), qPrintable(sText));
    // Both ends of the position scale stay; the values in between give way
    // only where they cannot stand side by side.
    QVERIFY(texts.contains(QStringLiteral("0.00")));
    QVERIFY(texts.contains(QStringLiteral("32.31")));
    const QRegularExpression cNumber(QStringLiteral("^-?\\d+\\.\\d\\d$"));
    const qsizetype iPositionValues =
        std::count_if(labels.cbegin(), labels.cend(), [&cNumber](const ChartLabel &cLabel) {
            return cLabel.cRect.top() > 12000 && cNumber.match(cLabel.sText).hasMatch();
        });
    QCOMPARE(iPositionValues == iXSections, bAllPositionValues);
}
