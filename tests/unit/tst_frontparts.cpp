#include "metadata/CInspectionStandard.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"
#include "report/ReportJobBuilder.h"
#include "report/ReportRun.h"
#include "report/items/CColourSwatchCellItem.h"
#include "report/items/CTablePrintoutItemBase.h"
#include "report/layout/CDamageClassList.h"
#include "report/layout/PrintoutLayout.h"
#include "report/paint/Pagination.h"
#include "report/parts/CContentsPrintout.h"
#include "report/parts/CDamageClassPrintout.h"
#include "report/parts/CPrintoutTextTranslator.h"
#include "report/parts/CSectionListPrintout.h"
#include "report/parts/PartPageCounts.h"
#include "report/parts/ReportContext.h"
#include "report/parts/ReportLogo.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>

using IntList = QList<int>;

namespace {

// A project of sections with the given ids, names and event positions.
struct SectionRows
{
    int iId;
    QString sName;
    QList<float> meters;
    QString sCity;
    QString sLocation;
};

std::unique_ptr<CCorvaneProject> makeProject(const QList<SectionRows> &rows)
{
    auto cProject = std::make_unique<CCorvaneProject>(new CPropertyList, new CPropertyList, new CPropertyList);
    for (const SectionRows &cRow : rows) {
        auto *cProperties = new CPropertyList;
        const auto addProperty = [cProperties](int iId, const QString &sValue) {
            auto *cProperty = new CProperty(iId);
            cProperty->setValue(sValue);
            cProperties->add(cProperty);
        };
        addProperty(3, QStringLiteral("No-%1").arg(cRow.iId));
        if (!cRow.sLocation.isEmpty())
            addProperty(13, cRow.sLocation);
        if (!cRow.sCity.isEmpty())
            addProperty(30, cRow.sCity);
        auto *cSection = new CInspectionSegment(cProject.get(), cProperties, cRow.iId);
        cSection->setName(cRow.sName);
        int iEvent = 1;
        for (const float fMeter : cRow.meters) {
            auto *cEvent = new CInspectionEvent(cSection, new CPropertyList, iEvent++);
            cEvent->setMeterValue(fMeter);
            cSection->addEvent(cEvent);
        }
        cProject->addSection(cSection);
    }
    return cProject;
}

std::unique_ptr<LayoutTable> makeTable(const QList<int> &rowHeights, int iCellsPerRow, int iWidth = 18000)
{
    auto pTable = std::make_unique<LayoutTable>(iWidth);
    for (const int iHeight : rowHeights) {
        LayoutRow *pRow = pTable->appendRow(iHeight);
        for (int i = 0; i < iCellsPerRow; ++i)
            pRow->appendCell(iCellsPerRow > 0 ? iWidth / iCellsPerRow : 0);
    }
    return pTable;
}

QStringList cellTexts(const CTablePrintoutItemBase *pTable)
{
    QStringList texts;
    for (int i = 0; pTable && i < pTable->cellItemCount(); ++i)
        texts << pTable->cellItemAt(i)->text();
    return texts;
}

// The body table of a front page (the first item below the header).
const CTablePrintoutItemBase *bodyTable(const PrintoutPage &cPage)
{
    return cPage.itemCount() > 0 ? dynamic_cast<const CTablePrintoutItemBase *>(cPage.itemAt(0)) : nullptr;
}

} // namespace

class TestFrontParts : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void rowsPerPage_data();
    void rowsPerPage();
    void overviewPagination_data();
    void overviewPagination();
    void paginationAlwaysProgresses_data();
    void paginationAlwaysProgresses();
    void contentsPagination_data();
    void contentsPagination();
    void pageCountTotal();
    void printoutTexts_data();
    void printoutTexts();
    void printoutTextUnits_data();
    void printoutTextUnits();

    void jobBuilder_data();
    void jobBuilder();
    void logoPaths_data();
    void logoPaths();
    void contentsNumbering_data();
    void contentsNumbering();
    void contentsPagesMatchNumbering_data();
    void contentsPagesMatchNumbering();
    void sectionOverviewColumns();
    void sectionOverviewPages_data();
    void sectionOverviewPages();
    void damageClassLegend_data();
    void damageClassLegend();
    void logoFiles_data();
    void logoFiles();
    void reportRunResult_data();
    void reportRunResult();
};

