#include "metadata/CCatalogRegistry.h"
#include "metadata/CInspectionStandard.h"
#include "metadata/InspectionStandardLoader.h"
#include "report/layout/CDamageClassList.h"
#include "report/layout/PrintoutLayout.h"
#include "report/layout/PrintoutLayoutReader.h"

#include "TestHelpers.h"

#include <QTest>

#include <memory>

// The catalog files installed beside the programs must work together: the
// registry finds the demo catalog, and its standard, printout data and
// layout load and fit an A4 page.
namespace {
constexpr int kPageWidth = 18000;
constexpr int kPageHeight = 27700;

QString installed(const QString &sRelative)
{
    return TestHelpers::installDir() + QLatin1Char('/') + sRelative;
}

// Whether the id addresses a field the queries answer for.
bool isKnownField(int iId)
{
    return (iId >= 1000001 && iId <= 1000034) || (iId >= 1001100 && iId <= 1001183)
           || (iId >= 1002000 && iId <= 1202036);
}
} // namespace

class TestDemoCatalog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void registry();
    void standard();
    void damageClasses();
    void groupsPresent_data();
    void groupsPresent();
    void tablesFitTheirPage_data();
    void tablesFitTheirPage();
    void eventColumns();
    void inclinationPage();

private:
    const CCatalogRecord *m_pCatalog = nullptr;
    std::unique_ptr<CCatalogRegistry> m_pRegistry;
    std::unique_ptr<PrintoutLayout> m_pLayout;
};

void TestDemoCatalog::initTestCase()
{
    m_pRegistry = std::make_unique<CCatalogRegistry>(installed(QStringLiteral("Locales.dat")),
                                                     installed(QStringLiteral("Catalogs.dat")));
    m_pCatalog = m_pRegistry->findCatalog(QStringLiteral("OSTREL-DEMO"));
    QVERIFY(m_pCatalog);
    m_pLayout = readPrintoutLayout(installed(QStringLiteral("PrintoutLayouts/") + m_pCatalog->sPrintoutLayoutFileName));
    QVERIFY(m_pLayout);
}

void TestDemoCatalog::registry()
{
    QCOMPARE(m_pCatalog->sOfficialName, QStringLiteral("Ostrel Demo Coding (EN 13508-2)"));
    QCOMPARE(m_pCatalog->iFormat, int(CCatalogRecord::FormatOstrel));
    QCOMPARE(m_pCatalog->sBaseFileName, QStringLiteral("OstrelDemo.std"));
    QCOMPARE(m_pCatalog->sPrintoutDataFile, QStringLiteral("OstrelDemo.pod"));
    QCOMPARE(m_pCatalog->sPrintoutLayoutFileName, QStringLiteral("OstrelDemo_A4.lay"));
    // The disabled catalog and the one of an unknown format are left out.
    QCOMPARE(int(m_pRegistry->catalogs().size()), 1);
    QVERIFY(!m_pRegistry->findCatalog(QStringLiteral("OSTREL-DEMO-1998")));
    QVERIFY(!m_pRegistry->findCatalog(QStringLiteral("SEWERLINE-STD")));
}

