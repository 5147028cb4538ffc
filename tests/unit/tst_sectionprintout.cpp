#include "TestHelpers.h"
#include "app/CProjectCatalogData.h"
#include "metadata/CInspectionStandard.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CProperty.h"
#include "model/CPropertyList.h"
#include "queries/FieldIds.h"
#include "report/ReportPrinter.h"
#include "report/items/CCustomizedTablePrintoutItem.h"
#include "report/items/CEventPosIndicatorPrintoutItem.h"
#include "report/items/CLabeledTableCellItem.h"
#include "report/items/CPicturePrintoutItem.h"
#include "report/items/CSectionGraphicPrintoutItem.h"
#include "report/items/CTablePrintoutItem.h"
#include "report/layout/CDamageClassList.h"
#include "report/layout/LayoutTable.h"
#include "report/layout/PrintoutLayout.h"
#include "report/paint/CReportPainter.h"
#include "report/parts/CSectionPrintout.h"
#include "report/parts/ReportContext.h"
#include "report/parts/ReportLogo.h"
#include "report/parts/SectionEntry.h"
#include "report/parts/SectionEventLayout.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/CurrentProject.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using namespace SectionEventLayout;

namespace {
constexpr double kMetric = 100000.0;

QList<EventRow> makeRows(const QList<float> &positions, const QList<int> &heights)
{
    QList<EventRow> rows;
    for (int i = 0; i < positions.size(); ++i) {
        EventRow row;
        row.fPosition = positions.at(i);
        row.iHeight = heights.at(std::min<int>(i, heights.size() - 1));
        rows.append(row);
    }
    return rows;
}

int pageHeight(const SectionPageHeights &heights, int iPage)
{
    return iPage == 1 ? heights.iFirst : heights.iFollowing;
}

// The stepping rule done the slow way, for moderate inputs.
int referenceScale(double dLength, qint64 iRows)
{
    int iScale = 10;
    int iPrevious = 10;
    bool bFirst = true;
    while (static_cast<double>(iRows) < dLength / iScale) {
        iPrevious = iScale;
        iScale = nextScaleCandidate(iScale);
        bFirst = false;
    }
    return bFirst ? 10 : iPrevious;
}

// What every layout must satisfy, whatever the input: rows lie inside
// their pages, never overlap, pages only grow, connectors start on the page.
void checkLayout(const QList<EventRow> &rows, const SectionPageHeights &heights)
{
    int iPreviousPage = 1;
    for (int i = 0; i < rows.size(); ++i) {
        const EventRow &row = rows.at(i);
        QVERIFY2(row.iPage >= iPreviousPage, qPrintable(QString("row %1 goes back a page").arg(i)));
        QVERIFY2(row.iRowPosition >= 0, qPrintable(QString("row %1 above its page").arg(i)));
        QVERIFY2(row.iRowPosition + row.iHeight <= pageHeight(heights, row.iPage),
                 qPrintable(QString("row %1 crosses the page bottom").arg(i)));
        if (row.bPushed)
            QCOMPARE(row.iScalePosition, -1);
        else
            QVERIFY(row.iScalePosition <= pageHeight(heights, row.iPage)
                    && (row.iScalePosition >= 0 || row.iPage == 1));
        if (i + 1 < rows.size() && rows.at(i + 1).iPage == row.iPage) {
            QVERIFY2(rows.at(i + 1).iRowPosition >= row.iRowPosition + row.iHeight,
                     qPrintable(QString("rows %1 and %2 overlap").arg(i).arg(i + 1)));
            QCOMPARE(row.iSpacing, rows.at(i + 1).iRowPosition - row.iRowPosition);
        } else {
            QCOMPARE(row.iSpacing, row.iHeight);
        }
        iPreviousPage = row.iPage;
    }
}
void addProperty(CPropertyList *pList, int iId, const QString &sValue, const QString &sCode = QString())
{
    auto pProperty = std::make_unique<CProperty>(iId);
    pProperty->setValue(sValue);
    pProperty->setCode(sCode);
    pList->add(std::move(pProperty));
}

// A table of the given width with rows of the given heights, each row cut
// into cells of the given widths.
std::unique_ptr<LayoutTable> makeTable(int iWidth, const QList<int> &rowHeights, const QList<int> &cellWidths)
{
    auto pTable = std::make_unique<LayoutTable>(iWidth);
    for (const int iHeight : rowHeights) {
        LayoutRow *pRow = pTable->appendRow(iHeight);
        for (const int iCell : cellWidths)
            pRow->appendCell(iCell);
    }
    return pTable;
}

// A layout shaped like the demo catalog's: 30 mm page header, 20 mm
// section header, 6 mm event rows in seven columns.
std::unique_ptr<PrintoutLayout> makeLayout()
{
    auto pLayout = std::make_unique<PrintoutLayout>();
    pLayout->setTable(PrintoutLayout::SectionPageHeader, makeTable(18000, {3000}, {18000}));
    pLayout->setTable(PrintoutLayout::SectionHeader, makeTable(18000, {1000, 1000}, {6000, 6000, 6000}));
    pLayout->setTable(PrintoutLayout::Event, makeTable(18000, {600}, {2500, 2000, 800, 1500, 7000, 2000, 2200}));
    pLayout->setTable(PrintoutLayout::NoEvents, makeTable(18000, {600}, {2500, 15500}));
    pLayout->setTable(PrintoutLayout::BigPicture, makeTable(18000, {12000, 800}, {9000, 9000}));
    pLayout->setTable(PrintoutLayout::SmallPicture, makeTable(18000, {6000}, {9000, 3000, 3000, 3000}));
    pLayout->sectionGraphic()->setCircleDiameter(600);
    pLayout->sectionGraphic()->setLineDistance(400);
    pLayout->sectionGraphic()->setMaxNodeTextWidth(2000);
    pLayout->eventPosIndicator()->setWidths(300, 800, 300);
    return pLayout;
}

// A project with one section ("S1" to "S2") whose events are added in
// position order.
struct SectionFixture
{
    SectionFixture()
        : cProject(std::make_unique<CCorvaneProject>(new CPropertyList, new CPropertyList, new CPropertyList))
    {
        cProject->setDirectory(QStringLiteral("/nonexistent/project/"));
        auto *pProperties = new CPropertyList;
        addProperty(pProperties, 1, QStringLiteral("S1"));
        addProperty(pProperties, 2, QStringLiteral("S2"));
        addProperty(pProperties, 4, QStringLiteral("downstream"), QStringLiteral("D"));
        pSection = new CInspectionSegment(cProject.get(), pProperties, 1);
        pSection->setName(QStringLiteral("S1-S2"));
        cProject->addSection(pSection);
        cEntry.cSection = pSection;
        cEntry.iPhotosPerPage = 0;
        cEntry.bInclinationProtocol = false;
        cStandard.setDirectionText(CInspectionStandard::InDirection, QStringLiteral("D"));
        cStandard.setDirectionText(CInspectionStandard::AgainstDirection, QStringLiteral("U"));
        cDamageClasses.append(DamageClassLegendEntry(QStringLiteral("4"), QColor(200, 0, 0), QStringLiteral("Severe")));
    }