void TestFrontParts::rowsPerPage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("header");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("rows");
    QTest::addRow("A4 demo") << 27700 << 3000 << 600 << 40;
    QTest::addRow("Letter demo") << 25940 << 3000 << 600 << 37;
    QTest::addRow("zero row height") << 27700 << 3000 << 0 << 0;
    QTest::addRow("negative row height") << 27700 << 3000 << -600 << 0;
    QTest::addRow("row taller than page") << 27700 << 3000 << 90000 << -1;
    QTest::addRow("header taller than page") << 27700 << 40000 << 600 << -1;
    QTest::addRow("hostile sizes") << 27700 << -2147483647 << 1 << 1000000;
}

void TestFrontParts::rowsPerPage()
{
    QFETCH(int, page);
    QFETCH(int, header);
    QFETCH(int, row);
    QFETCH(int, rows);
    QCOMPARE(listRowsPerPage(page, header, row), rows);
}

void TestFrontParts::overviewPagination_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("rows");
    QTest::addColumn<IntList>("pages");
    QTest::addRow("43 entries") << 43 << 40 << IntList{35, 8};
    QTest::addRow("45 entries") << 45 << 40 << IntList{35, 10};
    QTest::addRow("46 entries") << 46 << 40 << IntList{40, 6};
    QTest::addRow("40 entries fit") << 40 << 40 << IntList{40};
    QTest::addRow("41 entries") << 41 << 40 << IntList{35, 6};
    QTest::addRow("three pages") << 90 << 40 << IntList{40, 40, 10};
    QTest::addRow("three pages, short end") << 84 << 40 << IntList{40, 35, 9};
    QTest::addRow("only captions and total") << 2 << 40 << IntList{2};
    QTest::addRow("no entries") << 0 << 40 << IntList{};
}

void TestFrontParts::overviewPagination()
{
    QFETCH(int, entries);
    QFETCH(int, rows);
    QFETCH(IntList, pages);
    QCOMPARE(overviewPageSizes(entries, rows), pages);
}

void TestFrontParts::paginationAlwaysProgresses_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pageCount");
    QTest::addRow("no rows fit") << 12 << 0 << 12;
    QTest::addRow("negative rows") << 12 << -1 << 12;
    QTest::addRow("one row") << 12 << 1 << 12;
    QTest::addRow("five rows") << 12 << 5 << 3;
    QTest::addRow("six rows") << 12 << 6 << 2;
    QTest::addRow("thousands of entries") << 5000 << 40 << 125;
}

// Whatever the layout's row heights, every page takes an entry and all
// entries are placed.
void TestFrontParts::paginationAlwaysProgresses()
{
    QFETCH(int, entries);
    QFETCH(int, rows);
    QFETCH(int, pageCount);
    QCOMPARE(overviewPageSizes(entries, rows).size(), pageCount);
    for (const IntList &pages : {overviewPageSizes(entries, rows), contentsPageSizes(entries, rows)}) {
        QCOMPARE(std::accumulate(pages.begin(), pages.end(), 0), entries);
        QVERIFY(std::all_of(pages.begin(), pages.end(), [](int n) { return n >= 1; }));
    }
}

void TestFrontParts::contentsPagination_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("rows");
    QTest::addColumn<IntList>("pages");
    QTest::addRow("one page") << 7 << 40 << IntList{7};
    QTest::addRow("exactly full") << 40 << 40 << IntList{40};
    QTest::addRow("spills over") << 43 << 40 << IntList{40, 3};
    QTest::addRow("row taller than page") << 3 << -1 << IntList{1, 1, 1};
}

void TestFrontParts::contentsPagination()
{
    QFETCH(int, entries);
    QFETCH(int, rows);
    QFETCH(IntList, pages);
    QCOMPARE(contentsPageSizes(entries, rows), pages);
}