void TestDemoCatalog::standard()
{
    const auto pStandard =
        loadInspectionStandard(installed(QStringLiteral("CatalogBaseData/") + m_pCatalog->sBaseFileName));
    QVERIFY(pStandard);
    QCOMPARE(pStandard->sectionPropertyCount(), 81);
    for (int iId = 1; iId <= 81; ++iId)
        QVERIFY2(!pStandard->sectionPropertyDescription(iId).isEmpty(), qPrintable(QString::number(iId)));
    QCOMPARE(pStandard->sectionPropertyDescription(1), QStringLiteral("Start node"));
    QCOMPARE(pStandard->sectionPropertyDescription(4), QStringLiteral("Inspection direction"));
    QCOMPARE(pStandard->sectionPropertyDescription(6), QStringLiteral("Pipe diameter"));
    QCOMPARE(pStandard->sectionPropertyDescription(30), QStringLiteral("City"));
    QCOMPARE(pStandard->damageClassCount(), 6);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(pStandard->damageClassAt(i), QString::number(i));
    QCOMPARE(pStandard->textDelimiter(), QStringLiteral("|"));
    QCOMPARE(pStandard->directionText(CInspectionStandard::InDirection), QStringLiteral("D"));
    QCOMPARE(pStandard->directionText(CInspectionStandard::AgainstDirection), QStringLiteral("U"));
    QCOMPARE(pStandard->usesDefaultNodeConvention(), 0);
    QCOMPARE(pStandard->manholeAltitudeUnit(), QStringLiteral("m"));
    QCOMPARE(pStandard->pipeDiameterUnit(), QStringLiteral("mm"));
}

void TestDemoCatalog::damageClasses()
{
    const auto pStandard =
        loadInspectionStandard(installed(QStringLiteral("CatalogBaseData/") + m_pCatalog->sBaseFileName));
    const auto pClasses =
        readCatalogPrintoutData(installed(QStringLiteral("CatalogPrintoutData/") + m_pCatalog->sPrintoutDataFile));
    QVERIFY(pStandard);
    QVERIFY(pClasses);
    QCOMPARE(pClasses->count(), pStandard->damageClassCount());
    QCOMPARE(pClasses->damageClassText(QStringLiteral("0")), QStringLiteral("No defect"));
    QCOMPARE(pClasses->damageClassText(QStringLiteral("5")), QStringLiteral("Immediate action required"));
    QColor cPrevious;
    for (int i = 0; i < pStandard->damageClassCount(); ++i) {
        const QString sValue = pStandard->damageClassAt(i);
        QColor cColour;
        QVERIFY2(pClasses->damageClassColour(sValue, &cColour), qPrintable(sValue));
        QVERIFY(!pClasses->damageClassText(sValue).isEmpty());
        // Event rows print in these colours on white paper: none may be pale.
        QVERIFY2(cColour.lightness() < 160, qPrintable(sValue));
        QVERIFY(cColour != cPrevious);
        cPrevious = cColour;
    }
    QColor cLast;
    pClasses->damageClassColour(QStringLiteral("5"), &cLast);
    QVERIFY(cLast.red() > 150 && cLast.green() < 60);
    // The legend has a row for every class: its text, then its colour key.
    const LayoutTable *pLegend = m_pLayout->damageClassLegend();
    QVERIFY(pLegend->rowCount() >= pStandard->damageClassCount());
    for (int i = 0; i < pStandard->damageClassCount(); ++i) {
        QVERIFY(pLegend->cellAt(i, 0));
        QVERIFY(pLegend->cellAt(i, 1));
        QVERIFY(pLegend->cellAt(i, 0)->width() > 2 * pLegend->cellAt(i, 1)->width());
    }
}

void TestDemoCatalog::groupsPresent_data()
{
    QTest::addColumn<int>("group");
    for (int i = 0; i < PrintoutLayout::GroupCount; ++i)
        QTest::addRow("%s", qPrintable(PrintoutLayout::groupName(i))) << i;
}