    CInspectionEvent *addEvent(float fPosition, const QString &sText = QStringLiteral("Crack"),
                               const QString &sDamageClass = QString(), const QString &sPhoto1 = QString(),
                               const QString &sPhoto2 = QString())
    {
        auto *pProperties = new CPropertyList;
        if (!sDamageClass.isEmpty())
            addProperty(pProperties, 200001, sDamageClass);
        auto *pEvent = new CInspectionEvent(pSection, pProperties, ++iNextId);
        pEvent->setMeterValue(fPosition);
        pEvent->setText(sText);
        pEvent->setAbbreviation(QStringLiteral("BAB"));
        pEvent->setImageFile(sPhoto1);
        pEvent->setImageFile2(sPhoto2);
        pEvent->setVideoTimeIndex(0, 1, 5);
        pSection->addEvent(pEvent);
        return pEvent;
    }

    // The report context of the section's part.
    ReportContext context(const PrintoutLayout *pLayout, CReportPainter *pPainter, bool bDamageInformation) const
    {
        ReportContext cContext;
        cContext.cProject = cProject.get();
        cContext.sections = {pSection};
        cContext.cLayout = pLayout;
        cContext.cStandard = &cStandard;
        cContext.cDamageClasses = &cDamageClasses;
        cContext.bDamageInformation = bDamageInformation;
        cContext.logo = cLogo;
        cContext.cPainter = pPainter;
        return cContext;
    }

    std::unique_ptr<CCorvaneProject> cProject;
    CInspectionSegment *pSection = nullptr;
    SectionEntry cEntry;
    CInspectionStandard cStandard;
    CDamageClassList cDamageClasses;
    ReportLogo cLogo;
    int iNextId = 0;
};

// An active report painter on a throw-away PDF.
struct PainterFixture
{
    PainterFixture()
    {
        pPrinter = createReportPrinter(cDir.filePath(QStringLiteral("t.pdf")), QString(), QString());
        bActive = beginReportPainter(cPainter, *pPrinter);
    }
    ~PainterFixture()
    {
        if (cPainter.isActive())
            cPainter.end();
    }
    QTemporaryDir cDir;
    std::unique_ptr<QPdfWriter> pPrinter;
    CReportPainter cPainter;
    bool bActive = false;
};

template <typename T>
QList<const T *> itemsOf(const PrintoutPage &cPage)
{
    QList<const T *> items;
    for (int i = 0; i < cPage.itemCount(); ++i) {
        if (const T *pItem = dynamic_cast<const T *>(cPage.itemAt(i)))
            items.append(pItem);
    }
    return items;
}

QStringList cellTexts(const CTablePrintoutItemBase &cTable)
{
    QStringList texts;
    for (int i = 0; i < cTable.cellItemCount(); ++i)
        texts.append(cTable.cellItemAt(i)->text());
    return texts;
}
} // namespace

class TestSectionPrintout : public QObject
{
    Q_OBJECT

private slots:
    void chooseScale_data();
    void chooseScale();
    void chooseScaleMatchesStepping();
    void assignPass_data();
    void assignPass();
    void scaleEnlargement_data();
    void scaleEnlargement();
    void hostileInputs_data();
    void hostileInputs();
    void photoNumbers_data();
    void photoNumbers();
    void photoPageSizes_data();
    void photoPageSizes();

    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void sectionWithoutEvents();
    void eventRowTexts();
    void printedEventTexts_data();
    void printedEventTexts();
    void hugeObservationIsCutBeforeWrapping();
    void protocolPages_data();
    void protocolPages();
    void nodeOrder_data();
    void nodeOrder();
    void damageClassColours_data();
    void damageClassColours();
    void photoPages_data();
    void photoPages();
    void sectionPropertyCaptions_data();
    void sectionPropertyCaptions();
};

void TestSectionPrintout::chooseScale_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<qint64>("rows");
    QTest::addColumn<int>("scale");
    QTest::addRow("no length") << 0.0 << qint64(1000) << 10;
    QTest::addRow("rows exactly as long at 1:10") << 10000.0 << qint64(1000) << 10;
    QTest::addRow("stops at 25") << 20000.0 << qint64(1000) << 10;
    QTest::addRow("stops at 100") << 60000.0 << qint64(1000) << 50;
    QTest::addRow("stops at 150") << 120000.0 << qint64(1000) << 100;
    QTest::addRow("10,000 km") << 1e12 << qint64(18000) << 55555550;
    QTest::addRow("length of 1e35") << 1e35 << qint64(18000) << kMaxScale;
    QTest::addRow("infinite length") << std::numeric_limits<double>::infinity() << qint64(1000) << 10;
    QTest::addRow("NaN length") << std::numeric_limits<double>::quiet_NaN() << qint64(1000) << 10;
    QTest::addRow("negative length") << -5e6 << qint64(1000) << 10;
    QTest::addRow("no rows") << 5e6 << qint64(0) << kMaxScale;
}