void TestFrontParts::pageCountTotal()
{
    PartPageCounts counts;
    QCOMPARE(counts.total(), 0);
    counts.iProjectInformation = 1;
    counts.iContents = 2;
    counts.iSectionOverview = 3;
    counts.iDamageClassLegend = 1;
    counts.sectionPages = {4, 0, 5};
    QCOMPARE(counts.total(), 16);
}

void TestFrontParts::printoutTexts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    const QStringList texts = {"Project Information",
                               "Table Of Contents",
                               "Section List",
                               "Damage Class Legend",
                               "Section: ",
                               "Section Protocol",
                               "Page ",
                               "POSITION",
                               "DC",
                               "CODE",
                               "OBSERVATION",
                               "VIDEO POS",
                               "PHOTO",
                               "No.",
                               "Section",
                               "City",
                               "Street",
                               "Length",
                               "Length Total",
                               "Date",
                               "No data available",
                               "Altitude [m]",
                               "Inclination [%]",
                               "Inclination measured [%]: ",
                               "Inclination 0.00 %",
                               "Altitude [m]",
                               "Pipe",
                               "Position [m]",
                               "Inspection Direction",
                               "Flow Direction",
                               "Total"};
    for (int i = 0; i < texts.size(); ++i)
        QTest::addRow("kind %d", i + 1) << i + 1 << texts.at(i);
    QTest::addRow("kind 0") << 0 << QString();
    QTest::addRow("kind 32") << 32 << QString();
    QTest::addRow("negative kind") << -7 << QString();
}

void TestFrontParts::printoutTexts()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QCOMPARE(printoutText(kind), text);
    QCOMPARE(CPrintoutTextTranslator::instance(), CPrintoutTextTranslator::instance());
}

void TestFrontParts::printoutTextUnits_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addRow("US altitude axis") << "en_US" << 22 << "Altitude [ft]";
    QTest::addRow("US altitude legend") << "en_US" << 26 << "Altitude [ft]";
    QTest::addRow("US position") << "en_US" << 28 << "Position [ft]";
    QTest::addRow("US inclination stays percent") << "en_US" << 23 << "Inclination [%]";
    QTest::addRow("German position") << "de_DE" << 28 << "Position [m]";
    QTest::addRow("British position") << "en_GB" << 28 << "Position [m]";
}

void TestFrontParts::printoutTextUnits()
{
    QFETCH(QString, locale);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(printoutText(kind), text);
}

void TestFrontParts::jobBuilder_data()
{
    QTest::addColumn<int>("selection");
    QTest::addColumn<IntList>("keys");
    QTest::addColumn<int>("photos");
    QTest::addColumn<int>("damageClasses");
    QTest::addColumn<IntList>("expectedIds");
    QTest::addColumn<IntList>("unknown");
    QTest::addColumn<int>("expectedPhotos");
    QTest::addColumn<bool>("damage");
    QTest::addRow("defaults") << int(ReportChoices::AllSections) << IntList{} << 0 << 6 << IntList{10, 20, 30}
                              << IntList{} << 0 << true;
    QTest::addRow("standard without damage classes")
        << int(ReportChoices::AllSections) << IntList{} << 0 << 0 << IntList{10, 20, 30} << IntList{} << 0 << false;
    QTest::addRow("ids in the given order")
        << int(ReportChoices::SectionsById) << IntList{30, 10} << 1 << 6 << IntList{30, 10} << IntList{} << 1 << true;
    QTest::addRow("unknown id is reported") << int(ReportChoices::SectionsById) << IntList{20, 99, 10} << 3 << 6
                                            << IntList{20, 10} << IntList{99} << 3 << true;
    QTest::addRow("indexes as the dialog keeps them") << int(ReportChoices::SectionsByIndex) << IntList{2, 0, 5} << 0
                                                      << 6 << IntList{30, 10} << IntList{5} << 0 << true;
    QTest::addRow("no section chosen") << int(ReportChoices::SectionsById) << IntList{} << 0 << 6 << IntList{}
                                       << IntList{} << 0 << true;
    QTest::addRow("photo mode 2 means none")
        << int(ReportChoices::AllSections) << IntList{} << 2 << 6 << IntList{10, 20, 30} << IntList{} << 0 << true;
}