void TestDemoCatalog::groupsPresent()
{
    QFETCH(int, group);
    const PrintoutLayout &cLayout = *m_pLayout;
    if (const LayoutTable *pTable = cLayout.table(group)) {
        QVERIFY(pTable->width() > 0);
        QVERIFY(pTable->rowCount() > 0);
        QVERIFY(pTable->height() > 0);
        QVERIFY(pTable->rowAt(0)->cellCount() > 0);
        return;
    }
    switch (group) {
    case PrintoutLayout::PageFooter:
        QVERIFY(!cLayout.pageFooter()->rect().isEmpty());
        QVERIFY(cLayout.pageFooter()->textPosition().y() > 0);
        break;
    case PrintoutLayout::EventPosIndicator:
        QVERIFY(cLayout.eventPosIndicator()->width1() > 0 && cLayout.eventPosIndicator()->width2() > 0
                && cLayout.eventPosIndicator()->width3() > 0);
        break;
    case PrintoutLayout::SectionGraphic:
        QVERIFY(cLayout.sectionGraphic()->circleDiameter() > cLayout.sectionGraphic()->lineDistance());
        QVERIFY(cLayout.sectionGraphic()->lineDistance() > 0);
        QVERIFY(cLayout.sectionGraphic()->maxNodeTextWidth() > 0);
        break;
    case PrintoutLayout::InclinationGrid: {
        const InclinationGridLayout *pGrid = cLayout.inclinationGrid();
        QVERIFY(!pGrid->rect().isEmpty());
        QVERIFY(!pGrid->plotRect().isEmpty());
        QVERIFY(pGrid->rect().contains(pGrid->plotRect()));
        QVERIFY(pGrid->xSections() > 1 && pGrid->ySections() > 1);
        QVERIFY(pGrid->borderWidth() > 0 && pGrid->lineWidth() > 0 && pGrid->fontSize() > 0);
        QVERIFY(pGrid->borderStyle() > 0 && pGrid->lineStyle() > 0);
        break;
    }
    case PrintoutLayout::InclinationGraph:
    case PrintoutLayout::InclinationZeroGraph:
    case PrintoutLayout::AltitudeGraph:
    case PrintoutLayout::InclinationPipe: {
        const GraphPenLayout *pPen = group == PrintoutLayout::InclinationGraph       ? cLayout.inclinationGraph()
                                     : group == PrintoutLayout::InclinationZeroGraph ? cLayout.inclinationZeroGraph()
                                     : group == PrintoutLayout::AltitudeGraph        ? cLayout.altitudeGraph()
                                                                                     : cLayout.inclinationPipe();
        QVERIFY(pPen->width() > 0);
        QVERIFY(pPen->style() > 0);
        break;
    }
    case PrintoutLayout::InclinationLegend:
        QVERIFY(!cLayout.inclinationLegend()->rect().isEmpty());
        QVERIFY(cLayout.inclinationLegend()->fontSize() > 0);
        break;
    default: QFAIL("group without a check");
    }
}

void TestDemoCatalog::tablesFitTheirPage_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("width");
    for (int i = 0; i < PrintoutLayout::GroupCount; ++i) {
        if (!PrintoutLayout::isTableGroup(i))
            continue;
        // The inclination page is drawn rotated, so its header runs along
        // the page's height.
        const int iWidth = i == PrintoutLayout::InclinationHeader ? kPageHeight - 500 : kPageWidth;
        QTest::addRow("%s", qPrintable(PrintoutLayout::groupName(i))) << i << iWidth;
    }
}

void TestDemoCatalog::tablesFitTheirPage()
{
    QFETCH(int, group);
    QFETCH(int, width);
    const LayoutTable *pTable = m_pLayout->table(group);
    QVERIFY(pTable->width() <= width);
    QVERIFY(m_pLayout->projectPageHeader()->height() + 500 + pTable->height() <= kPageHeight);
    for (int r = 0; r < pTable->rowCount(); ++r) {
        const LayoutRow *pRow = pTable->rowAt(r);
        QVERIFY(pRow->height() > 0);
        int iUsed = 0;
        for (int c = 0; c < pRow->cellCount(); ++c) {
            const LayoutCell *pCell = pRow->cellAt(c);
            // No cell was clipped away and every text is legible.
            QVERIFY2(pCell->width() > 0, qPrintable(QStringLiteral("row %1 cell %2").arg(r).arg(c)));
            QVERIFY(pCell->fontSize() >= 12);
            iUsed += pCell->width();
            const LayoutCellLink cLink = m_pLayout->lookup(pCell);
            QVERIFY(cLink.iLinkType >= 0 && cLink.iLinkType <= 3);
            if (cLink.iLinkType != 0)
                QVERIFY2(isKnownField(cLink.iFieldId), qPrintable(QString::number(cLink.iFieldId)));
        }
        // Rows with cells span the whole table.
        if (pRow->cellCount() > 0)
            QCOMPARE(iUsed, pTable->width());
    }
}