void TestSectionPrintout::chooseScale()
{
    QFETCH(double, length);
    QFETCH(qint64, rows);
    QFETCH(int, scale);
    QCOMPARE(SectionEventLayout::chooseScale(length, rows), scale);
}

void TestSectionPrintout::chooseScaleMatchesStepping()
{
    // The shortcut for long sections must agree with walking the candidates.
    for (double dLength = 0.0; dLength < 5e8; dLength = dLength * 1.37 + 977.0) {
        for (const qint64 iRows : {qint64(200), qint64(4321), qint64(18000), qint64(250000)})
            QCOMPARE(SectionEventLayout::chooseScale(dLength, iRows), referenceScale(dLength, iRows));
    }
}

void TestSectionPrintout::assignPass_data()
{
    QTest::addColumn<QList<float>>("positions");
    QTest::addColumn<QList<int>>("heights");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QList<int>>("pages");
    QTest::addColumn<QList<int>>("scalePositions");
    QTest::addColumn<QList<int>>("rowPositions");
    QTest::addColumn<QList<int>>("spacings");
    QTest::addColumn<int>("pushed");

    // Page 1 holds 10000 units, later pages 20000.
    QTest::addRow("rows apart sit at their positions")
        << QList<float>{0.0f, 1.0f, 2.0f} << QList<int>{500} << 100 << QList<int>{1, 1, 1} << QList<int>{0, 1000, 2000}
        << QList<int>{0, 1000, 2000} << QList<int>{1000, 1000, 500} << 0;
    QTest::addRow("close rows stack, connectors slant")
        << QList<float>{0.0f, 0.1f, 0.2f} << QList<int>{500} << 100 << QList<int>{1, 1, 1} << QList<int>{0, 100, 200}
        << QList<int>{0, 500, 1000} << QList<int>{500, 500, 500} << 0;
    QTest::addRow("row crossing the bottom moves on, no connector")
        << QList<float>{0.0f, 9.8f, 10.5f} << QList<int>{500} << 100 << QList<int>{1, 2, 2} << QList<int>{0, -1, 500}
        << QList<int>{0, 0, 500} << QList<int>{500, 500, 500} << 1;
    QTest::addRow("row on page 2 at its position")
        << QList<float>{0.0f, 15.0f} << QList<int>{500} << 100 << QList<int>{1, 2} << QList<int>{0, 5000}
        << QList<int>{0, 5000} << QList<int>{500, 500} << 0;
    QTest::addRow("row ending exactly at the bottom stays")
        << QList<float>{0.0f, 9.5f} << QList<int>{500} << 100 << QList<int>{1, 1} << QList<int>{0, 9500}
        << QList<int>{0, 9500} << QList<int>{9500, 500} << 0;
    QTest::addRow("rows pushed by a stack keep moving")
        << QList<float>{0.0f, 9.0f, 9.1f, 9.2f} << QList<int>{600} << 100 << QList<int>{1, 1, 2, 2}
        << QList<int>{0, 9000, -1, -1} << QList<int>{0, 9000, 0, 600} << QList<int>{9000, 600, 600, 600} << 2;
    QTest::addRow("the first position is the origin")
        << QList<float>{100.0f, 100.5f} << QList<int>{300} << 50 << QList<int>{1, 1} << QList<int>{0, 1000}
        << QList<int>{0, 1000} << QList<int>{1000, 300} << 0;
}

void TestSectionPrintout::assignPass()
{
    QFETCH(QList<float>, positions);
    QFETCH(QList<int>, heights);
    QFETCH(int, scale);
    QFETCH(QList<int>, pages);
    QFETCH(QList<int>, scalePositions);
    QFETCH(QList<int>, rowPositions);
    QFETCH(QList<int>, spacings);
    QFETCH(int, pushed);

    const SectionPageHeights pageHeights{10000, 20000};
    QList<EventRow> rows = makeRows(positions, heights);
    const PassResult result = SectionEventLayout::assignPass(rows, scale, kMetric, pageHeights);
    computeSpacing(rows);
    QList<int> gotPages, gotScale, gotRows, gotSpacing;
    for (const EventRow &row : rows) {
        gotPages << row.iPage;
        gotScale << row.iScalePosition;
        gotRows << row.iRowPosition;
        gotSpacing << row.iSpacing;
    }
    QCOMPARE(gotPages, pages);
    QCOMPARE(gotScale, scalePositions);
    QCOMPARE(gotRows, rowPositions);
    QCOMPARE(gotSpacing, spacings);
    QCOMPARE(result.iPushed, pushed);
    QCOMPARE(result.iLastPage, pages.last());
    checkLayout(rows, pageHeights);
}

void TestSectionPrintout::scaleEnlargement_data()
{
    QTest::addColumn<QList<float>>("positions");
    QTest::addColumn<QList<int>>("heights");
    QTest::addColumn<int>("startScale");
    QTest::addColumn<int>("finalScale");
    QTest::addColumn<int>("passes");

    // Pages of 10000 units. Ten rows of 2000 at one position always push at
    // least five rows: the divisor walks all the way down to 10.
    QList<float> cluster{0.0f};
    for (int i = 0; i < 10; ++i)
        cluster << 5.0f;
    QTest::addRow("150 to 100 to 50 to 25 to 10") << cluster << QList<int>{500, 2000} << 150 << 10 << 5;
    QTest::addRow("from 400 by steps of 50") << cluster << QList<int>{500, 2000} << 400 << 10 << 10;
    // Six rows: five pushed at 1:150 (position 7000), two at 1:100
    // (position 10500 on page 2); the page count grows once more, then stays.
    QList<float> six{0.0f};
    for (int i = 0; i < 6; ++i)
        six << 10.5f;
    QTest::addRow("stops once fewer rows move") << six << QList<int>{500, 2000} << 150 << 100 << 3;
    QTest::addRow("spread rows keep the scale")
        << QList<float>{0.0f, 5.0f, 10.0f} << QList<int>{500} << 150 << 150 << 1;
    QTest::addRow("a grown page count repeats the pass once")
        << QList<float>{0.0f, 5.0f, 10.0f, 20.0f} << QList<int>{500} << 150 << 150 << 2;
    QTest::addRow("1:10 is never repeated") << cluster << QList<int>{500, 2000} << 10 << 10 << 1;
}