void TestFrontParts::jobBuilder()
{
    QFETCH(int, selection);
    QFETCH(IntList, keys);
    QFETCH(int, photos);
    QFETCH(int, damageClasses);
    QFETCH(IntList, expectedIds);
    QFETCH(IntList, unknown);
    QFETCH(int, expectedPhotos);
    QFETCH(bool, damage);

    const auto cProject = makeProject({{10, "A", {}, {}, {}}, {20, "B", {}, {}, {}}, {30, "C", {}, {}, {}}});
    CInspectionStandard cStandard;
    for (int i = 0; i < damageClasses; ++i)
        cStandard.addDamageClass(QString::number(i));
    PrintoutLayout cLayout;
    ReportChoices cChoices;
    cChoices.eSelection = ReportChoices::SectionSelection(selection);
    cChoices.sectionKeys = keys;
    cChoices.iPhotosPerPage = photos;
    QList<int> unknownKeys;
    const auto cJob = buildReportJob(cChoices, cProject.get(), &cLayout, &cStandard, nullptr, &unknownKeys);

    QCOMPARE(unknownKeys, unknown);
    QList<int> ids;
    for (int i = 0; i < cJob->sectionCount(); ++i) {
        const SectionEntry *cEntry = cJob->sectionAt(i);
        ids << cEntry->cSection->id();
        QCOMPARE(cEntry->iPhotosPerPage, expectedPhotos);
        QVERIFY(cEntry->bSectionProtocol && cEntry->bInclinationProtocol && cEntry->bInclinationGraph);
    }
    QCOMPARE(ids, expectedIds);
    QCOMPARE(cJob->cProject, cProject.get());
    QCOMPARE(cJob->cLayout, &cLayout);
    QVERIFY(cJob->bProjectInformation && cJob->bTableOfContents && cJob->bSectionOverview);
    QCOMPARE(cJob->bDamageInformation, damage);
    QCOMPARE(cJob->bDamageClassLegend, damage);
}

void TestFrontParts::logoPaths_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("text");
    QTest::addRow("no directory") << ""
                                  << ""
                                  << "";
    QTest::addRow("with slash") << "/p/start/"
                                << "/p/start/logo.bmp"
                                << "/p/start/logo.txt";
    QTest::addRow("without slash") << "/p/start"
                                   << "/p/start/logo.bmp"
                                   << "/p/start/logo.txt";
}

void TestFrontParts::logoPaths()
{
    QFETCH(QString, directory);
    QFETCH(QString, image);
    QFETCH(QString, text);
    const auto cProject = makeProject({});
    ReportChoices cChoices;
    cChoices.sLogoDirectory = directory;
    cChoices.bProjectInformation = false;
    cChoices.bDamageClassLegend = false;
    const auto cJob = buildReportJob(cChoices, cProject.get(), nullptr, nullptr, nullptr);
    QCOMPARE(cJob->sLogoImagePath, image);
    QCOMPARE(cJob->sLogoTextPath, text);
    QVERIFY(!cJob->bProjectInformation);
    QVERIFY(!cJob->bDamageClassLegend);
    QCOMPARE(cJob->sectionCount(), 0);
}

// Page counts of the parts -> the numbered contents entries.
void TestFrontParts::contentsNumbering_data()
{
    QTest::addColumn<int>("projectInfo");
    QTest::addColumn<int>("overview");
    QTest::addColumn<int>("legend");
    QTest::addColumn<IntList>("sectionPages");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("contentsPages");
    QTest::addRow("every part") << 1 << 2 << 1 << IntList{3, 1} << 40
                                << QStringList{"Project Information|1", "Table Of Contents|2", "Section List|3",
                                               "Damage Class Legend|5", "Section: A|6",        "Section: B|9"}
                                << 1;
    QTest::addRow("no project information")
        << 0 << 1 << 0 << IntList{2} << 40 << QStringList{"Table Of Contents|1", "Section List|2", "Section: A|3"} << 1;
    QTest::addRow("section without pages keeps later numbers")
        << 1 << 1 << 1 << IntList{0, 4, 0} << 40
        << QStringList{"Project Information|1", "Table Of Contents|2", "Section List|3", "Damage Class Legend|4",
                       "Section: B|5"}
        << 1;
    // Seven entries on two rows per page: four contents pages.
    QTest::addRow("contents over three pages")
        << 1 << 1 << 1 << IntList{1, 1, 1} << 2
        << QStringList{"Project Information|1", "Table Of Contents|2", "Section List|6", "Damage Class Legend|7",
                       "Section: A|8",          "Section: B|9",        "Section: C|10"}
        << 4;
    // More pages in the other parts than rows per contents page: the count
    // follows the entries, not the pages.
    QTest::addRow("long sections, short contents")
        << 1 << 3 << 1 << IntList{50, 60} << 40
        << QStringList{"Project Information|1", "Table Of Contents|2", "Section List|3",
                       "Damage Class Legend|6", "Section: A|7",        "Section: B|57"}
        << 1;
    QTest::addRow("rows taller than the page")
        << 1 << 0 << 0 << IntList{} << 0 << QStringList{"Project Information|1", "Table Of Contents|2"} << 2;
}