void TestDemoCatalog::eventColumns()
{
    // Caption row, every event row and the no-events row copy these cells:
    // scale, position, damage class, code, observation, video position, photo.
    const LayoutRow *pTemplate = m_pLayout->event()->rowAt(0);
    QCOMPARE(pTemplate->cellCount(), 7);
    const int iScaleColumn = m_pLayout->sectionGraphic()->circleDiameter() + m_pLayout->eventPosIndicator()->width1()
                             + m_pLayout->eventPosIndicator()->width2() + m_pLayout->eventPosIndicator()->width3();
    QCOMPARE(pTemplate->cellAt(0)->width(), iScaleColumn);
    QVERIFY(pTemplate->cellAt(4)->width() >= 5000);
    QCOMPARE(m_pLayout->lookup(pTemplate->cellAt(4)).iFieldId, 1002000);
    QCOMPARE(m_pLayout->lookup(pTemplate->cellAt(2)).iFieldId, 1202007);
    const LayoutRow *pNoEvents = m_pLayout->noEvents()->rowAt(0);
    QVERIFY(pNoEvents->cellAt(1));
    QCOMPARE(pNoEvents->cellAt(0)->width(), iScaleColumn);
    // The section list has caption, data and total templates of 7 columns.
    QCOMPARE(m_pLayout->sectionList()->rowCount(), 3);
    for (int r = 0; r < 3; ++r)
        QCOMPARE(m_pLayout->sectionList()->rowAt(r)->cellCount(), 7);
    // Photo frames: "Photo File" and the file name have their cells.
    QVERIFY(m_pLayout->bigPicture()->cellAt(1, 1));
    QVERIFY(m_pLayout->smallPicture()->cellAt(0, 3));
    QCOMPARE(m_pLayout->lookup(m_pLayout->bigPicture()->cellAt(1, 0)).iLinkType, 0);
    QCOMPARE(m_pLayout->lookup(m_pLayout->smallPicture()->cellAt(0, 3)).iLinkType, 0);
    // Rows per page of the contents and the overview stay above 5.
    const int iBody = kPageHeight - m_pLayout->projectPageHeader()->height();
    QVERIFY(iBody / m_pLayout->tableOfContents()->rowAt(0)->height() - 1 > 5);
    QVERIFY(iBody / m_pLayout->sectionList()->rowAt(0)->height() - 1 > 5);
    // The footer lies in the bottom margin: 10 mm below the page area.
    QVERIFY(m_pLayout->pageFooter()->rect().height() <= 1000);
    QCOMPARE(m_pLayout->pageFooter()->rect().width(), kPageWidth);
}

void TestDemoCatalog::inclinationPage()
{
    // Rotated landscape page: header, grid and legend stacked across the
    // page's width, each along its height.
    const int iHeader = m_pLayout->inclinationHeader()->height();
    const QRect cGrid = m_pLayout->inclinationGrid()->rect();
    const QRect cLegend = m_pLayout->inclinationLegend()->rect();
    QVERIFY(iHeader + cGrid.height() <= cLegend.y());
    QVERIFY(cLegend.y() + cLegend.height() <= kPageWidth);
    QVERIFY(cGrid.width() <= kPageHeight - 500);
    QVERIFY(cLegend.x() >= 0 && cLegend.x() + cLegend.width() <= kPageHeight - 500);
    // Four legend entries need room for a line of text each.
    QVERIFY(cLegend.height() / 4 >= 300);
}

QTEST_GUILESS_MAIN(TestDemoCatalog)
#include "tst_democatalog.moc"