void TestSectionPrintout::scaleEnlargement()
{
    QFETCH(QList<float>, positions);
    QFETCH(QList<int>, heights);
    QFETCH(int, startScale);
    QFETCH(int, finalScale);
    QFETCH(int, passes);

    const SectionPageHeights pageHeights{10000, 10000};
    QList<EventRow> rows = makeRows(positions, heights);
    const AssignResult result = assignPages(rows, startScale, kMetric, pageHeights);
    QCOMPARE(result.iScale, finalScale);
    QCOMPARE(result.iPasses, passes);
    QCOMPARE(result.iPageCount, rows.last().iPage);
    checkLayout(rows, pageHeights);
}

void TestSectionPrintout::hostileInputs_data()
{
    QTest::addColumn<QList<float>>("positions");
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<int>("pageHeight");

    const float fNaN = std::numeric_limits<float>::quiet_NaN();
    const float fInf = std::numeric_limits<float>::infinity();
    QList<float> same;
    for (int i = 0; i < 5000; ++i)
        same << 12.5f;
    QList<float> clusteredFar;
    for (int i = 0; i < 200; ++i)
        clusteredFar << static_cast<float>(i) * 0.01f;
    clusteredFar << 1e7f;
    QTest::addRow("section of 10,000 km") << QList<float>{0.0f, 1.0f, 5e6f, 1e7f} << 600 << 20000;
    QTest::addRow("10,000 km with a cluster") << clusteredFar << 600 << 20000;
    QTest::addRow("meter values of 1e30") << QList<float>{-1e30f, 0.0f, 1e30f, 3e38f} << 600 << 20000;
    QTest::addRow("NaN and infinity") << QList<float>{fNaN, 1.0f, fInf, -fInf, fNaN, 2.0f} << 600 << 20000;
    QTest::addRow("all NaN") << QList<float>{fNaN, fNaN, fNaN} << 600 << 20000;
    QTest::addRow("5000 events at one position") << same << 600 << 20000;
    QTest::addRow("rows higher than a page") << QList<float>{0.0f, 0.0f, 3.0f} << 90000 << 20000;
    QTest::addRow("page without room") << QList<float>{0.0f, 1.0f, 2.0f} << 600 << -5000;
    QTest::addRow("descending positions") << QList<float>{50.0f, 10.0f, 5.0f, 60.0f} << 600 << 20000;
}

void TestSectionPrintout::hostileInputs()
{
    QFETCH(QList<float>, positions);
    QFETCH(int, rowHeight);
    QFETCH(int, pageHeight);

    QElapsedTimer timer;
    timer.start();
    const SectionPageHeights pageHeights = normalisedHeights(pageHeight, pageHeight);
    QList<EventRow> rows = makeRows(positions, {rowHeight});
    limitRowHeights(rows, pageHeights);
    double dLength = 0.0;
    qint64 iRows = 0;
    for (const EventRow &row : rows)
        iRows += row.iHeight;
    if (positions.size() > 1)
        dLength = (static_cast<double>(positions.last()) - positions.first()) * kMetric;
    const int iScale = SectionEventLayout::chooseScale(dLength, iRows);
    QVERIFY(iScale >= 10 && iScale <= kMaxScale);
    const AssignResult result = assignPages(rows, iScale, kMetric, pageHeights);
    QVERIFY(result.iPasses <= kMaxPasses);
    QVERIFY(result.iPageCount >= 1);
    checkLayout(rows, pageHeights);
    // Every row is printed on some page.
    int iCounted = 0;
    for (const PageRows &page : rowsByPage(rows))
        iCounted += page.iEnd - page.iFirst;
    QCOMPARE(iCounted, rows.size());
    QVERIFY2(timer.elapsed() < 10000 * TestHelpers::timeFactor(), "layout took too long");
}

void TestSectionPrintout::photoNumbers_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("numbers");
    QTest::addRow("one photo") << "S001_0042.jpg"
                               << ""
                               << "0042";
    QTest::addRow("two photos") << "S001_0042.jpg"
                                << "S001_0043.jpg"
                                << "0042, 0043";
    QTest::addRow("only the second") << ""
                                     << "P0007.bmp"
                                     << "0007";
    QTest::addRow("no photos") << ""
                               << ""
                               << "";
    QTest::addRow("short name") << "ab.jpg"
                                << ""
                                << "ab";
    QTest::addRow("name of four characters") << ".jpg"
                                             << "x0001.png"
                                             << "0001";
}

void TestSectionPrintout::photoNumbers()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, numbers);
    QCOMPARE(SectionEventLayout::photoNumbers(first, second), numbers);
}

void TestSectionPrintout::photoPageSizes_data()
{
    QTest::addColumn<int>("photos");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addRow("seven at three") << 7 << 3 << QList<int>{3, 3, 1};
    QTest::addRow("six at three") << 6 << 3 << QList<int>{3, 3};
    QTest::addRow("two at one") << 2 << 1 << QList<int>{1, 1};
    QTest::addRow("none") << 0 << 3 << QList<int>{};
    QTest::addRow("no photo mode") << 5 << 0 << QList<int>{};
}