void TestFrontParts::contentsNumbering()
{
    QFETCH(int, projectInfo);
    QFETCH(int, overview);
    QFETCH(int, legend);
    QFETCH(IntList, sectionPages);
    QFETCH(int, rows);
    QFETCH(QStringList, entries);
    QFETCH(int, contentsPages);

    const auto cProject = makeProject({{1, "A", {}, {}, {}}, {2, "B", {}, {}, {}}, {3, "C", {}, {}, {}}});
    ReportChoices cChoices;
    cChoices.eSelection = ReportChoices::SectionsByIndex;
    for (int i = 0; i < sectionPages.size(); ++i)
        cChoices.sectionKeys << i;
    const auto cJob = buildReportJob(cChoices, cProject.get(), nullptr, nullptr, nullptr);
    PartPageCounts cCounts;
    cCounts.iProjectInformation = projectInfo;
    cCounts.iSectionOverview = overview;
    cCounts.iDamageClassLegend = legend;
    cCounts.sectionPages = sectionPages;

    QStringList actual;
    const ReportContext cContext = reportContextOf(*cJob, ReportLogo(), nullptr);
    for (const ContentsEntry &cEntry : CContentsPrintout::entries(cContext, cCounts, rows))
        actual << cEntry.sTitle + QLatin1Char('|') + QString::number(cEntry.iPage);
    QCOMPARE(actual, entries);
    QCOMPARE(cCounts.iContents, contentsPages);
}

// The contents part produces exactly the number of pages its numbering
// counted, for any row height of the layout.
void TestFrontParts::contentsPagesMatchNumbering_data()
{
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<int>("sections");
    QTest::addRow("roomy rows") << 600 << 12;
    QTest::addRow("four rows per page") << 4900 << 12;
    QTest::addRow("row taller than page") << 40000 << 3;
    QTest::addRow("zero height") << 0 << 3;
    QTest::addRow("negative height") << -500 << 3;
}

void TestFrontParts::contentsPagesMatchNumbering()
{
    QFETCH(int, rowHeight);
    QFETCH(int, sections);
    QList<SectionRows> rows;
    for (int i = 0; i < sections; ++i)
        rows.append({i + 1, QStringLiteral("S%1").arg(i + 1), {}, {}, {}});
    const auto cProject = makeProject(rows);
    PrintoutLayout cLayout;
    cLayout.setTable(PrintoutLayout::ProjectPageHeader, makeTable({3000}, 2));
    cLayout.setTable(PrintoutLayout::TableOfContents, makeTable({rowHeight}, 2));
    const auto cJob = buildReportJob(ReportChoices(), cProject.get(), &cLayout, nullptr, nullptr);
    PartPageCounts cCounts;
    cCounts.iProjectInformation = 1;
    cCounts.iSectionOverview = 1;
    cCounts.sectionPages = IntList(sections, 2);
    const ReportContext cContext = reportContextOf(*cJob, ReportLogo(), nullptr);
    CContentsPrintout cPart(cContext, cCounts);
    const PrintoutPageList pages = cPart.takePages();
    QCOMPARE(int(pages.size()), cCounts.iContents);
    int iEntries = 0;
    for (const auto &pPage : pages) {
        const QStringList texts = cellTexts(bodyTable(*pPage));
        QVERIFY(!texts.isEmpty());
        iEntries += int(texts.size()) / 2;
    }
    QCOMPARE(iEntries, sections + 3);
}

void TestFrontParts::sectionOverviewColumns()
{
    QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    const auto cProject = makeProject(
        {{1, "S-1", {0.0f, 12.5f}, "Ostrel", "Field"}, {2, "S-2", {3.0f}, "", "Riverside"}, {3, "S-3", {}, "", ""}});
    const auto cJob = buildReportJob(ReportChoices(), cProject.get(), nullptr, nullptr, nullptr);
    const QList<QStringList> columns = CSectionListPrintout::columns(reportContextOf(*cJob, ReportLogo(), nullptr));
    QCOMPARE(columns.size(), 7);
    QCOMPARE(columns.at(0), (QStringList{"No.", "No-1", "No-2", "No-3", ""}));
    // The total row says what it is.
    QCOMPARE(columns.at(1), (QStringList{"Section", "S-1", "S-2", "S-3", "Total"}));
    // The city falls back to the location.
    QCOMPARE(columns.at(2), (QStringList{"City", "Ostrel", "Riverside", "", ""}));
    QCOMPARE(columns.at(4), (QStringList{"Length", "12.50 m", "3.00 m", "0.00 m", "15.50 m"}));
    QCOMPARE(columns.at(5), (QStringList{"Length Total", "12.50 m", "15.50 m", "15.50 m", "15.50 m"}));
    QCOMPARE(columns.at(6).first(), QStringLiteral("Date"));
}

// Sections -> entries per overview page; the first page starts with the
// caption row, the last ends with the total row.
void TestFrontParts::sectionOverviewPages_data()
{
    QTest::addColumn<int>("sections");
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<IntList>("rowsPerPage");
    // (27700 - 3000) / 600 - 1 = 40 rows per page.
    QTest::addRow("one page") << 10 << 600 << IntList{12};
    QTest::addRow("43 entries") << 41 << 600 << IntList{35, 8};
    QTest::addRow("46 entries") << 44 << 600 << IntList{40, 6};
    QTest::addRow("row taller than page") << 2 << 90000 << IntList{1, 1, 1, 1};
    QTest::addRow("zero row height") << 1 << 0 << IntList{1, 1, 1};
}

void TestFrontParts::sectionOverviewPages()
{
    QFETCH(int, sections);
    QFETCH(int, rowHeight);
    QFETCH(IntList, rowsPerPage);
    QList<SectionRows> rows;
    for (int i = 0; i < sections; ++i)
        rows.append({i + 1, QStringLiteral("S%1").arg(i + 1), {0.0f, 1.0f}, {}, {}});
    const auto cProject = makeProject(rows);
    PrintoutLayout cLayout;
    cLayout.setTable(PrintoutLayout::ProjectPageHeader, makeTable({3000}, 1));
    cLayout.setTable(PrintoutLayout::SectionList, makeTable({rowHeight, rowHeight, rowHeight}, 7));
    const auto cJob = buildReportJob(ReportChoices(), cProject.get(), &cLayout, nullptr, nullptr);
    const ReportContext cContext = reportContextOf(*cJob, ReportLogo(), nullptr);
    CSectionListPrintout cPart(cContext);
    const PrintoutPageList pages = cPart.takePages();
    IntList actual;
    for (const auto &pPage : pages)
        actual << bodyTable(*pPage)->tableLayout()->rowCount();
    QCOMPARE(actual, rowsPerPage);
    const QStringList first = cellTexts(bodyTable(*pages.front()));
    QCOMPARE(first.value(0), QStringLiteral("No."));
    const QStringList last = cellTexts(bodyTable(*pages.back()));
    QCOMPARE(last.value(last.size() - 2), QStringLiteral("%1.00 m").arg(sections));
}