void TestSectionPrintout::photoPageSizes()
{
    QFETCH(int, photos);
    QFETCH(int, perPage);
    QFETCH(QList<int>, sizes);
    QCOMPARE(SectionEventLayout::photoPageSizes(photos, perPage), sizes);
}

void TestSectionPrintout::sectionWithoutEvents()
{
    PainterFixture painter;
    QVERIFY(painter.bActive);
    SectionFixture fixture;
    const auto pLayout = makeLayout();
    const ReportContext cContext = fixture.context(pLayout.get(), &painter.cPainter, true);
    CSectionPrintout part(cContext, fixture.cEntry);
    const PrintoutPageList pages = part.takePages();
    QCOMPARE(pages.size(), size_t(1));
    const PrintoutPage &cPage = *pages.front();
    QVERIFY(cPage.header());

    const auto tables = itemsOf<CCustomizedTablePrintoutItem>(cPage);
    QCOMPARE(tables.size(), 1);
    QCOMPARE(tables.first()->tableLayout()->rowCount(), 1);
    QCOMPARE(cellTexts(*tables.first()),
             QStringList({"1 : 10", "POSITION", "DC", "CODE", "OBSERVATION", "VIDEO POS", "PHOTO"}));

    bool bNoData = false;
    for (const CTablePrintoutItem *pTable : itemsOf<CTablePrintoutItem>(cPage))
        bNoData = bNoData || cellTexts(*pTable).contains(QStringLiteral("No data available"));
    QVERIFY(bNoData);

    const auto graphics = itemsOf<CSectionGraphicPrintoutItem>(cPage);
    QCOMPARE(graphics.size(), 1);
    QVERIFY(graphics.first()->data().bDrawStartNode);
    QVERIFY(graphics.first()->data().bDrawEndNode);
    QCOMPARE(graphics.first()->data().sStartNode, QStringLiteral("S1"));
    QCOMPARE(graphics.first()->data().sEndNode, QStringLiteral("S2"));
    // No-events row + start and end circle would let the circles touch: the
    // graphic keeps one diameter of pipe between them.
    QCOMPARE(graphics.first()->height(), 4 * 600);
    const auto indicators = itemsOf<CEventPosIndicatorPrintoutItem>(cPage);
    QCOMPARE(indicators.size(), 1);
    QVERIFY(indicators.first()->connectors().isEmpty());
}

void TestSectionPrintout::eventRowTexts()
{
    PainterFixture painter;
    QVERIFY(painter.bActive);
    SectionFixture fixture;
    fixture.addEvent(0.0f, QStringLiteral("Start node"));
    fixture.addEvent(12.5f, QStringLiteral("Crack, longitudinal"), QStringLiteral("4"), QStringLiteral("S01_0042.jpg"),
                     QStringLiteral("S01_0043.jpg"));
    const auto pLayout = makeLayout();
    const ReportContext cContext = fixture.context(pLayout.get(), &painter.cPainter, true);
    CSectionPrintout part(cContext, fixture.cEntry);
    const PrintoutPageList pages = part.takePages();
    QCOMPARE(pages.size(), size_t(1));
    const QList<EventRow> &rows = part.eventRows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(1).sPositionText, QStringLiteral("12.50 m"));
    QCOMPARE(rows.at(1).sCode, QStringLiteral("BAB"));
    QCOMPARE(rows.at(1).sVideoPosition, QStringLiteral("00:01:05"));
    QCOMPARE(rows.at(1).sPhotoNumbers, QStringLiteral("0042, 0043"));
    QCOMPARE(rows.at(1).sDamageClass, QStringLiteral("4"));
    QVERIFY(rows.at(1).iHeight > 200);

    const auto tables = itemsOf<CCustomizedTablePrintoutItem>(*pages.front());
    QCOMPARE(tables.size(), 1);
    // Caption, spacer (no cells), two event rows.
    QCOMPARE(tables.first()->tableLayout()->rowCount(), 4);
    const QStringList texts = cellTexts(*tables.first());
    QCOMPARE(texts.mid(7, 7), QStringList({"", "0.00 m", "", "BAB", rows.at(0).sObservation, "00:01:05", ""}));
    QCOMPARE(texts.first(), QStringLiteral("1 : %1").arg(static_cast<int>(part.scale())));
    const auto indicators = itemsOf<CEventPosIndicatorPrintoutItem>(*pages.front());
    QCOMPARE(indicators.first()->connectors().size(), 2);
}

void TestSectionPrintout::printedEventTexts_data()
{
    QTest::addColumn<QString>("sText");
    QTest::addColumn<QString>("sDelimiter");
    QTest::addColumn<QStringList>("videos");
    QTest::addColumn<QString>("sEventVideo");
    QTest::addColumn<QString>("sProtocol");
    QTest::addColumn<QString>("sCaption");
    QTest::addColumn<QString>("sVideoPosition");

    const QStringList one{QStringLiteral("S1-S2.webm")};
    const QStringList two{QStringLiteral("S1-S2_1.webm"), QStringLiteral("S1-S2_2.webm")};
    const auto row = [](const char *pszName, const char *pszText, const char *pszDelimiter, const QStringList &videos,
                        const char *pszVideo, const char *pszProtocol, const char *pszCaption,
                        const char *pszPosition) {
        QTest::newRow(pszName) << QString::fromUtf8(pszText) << QString::fromUtf8(pszDelimiter) << videos
                               << QString::fromUtf8(pszVideo) << QString::fromUtf8(pszProtocol)
                               << QString::fromUtf8(pszCaption) << QString::fromUtf8(pszPosition);
    };
    row("detail on its own line, after a dash in a caption", "Start node|Manhole S4", "|", one, "S1-S2.webm",
        "Start node\nManhole S4", "Start node \u2013 Manhole S4", "00:01:05");
    row("several details", "Roots|fine|at 2 o'clock", "|", one, "S1-S2.webm", "Roots\nfine\nat 2 o'clock",
        "Roots \u2013 fine \u2013 at 2 o'clock", "00:01:05");
    row("blanks and empty details dropped", " Crack |  | width 2 mm |", "|", one, "S1-S2.webm", "Crack\nwidth 2 mm",
        "Crack \u2013 width 2 mm", "00:01:05");
    row("delimiter of two characters", "Crack<>longitudinal", "<>", one, "S1-S2.webm", "Crack\nlongitudinal",
        "Crack \u2013 longitudinal", "00:01:05");
    row("text without the delimiter", "Water level 5 %", "|", one, "S1-S2.webm", "Water level 5 %", "Water level 5 %",
        "00:01:05");
    row("standard without delimiter keeps the text", "a|b", "", one, "S1-S2.webm", "a|b", "a|b", "00:01:05");
    row("second of two videos", "Crack", "|", two, "S1-S2_2.webm", "Crack", "Crack", "2 \u00b7 00:01:05");
    row("first of two videos", "Crack", "|", two, "S1-S2_1.webm", "Crack", "Crack", "1 \u00b7 00:01:05");
    row("video not in the section's list", "Crack", "|", two, "other.webm", "Crack", "Crack", "00:01:05");
}