// Legend rows of the layout x damage classes of the standard.
void TestFrontParts::damageClassLegend_data()
{
    QTest::addColumn<int>("layoutRows");
    QTest::addColumn<int>("cellsPerRow");
    QTest::addColumn<QStringList>("classes");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("swatches");
    QTest::addRow("text and colour") << 3 << 2 << QStringList{"0", "1", "2"}
                                     << QStringList{"No defect", "0", "Minor", "1", "Severe", "2"} << 3;
    QTest::addRow("fewer rows than classes")
        << 2 << 1 << QStringList{"0", "1", "2"} << QStringList{"No defect", "Minor"} << 0;
    QTest::addRow("unknown class value") << 2 << 2 << QStringList{"0", "9"} << QStringList{"No defect", "0", ""} << 1;
    QTest::addRow("rows without cells") << 3 << 0 << QStringList{"0", "1"} << QStringList{} << 0;
    QTest::addRow("no rows") << 0 << 2 << QStringList{"0", "1"} << QStringList{} << 0;
    QTest::addRow("no classes") << 3 << 2 << QStringList{} << QStringList{} << 0;
}

void TestFrontParts::damageClassLegend()
{
    QFETCH(int, layoutRows);
    QFETCH(int, cellsPerRow);
    QFETCH(QStringList, classes);
    QFETCH(QStringList, texts);
    QFETCH(int, swatches);
    const auto cProject = makeProject({});
    CInspectionStandard cStandard;
    for (const QString &sValue : classes)
        cStandard.addDamageClass(sValue);
    CDamageClassList cList;
    cList.append(DamageClassLegendEntry("0", QColor(0, 160, 0), "No defect"));
    cList.append(DamageClassLegendEntry("1", QColor(255, 192, 0), "Minor"));
    cList.append(DamageClassLegendEntry("2", QColor(255, 0, 0), "Severe"));
    PrintoutLayout cLayout;
    cLayout.setTable(PrintoutLayout::DamageClassLegend, makeTable(IntList(layoutRows, 800), cellsPerRow, 9000));
    const auto cJob = buildReportJob(ReportChoices(), cProject.get(), &cLayout, &cStandard, &cList);
    const ReportContext cContext = reportContextOf(*cJob, ReportLogo(), nullptr);
    CDamageClassPrintout cPart(cContext);
    const PrintoutPageList pages = cPart.takePages();
    QCOMPARE(int(pages.size()), 1);
    const CTablePrintoutItemBase *pBody = bodyTable(*pages.front());
    QVERIFY(pBody);
    QCOMPARE(cellTexts(pBody), texts);
    int iSwatches = 0;
    for (int i = 0; i < pBody->cellItemCount(); ++i) {
        if (const auto *pSwatch = dynamic_cast<const CColourSwatchCellItem *>(pBody->cellItemAt(i))) {
            QCOMPARE(pSwatch->colour(), cList.entryAt(iSwatches)->color());
            ++iSwatches;
        }
    }
    QCOMPARE(iSwatches, swatches);
}

void TestFrontParts::logoFiles_data()
{
    QTest::addColumn<QByteArray>("imageBytes");
    QTest::addColumn<QByteArray>("textBytes");
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<int>("textLength");
    QTest::addRow("no files") << QByteArray() << QByteArray() << QSize() << 0;
    QTest::addRow("not an image") << QByteArray("this is text, not a bitmap") << QByteArray("Office\nStreet 1")
                                  << QSize() << 15;
    QTest::addRow("10 MB of text") << QByteArray() << QByteArray(10 * 1024 * 1024, 'x') << QSize() << 4096;
    QTest::addRow("wide image") << QByteArray("wide") << QByteArray() << QSize(4500, 450) << 0;
    QTest::addRow("tall image") << QByteArray("tall") << QByteArray() << QSize(425, 1700) << 0;
}

void TestFrontParts::logoFiles()
{
    QFETCH(QByteArray, imageBytes);
    QFETCH(QByteArray, textBytes);
    QFETCH(QSize, imageSize);
    QFETCH(int, textLength);
    QTemporaryDir cDir;
    const QString sImage = cDir.filePath("logo.bmp");
    const QString sText = cDir.filePath("logo.txt");
    if (imageBytes == "wide" || imageBytes == "tall") {
        QImage cImage(imageBytes == "wide" ? QSize(200, 20) : QSize(20, 80), QImage::Format_RGB32);
        cImage.fill(Qt::red);
        QVERIFY(cImage.save(sImage, "BMP"));
    } else if (!imageBytes.isEmpty()) {
        QFile cFile(sImage);
        QVERIFY(cFile.open(QIODevice::WriteOnly));
        cFile.write(imageBytes);
    }
    if (!textBytes.isEmpty()) {
        QFile cFile(sText);
        QVERIFY(cFile.open(QIODevice::WriteOnly));
        cFile.write(textBytes.replace("\\n", "\n"));
    }
    const ReportLogo cLogo = loadReportLogo(sImage, sText);
    QCOMPARE(cLogo.image.size(), imageSize.isValid() ? imageSize : QSize(0, 0));
    QCOMPARE(cLogo.sText.size(), textLength);
    const ReportLogo cEmpty = loadReportLogo(QString(), QString());
    QVERIFY(cEmpty.image.isNull() && cEmpty.sText.isEmpty());
}

// Where the job writes -> what the run tells its caller, and whether a file
// exists afterwards.
void TestFrontParts::reportRunResult_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("withLayout");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("fileWritten");
    QTest::addRow("written") << "out.pdf" << true << int(ReportResult::Written) << true;
    QTest::addRow("no layout") << "out.pdf" << false << int(ReportResult::IncompleteJob) << false;
    QTest::addRow("no output name") << "" << true << int(ReportResult::IncompleteJob) << false;
    QTest::addRow("missing directory") << "missing/out.pdf" << true << int(ReportResult::CannotOpenOutput) << false;
    QTest::addRow("directory in the file's place") << "dir.pdf" << true << int(ReportResult::CannotOpenOutput) << false;
}

void TestFrontParts::reportRunResult()
{
    QFETCH(QString, output);
    QFETCH(bool, withLayout);
    QFETCH(int, result);
    QFETCH(bool, fileWritten);
    QTemporaryDir cDir;
    QVERIFY(QDir(cDir.path()).mkdir("dir.pdf"));
    const auto cProject = makeProject({{1, "S-1", {0.0f, 3.0f}, {}, {}}, {2, "S-2", {}, {}, {}}});
    CInspectionStandard cStandard;
    cStandard.addDamageClass("0");
    PrintoutLayout cLayout;
    cLayout.setTable(PrintoutLayout::ProjectPageHeader, makeTable({3000}, 1));
    cLayout.setTable(PrintoutLayout::SectionList, makeTable({600, 600, 600}, 7));
    cLayout.setTable(PrintoutLayout::TableOfContents, makeTable({600}, 2));
    ReportChoices cChoices;
    cChoices.bSectionProtocol = false;
    cChoices.bInclinationProtocol = false;
    cChoices.sOutputFileName = output.isEmpty() ? QString() : cDir.filePath(output);
    const auto cJob = buildReportJob(cChoices, cProject.get(), withLayout ? &cLayout : nullptr, &cStandard, nullptr);
    QStringList steps;
    const ReportResult eResult = runReport(*cJob, [&steps](const ReportProgress &cStep) {
        steps << (cStep.eStep == ReportProgress::PartBuilt ? cStep.sPart : QStringLiteral("page"))
                     + QStringLiteral(" %1/%2").arg(cStep.iCurrent).arg(cStep.iCount);
    });
    QCOMPARE(int(eResult), result);
    QCOMPARE(QFileInfo(cDir.filePath("out.pdf")).isFile(), fileWritten);
    QVERIFY(!QFileInfo::exists(cDir.filePath("missing")));
    if (!fileWritten) {
        QVERIFY(steps.isEmpty());
        return;
    }
    // Parts in build order with their page counts, then every page printed.
    QCOMPARE(steps, (QStringList{"Project Information 0/1", "Section List 0/1", "Damage Class Legend 0/1",
                                 "Section: S-1 1/0", "Section: S-2 2/0", "Table Of Contents 0/1", "page 1/4",
                                 "page 2/4", "page 3/4", "page 4/4"}));
}

QTEST_MAIN(TestFrontParts)
#include "tst_frontparts.moc"