// The protocol row and the photo caption print the observation without the
// delimiter, and the video position with the number of its video.
void TestSectionPrintout::printedEventTexts()
{
    QFETCH(QString, sText);
    QFETCH(QString, sDelimiter);
    QFETCH(QStringList, videos);
    QFETCH(QString, sEventVideo);
    QFETCH(QString, sProtocol);
    QFETCH(QString, sCaption);
    QFETCH(QString, sVideoPosition);
    PainterFixture painter;
    QVERIFY(painter.bActive);
    SectionFixture fixture;
    fixture.cStandard.setTextDelimiter(sDelimiter);
    for (const QString &sVideo : videos)
        fixture.pSection->addVideoFile(sVideo);
    CInspectionEvent *pEvent = fixture.addEvent(1.0f, sText, QString(), QStringLiteral("S01_0042.jpg"));
    pEvent->setVideoFile(sEventVideo);
    fixture.cEntry.iPhotosPerPage = 1;
    auto pLayout = makeLayout();
    // The photo frame's second row shows the observation and the video position.
    const LayoutTable *pFrame = pLayout->bigPicture();
    pLayout->cellLinks().add(pFrame->cellAt(1, 0), FieldIds::EventText, 1);
    pLayout->cellLinks().add(pFrame->cellAt(1, 1), FieldIds::EventVideoTimeIndex, 1);
    const ReportContext cContext = fixture.context(pLayout.get(), &painter.cPainter, true);
    CSectionPrintout part(cContext, fixture.cEntry);
    const PrintoutPageList pages = part.takePages();
    QCOMPARE(part.eventRows().size(), 1);
    QCOMPARE(part.eventRows().first().sObservation, sProtocol);
    QCOMPARE(part.eventRows().first().sVideoPosition, sVideoPosition);

    QCOMPARE(pages.size(), size_t(2));
    const auto pictures = itemsOf<CPicturePrintoutItem>(*pages.back());
    QCOMPARE(pictures.size(), 1);
    const QStringList texts = cellTexts(*pictures.first());
    QVERIFY2(texts.contains(sCaption), qPrintable(texts.join(QLatin1Char('/'))));
    QVERIFY2(texts.contains(sVideoPosition), qPrintable(texts.join(QLatin1Char('/'))));
}

// A hostile observation of millions of characters on one line is cut to
// what a cell can show before the protocol wraps it, so its row costs what
// a long text costs.
void TestSectionPrintout::hugeObservationIsCutBeforeWrapping()
{
    PainterFixture painter;
    QVERIFY(painter.bActive);
    SectionFixture fixture;
    fixture.cStandard.setTextDelimiter(QStringLiteral("|"));
    fixture.addEvent(0.0f, QStringLiteral("Start|") + QString(20 * 1024 * 1024, QLatin1Char('W')));
    fixture.addEvent(1.0f, QString(20 * 1024 * 1024, QLatin1Char('X')));
    const auto pLayout = makeLayout();
    const ReportContext cContext = fixture.context(pLayout.get(), &painter.cPainter, true);
    CSectionPrintout part(cContext, fixture.cEntry);
    const PrintoutPageList pages = part.takePages();
    QCOMPARE(part.eventRows().size(), 2);
    for (const EventRow &row : part.eventRows()) {
        // The wrapping adds one line feed per line at most.
        const qsizetype iCharacters = row.sObservation.size() - row.sObservation.count(QLatin1Char('\n'));
        QVERIFY2(iCharacters <= CReportPainter::kMaxTextLength, qPrintable(QString::number(iCharacters)));
        QVERIFY(row.iHeight <= part.pageHeights().iFirst);
    }
}

void TestSectionPrintout::protocolPages_data()
{
    QTest::addColumn<QList<float>>("positions");
    QTest::addColumn<QString>("text");

    const float fNaN = std::numeric_limits<float>::quiet_NaN();
    QList<float> spread, clustered, far, hostile;
    for (int i = 0; i < 10; ++i)
        spread << static_cast<float>(i);
    for (int i = 0; i < 3000; ++i)
        clustered << 4.0f;
    for (int i = 0; i < 200; ++i)
        far << static_cast<float>(i) * 0.05f;
    far << 1e7f;
    for (int i = 0; i < 60; ++i)
        hostile << (i % 3 == 0 ? fNaN : (i % 3 == 1 ? 1e30f : static_cast<float>(i)));
    QTest::addRow("ten events a metre apart") << spread << "Deposits";
    QTest::addRow("3000 events at one position") << clustered << "Root intrusion";
    QTest::addRow("10,000 km section") << far << "Joint displaced";
    QTest::addRow("NaN and 1e30 positions") << hostile << "Crack";
    QTest::addRow("observation without spaces") << QList<float>{0.0f, 1.0f, 2.0f} << QString(3000, QLatin1Char('X'));
}

// Whatever the events, every row is printed once, the first page has the
// start node, only the page of the last row the end node, and every item
// stays on its page.
void TestSectionPrintout::protocolPages()
{
    QFETCH(QList<float>, positions);
    QFETCH(QString, text);
    PainterFixture painter;
    QVERIFY(painter.bActive);
    SectionFixture fixture;
    for (const float fPosition : positions)
        fixture.addEvent(fPosition, text);
    const auto pLayout = makeLayout();
    QElapsedTimer timer;
    timer.start();
    const ReportContext cContext = fixture.context(pLayout.get(), &painter.cPainter, false);
    CSectionPrintout part(cContext, fixture.cEntry);
    const PrintoutPageList pages = part.takePages();
    QVERIFY2(timer.elapsed() < 60000 * TestHelpers::timeFactor(), "building the protocol took too long");
    QVERIFY(!pages.empty());

    int iRowsPrinted = 0;
    for (size_t p = 0; p < pages.size(); ++p) {
        const PrintoutPage &cPage = *pages[p];
        const auto graphics = itemsOf<CSectionGraphicPrintoutItem>(cPage);
        QCOMPARE(graphics.size(), 1);
        QCOMPARE(graphics.first()->data().bDrawStartNode, p == 0);
        QCOMPARE(graphics.first()->data().bDrawEndNode, p + 1 == pages.size());
        const auto tables = itemsOf<CCustomizedTablePrintoutItem>(cPage);
        QCOMPARE(tables.size(), 1);
        for (const CCustomPrintoutItem *pItem : {static_cast<const CCustomPrintoutItem *>(tables.first()),
                                                 static_cast<const CCustomPrintoutItem *>(graphics.first())}) {
            QVERIFY(pItem->position().y() >= 0);
            QVERIFY2(pItem->position().y() + pItem->height() <= 27700 + 2000,
                     qPrintable(QString("item of height %1 at %2 leaves page %3")
                                    .arg(pItem->height())
                                    .arg(pItem->position().y())
                                    .arg(p + 1)));
        }
        // Data rows are those after the caption (page 1) and the spacer.
        const int iSkipped = (p == 0 ? 1 : 0) + 1;
        iRowsPrinted += tables.first()->tableLayout()->rowCount() - iSkipped;
    }
    QCOMPARE(iRowsPrinted, positions.size());
    for (const EventRow &row : part.eventRows())
        QCOMPARE(row.sObservation.isEmpty(), text.isEmpty());
}

void TestSectionPrintout::nodeOrder_data()
{
    QTest::addColumn<QString>("convention");
    QTest::addColumn<QString>("directionCode");
    QTest::addColumn<QString>("startNode");
    QTest::addColumn<QString>("endNode");
    QTest::addColumn<QString>("image");
    QTest::addRow("in flow direction") << ""
                                       << "D"
                                       << "S1"
                                       << "S2"
                                       << "in";
    QTest::addRow("against flow, empty convention counts as U-D") << ""
                                                                  << "U"
                                                                  << "S2"
                                                                  << "S1"
                                                                  << "against";
    QTest::addRow("against flow, U-D") << "U-D"
                                       << "U"
                                       << "S2"
                                       << "S1"
                                       << "against";
    QTest::addRow("against flow, other convention") << "D-U"
                                                    << "U"
                                                    << "S1"
                                                    << "S2"
                                                    << "against";
    QTest::addRow("unknown direction") << ""
                                       << "X"
                                       << "S1"
                                       << "S2"
                                       << "";
}

void TestSectionPrintout::nodeOrder()
{
    QFETCH(QString, convention);
    QFETCH(QString, directionCode);
    QFETCH(QString, startNode);
    QFETCH(QString, endNode);
    QFETCH(QString, image);
    PainterFixture painter;
    SectionFixture fixture;
    fixture.cStandard.setDirectionText(CInspectionStandard::NodeReferenceConvention, convention);
    fixture.pSection->properties()->findProperty(4)->setCode(directionCode);
    fixture.addEvent(1.0f);
    const auto pLayout = makeLayout();
    const ReportContext cContext = fixture.context(pLayout.get(), &painter.cPainter, false);
    CSectionPrintout part(cContext, fixture.cEntry);
    const PrintoutPageList pages = part.takePages();
    const auto graphics = itemsOf<CSectionGraphicPrintoutItem>(*pages.front());
    QCOMPARE(graphics.first()->data().sStartNode, startNode);
    QCOMPARE(graphics.first()->data().sEndNode, endNode);
    const QImage cExpected =
        image.isEmpty() ? QImage() : QImage(QStringLiteral(":/printing/%1_flow_direction.bmp").arg(image));
    QCOMPARE(graphics.first()->data().cDirectionImage.isNull(), image.isEmpty());
    QCOMPARE(graphics.first()->data().cDirectionImage, cExpected);
}

void TestSectionPrintout::damageClassColours_data()
{
    QTest::addColumn<bool>("damageInformation");
    QTest::addColumn<QString>("damageClass");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QColor>("colour");
    QTest::addRow("listed class") << true << "4"
                                  << "DC"
                                  << "4" << QColor(200, 0, 0);
    QTest::addRow("unlisted class") << true << "9"
                                    << "DC"
                                    << "9" << QColor(76, 76, 76);
    QTest::addRow("no damage information") << false << "4"
                                           << ""
                                           << "" << QColor(76, 76, 76);
}

void TestSectionPrintout::damageClassColours()
{
    QFETCH(bool, damageInformation);
    QFETCH(QString, damageClass);
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QFETCH(QColor, colour);
    PainterFixture painter;
    SectionFixture fixture;
    fixture.addEvent(2.0f, QStringLiteral("Crack"), damageClass);
    const auto pLayout = makeLayout();
    const ReportContext cContext = fixture.context(pLayout.get(), &painter.cPainter, damageInformation);
    CSectionPrintout part(cContext, fixture.cEntry);
    const PrintoutPageList pages = part.takePages();
    const auto tables = itemsOf<CCustomizedTablePrintoutItem>(*pages.front());
    const CCustomizedTablePrintoutItem &cTable = *tables.first();
    QCOMPARE(cTable.cellItemAt(2)->text(), caption);
    // Row 3 is the event row; its cells follow the caption's seven.
    QCOMPARE(cTable.cellItemAt(7 + 2)->text(), shown);
    for (int i = 7; i < 14; ++i)
        QCOMPARE(cTable.cellItemAt(i)->cell()->color(), colour);
}

void TestSectionPrintout::photoPages_data()
{
    QTest::addColumn<int>("perPage");
    QTest::addColumn<QStringList>("photos");
    QTest::addColumn<QList<int>>("picturesPerPage");
    const QStringList seven{"a_0001.jpg", "a_0002.jpg", "a_0003.jpg", "",
                            "a_0004.jpg", "a_0005.jpg", "a_0006.jpg", "a_0007.jpg"};
    QTest::addRow("seven photos at three per page") << 3 << seven << QList<int>{3, 3, 1};
    QTest::addRow("seven photos at one per page") << 1 << seven << QList<int>{1, 1, 1, 1, 1, 1, 1};
    QTest::addRow("no photo mode") << 0 << seven << QList<int>{};
    QTest::addRow("no photos") << 3 << QStringList{"", ""} << QList<int>{};
    QTest::addRow("hostile names still get a frame")
        << 3 << QStringList{"../../etc/passwd", "x/y.jpg"} << QList<int>{2};
}

void TestSectionPrintout::photoPages()
{
    QFETCH(int, perPage);
    QFETCH(QStringList, photos);
    QFETCH(QList<int>, picturesPerPage);
    PainterFixture painter;
    SectionFixture fixture;
    fixture.cEntry.iPhotosPerPage = perPage;
    fixture.cEntry.bSectionProtocol = false;
    // Photos are handed out two per event.
    for (int i = 0; i < photos.size(); i += 2)
        fixture.addEvent(static_cast<float>(i), QStringLiteral("Crack"), QString(), photos.at(i),
                         i + 1 < photos.size() ? photos.at(i + 1) : QString());
    const auto pLayout = makeLayout();
    const ReportContext cContext = fixture.context(pLayout.get(), &painter.cPainter, false);
    CSectionPrintout part(cContext, fixture.cEntry);
    const PrintoutPageList pages = part.takePages();
    QList<int> counts;
    for (const auto &pPage : pages) {
        QVERIFY(pPage->header());
        const auto pictures = itemsOf<CPicturePrintoutItem>(*pPage);
        counts.append(pictures.size());
        for (int i = 1; i < pictures.size(); ++i)
            QCOMPARE(pictures.at(i)->position().y(),
                     pictures.at(i - 1)->position().y() + pictures.at(i - 1)->height() + 1000);
        for (const CPicturePrintoutItem *pPicture : pictures)
            QVERIFY(!pPicture->photoPath().contains(QStringLiteral("..")));
    }
    QCOMPARE(counts, picturesPerPage);
}

// Section property captions in the section header come from the report's
// standard, never from the standard of the project that happens to be open.
void TestSectionPrintout::sectionPropertyCaptions_data()
{
    QTest::addColumn<bool>("bReportStandard");
    QTest::addColumn<bool>("bOpenProject");
    QTest::addColumn<QString>("label");
    QTest::addRow("report standard, no project open") << true << false << "START MANHOLE:";
    QTest::addRow("report standard, another one open") << true << true << "START MANHOLE:";
    QTest::addRow("no report standard, another one open") << false << true << "";
}

void TestSectionPrintout::sectionPropertyCaptions()
{
    QFETCH(bool, bReportStandard);
    QFETCH(bool, bOpenProject);
    QFETCH(QString, label);
    PainterFixture painter;
    SectionFixture fixture;
    fixture.cStandard.addSectionProperty(1, QStringLiteral("Start manhole"));
    auto pOpenStandard = std::make_unique<CInspectionStandard>();
    pOpenStandard->addSectionProperty(1, QStringLiteral("Node of the open project"));
    CProjectRuntimeData cOpen(fixture.cProject.get(),
                              std::make_unique<CProjectCatalogData>(std::move(pOpenStandard), nullptr, nullptr));
    setCurrentRuntimeData(bOpenProject ? &cOpen : nullptr);

    const auto pLayout = makeLayout();
    const LayoutTable *pSectionHeader = pLayout->sectionHeader();
    pLayout->cellLinks().add(pSectionHeader->cellAt(0, 0), FieldIds::sectionPropertyField(1), 1);
    ReportContext cContext = fixture.context(pLayout.get(), &painter.cPainter, false);
    if (!bReportStandard)
        cContext.cStandard = nullptr;
    CSectionPrintout part(cContext, fixture.cEntry);
    const PrintoutPageList pages = part.takePages();
    setCurrentRuntimeData(nullptr);

    const CLabeledTableCellItem *pCell = nullptr;
    for (const CTablePrintoutItem *pTable : itemsOf<CTablePrintoutItem>(*pages.front())) {
        if (pTable->tableLayout() == pSectionHeader)
            pCell = dynamic_cast<const CLabeledTableCellItem *>(pTable->cellItemAt(0));
    }
    QVERIFY(pCell);
    QCOMPARE(pCell->label(), label);
    QCOMPARE(pCell->text(), QStringLiteral("S1"));
}

QTEST_MAIN(TestSectionPrintout)
#include "tst_sectionprintout.moc"
