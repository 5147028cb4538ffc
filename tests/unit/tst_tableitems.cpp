#include "PdfText.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CProperty.h"
#include "model/CPropertyList.h"
#include "report/ReportPrinter.h"
#include "report/items/CCustomizedTablePrintoutItem.h"
#include "report/items/CLabeledTableCellItem.h"
#include "report/items/CTablePrintoutItem.h"
#include "report/items/PrintoutPage.h"
#include "report/items/TableFilling.h"
#include "report/layout/LayoutCellLinkRegistry.h"
#include "report/layout/LayoutTable.h"
#include "report/paint/CReportPainter.h"

#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

using IntList = QList<int>;

namespace {
// A table whose rows have the given heights, each with three cells.
std::unique_ptr<LayoutTable> makeTable(const IntList &cHeights, int iWidth = 9000)
{
    auto pTable = std::make_unique<LayoutTable>(iWidth);
    for (int iHeight : cHeights) {
        LayoutRow *pRow = pTable->appendRow(iHeight);
        for (int i = 0; i < 3; ++i)
            pRow->appendCell(iWidth / 3);
    }
    return pTable;
}

// A project with one section and one event: "Crack", code "BAB", damage
// class property 200001 with value "3" and code "C3".
struct EventFixture
{
    std::unique_ptr<CCorvaneProject> pProject;
    CInspectionEvent *pEvent = nullptr;

    EventFixture()
    {
        pProject = std::make_unique<CCorvaneProject>(CPropertyList::withIds(10).release(),
                                                     CPropertyList::withIds(10).release(),
                                                     CPropertyList::withIds(10).release());
        auto *pSection = new CInspectionSegment(pProject.get(), new CPropertyList, 1);
        pProject->addSection(pSection);
        auto *pProperties = new CPropertyList;
        auto pClass = std::make_unique<CProperty>(200001);
        pClass->setValue(QStringLiteral("3"));
        pClass->setCode(QStringLiteral("C3"));
        pProperties->add(std::move(pClass));
        pEvent = new CInspectionEvent(pSection, pProperties, 7);
        pEvent->setText(QStringLiteral("Crack"));
        pEvent->setAbbreviation(QStringLiteral("BAB"));
        pSection->addEvent(pEvent);
    }
};

IntList rowHeights(const LayoutTable *pTable)
{
    IntList cHeights;
    for (int i = 0; i < pTable->rowCount(); ++i)
        cHeights.append(pTable->rowAt(i)->height());
    return cHeights;
}
} // namespace

class TestTableItems : public QObject
{
    Q_OBJECT

private slots:
    void customizedTableRows_data()
    {
        QTest::addColumn<IntList>("cTemplateHeights");
        QTest::addColumn<int>("iFirst");
        QTest::addColumn<int>("iMiddle");
        QTest::addColumn<int>("iLast");
        QTest::addColumn<int>("iRows");
        QTest::addColumn<IntList>("cExpected");
        const IntList cAbc{100, 200, 300};
        QTest::addRow("one row: first template only") << cAbc << 0 << 1 << 2 << 1 << IntList{100};
        QTest::addRow("two rows: first and last") << cAbc << 0 << 1 << 2 << 2 << IntList{100, 300};
        QTest::addRow("five rows: first, three middle, last")
            << cAbc << 0 << 1 << 2 << 5 << IntList{100, 200, 200, 200, 300};
        QTest::addRow("no last template: middle for the rest")
            << cAbc << 0 << 1 << 7 << 4 << IntList{100, 200, 200, 200};
        QTest::addRow("no middle template: first instead") << cAbc << 0 << 9 << 2 << 4 << IntList{100, 100, 100, 300};
        QTest::addRow("neither middle nor last: first") << cAbc << 0 << -1 << -1 << 3 << IntList{100, 100, 100};
        QTest::addRow("no first template: middle") << cAbc << 5 << 1 << 2 << 3 << IntList{200, 200, 300};
        QTest::addRow("same template everywhere") << cAbc << 0 << 0 << 0 << 3 << IntList{100, 100, 100};
        QTest::addRow("zero rows asked") << cAbc << 0 << 1 << 2 << 0 << IntList{};
        QTest::addRow("template table without rows") << IntList{} << 0 << 1 << 2 << 3 << IntList{};
        QTest::addRow("zero-height templates") << IntList{0, 0} << 0 << 1 << 1 << 3 << IntList{0, 0, 0};
    }
    void customizedTableRows()
    {
        QFETCH(IntList, cTemplateHeights);
        QFETCH(int, iFirst);
        QFETCH(int, iMiddle);
        QFETCH(int, iLast);
        QFETCH(int, iRows);
        QFETCH(IntList, cExpected);
        const auto pTemplate = makeTable(cTemplateHeights);
        const QList<QStringList> cColumns(3, QStringList(20, QStringLiteral("x")));
        const auto pItem = createCustomizedTable(pTemplate.get(), iFirst, iMiddle, iLast, cColumns, 2, 2 + iRows);
        QCOMPARE(rowHeights(pItem->tableLayout()), cExpected);
        // Rows are stacked without gaps and the item is as high as its rows.
        int iY = 0;
        for (int i = 0; i < pItem->tableLayout()->rowCount(); ++i) {
            QCOMPARE(pItem->tableLayout()->rowAt(i)->rect().y(), iY);
            iY += cExpected.at(i);
        }
        QCOMPARE(pItem->height(), iY);
        QCOMPARE(pItem->tableLayout()->width(), 9000);
        QCOMPARE(pItem->cellItemCount(), cExpected.size() * 3);
    }

    void customizedTableTexts()
    {
        const auto pTemplate = makeTable({100, 200, 300});
        LayoutCellLinkRegistry cRegistry;
        cRegistry.add(pTemplate->cellAt(1, 0), 1002000, 1);
        const QList<QStringList> cColumns{{"No.", "1", "2", "3"}, {"Section", "S1", "S2", "S3"}};
        const auto pItem = createCustomizedTable(pTemplate.get(), 0, 1, 2, cColumns, 1, 4);
        QStringList cTexts;
        for (int i = 0; i < pItem->cellItemCount(); ++i)
            cTexts.append(pItem->cellItemAt(i)->text());
        // The third column is missing: its cells stay empty.
        QCOMPARE(cTexts, QStringList({"1", "S1", "", "2", "S2", "", "3", "S3", ""}));
        // Every cell item refers to a cell of the composed table, none of
        // which is a registered layout cell.
        for (int i = 0; i < pItem->cellItemCount(); ++i) {
            const LayoutCell *pCell = pItem->cellItemAt(i)->cell();
            QVERIFY(pItem->tableLayout()->rowContaining(pCell));
            QVERIFY(!cRegistry.contains(pCell));
        }
        QCOMPARE(cRegistry.count(), 1);
    }

    void rowsCanBeAppendedWithOwnHeights()
    {
        const auto pTemplate = makeTable({400});
        CCustomizedTablePrintoutItem cItem(pTemplate.get());
        const LayoutRow *pCaption = cItem.appendRowCopy(pTemplate->rowAt(0));
        const LayoutRow *pSpacer = cItem.appendRowCopy(pTemplate->rowAt(0), 1234);
        cItem.addRowTexts(pCaption, {"1 : 100", "POSITION"});
        QCOMPARE(cItem.appendRowCopy(nullptr), nullptr);
        QCOMPARE(pSpacer->rect(), QRect(0, 400, 9000, 1234));
        QCOMPARE(cItem.height(), 1634);
        QCOMPARE(cItem.cellItemCount(), 3);
        QCOMPARE(cItem.cellItemAt(1)->text(), QStringLiteral("POSITION"));
        QCOMPARE(cItem.cellItemAt(2)->text(), QString());
    }

    void linkTypes_data()
    {
        QTest::addColumn<int>("iFieldId");
        QTest::addColumn<int>("iLinkType");
        QTest::addColumn<bool>("bRegistered");
        QTest::addColumn<QString>("sText");
        QTest::addRow("value text") << 1002000 << 1 << true << "Crack";
        QTest::addRow("code text") << 1202007 << 2 << true << "C3";
        QTest::addRow("value of the damage class") << 1202007 << 1 << true << "3";
        QTest::addRow("caption with colon") << 1002001 << 3 << true << "Code:";
        QTest::addRow("field without caption: no lone colon") << 1202007 << 3 << true << "";
        QTest::addRow("link type 0: nothing") << 1002000 << 0 << true << "";
        QTest::addRow("unknown link type: nothing") << 1002000 << 9 << true << "";
        QTest::addRow("cell not in the registry: nothing") << 1002000 << 1 << false << "";
        QTest::addRow("unknown field id") << 42 << 1 << true << "";
    }
    void linkTypes()
    {
        QFETCH(int, iFieldId);
        QFETCH(int, iLinkType);
        QFETCH(bool, bRegistered);
        QFETCH(QString, sText);
        const EventFixture cFixture;
        const auto pTable = makeTable({500});
        LayoutCellLinkRegistry cRegistry;
        if (bRegistered)
            cRegistry.add(pTable->cellAt(0, 0), iFieldId, iLinkType);
        const auto pItem = createCellItem(pTable->cellAt(0, 0), cRegistry, cFixture.pEvent, false, nullptr);
        QVERIFY(!dynamic_cast<CLabeledTableCellItem *>(pItem.get()));
        QCOMPARE(pItem->text(), sText);
        QCOMPARE(pItem->height(), 500);
    }

    void labeledCells_data()
    {
        QTest::addColumn<int>("iFieldId");
        QTest::addColumn<QString>("sLabel");
        QTest::addColumn<QString>("sValue");
        QTest::addRow("caption in capitals") << 1002000 << "TEXT:"
                                             << "Crack";
        QTest::addRow("field without caption: value only") << 1202007 << ""
                                                           << "3";
        QTest::addRow("nothing linked") << 0 << ""
                                        << "";
    }
    void labeledCells()
    {
        QFETCH(int, iFieldId);
        QFETCH(QString, sLabel);
        QFETCH(QString, sValue);
        const EventFixture cFixture;
        const auto pTable = makeTable({500});
        LayoutCellLinkRegistry cRegistry;
        // The link type plays no part in labeled mode.
        cRegistry.add(pTable->cellAt(0, 0), iFieldId, 2);
        const auto pItem = createCellItem(pTable->cellAt(0, 0), cRegistry, cFixture.pEvent, true, nullptr);
        const auto *pLabeled = dynamic_cast<const CLabeledTableCellItem *>(pItem.get());
        QVERIFY(pLabeled);
        QCOMPARE(pLabeled->label(), sLabel);
        QCOMPARE(pLabeled->text(), sValue);
    }

    void fillFromObjectCoversEveryCell()
    {
        const EventFixture cFixture;
        auto pTable = makeTable({500, 600});
        pTable->rowAt(1)->appendCell(100); // a fourth cell that is cut to nothing
        LayoutCellLinkRegistry cRegistry;
        cRegistry.add(pTable->cellAt(1, 1), 1002000, 1);
        CTablePrintoutItem cItem(pTable.get());
        fillFromObject(cItem, pTable.get(), cRegistry, cFixture.pEvent, false, nullptr);
        QCOMPARE(cItem.cellItemCount(), 7);
        QCOMPARE(cItem.cellItemAt(4)->cell(), pTable->cellAt(1, 1));
        QCOMPARE(cItem.cellItemAt(4)->text(), QStringLiteral("Crack"));
        CTablePrintoutItem cNoTable(nullptr);
        fillFromObject(cNoTable, nullptr, cRegistry, cFixture.pEvent, false, nullptr);
        QCOMPARE(cNoTable.cellItemCount(), 0);
        QCOMPARE(cNoTable.height(), 0);
    }

    void bordersFollowTheStyles_data()
    {
        QTest::addColumn<IntList>("cStyles");
        QTest::addColumn<IntList>("cDrawn"); // left, top, right, bottom: 1 drawn
        QTest::addRow("all solid") << IntList{1, 1, 1, 1} << IntList{1, 1, 1, 1};
        QTest::addRow("all style 0: no frame") << IntList{0, 0, 0, 0} << IntList{0, 0, 0, 0};
        QTest::addRow("left and bottom only") << IntList{1, 0, 0, 1} << IntList{1, 0, 0, 1};
        QTest::addRow("unknown styles draw nothing") << IntList{42, -3, 1, 0} << IntList{0, 0, 1, 0};
    }
    void bordersFollowTheStyles()
    {
        QFETCH(IntList, cStyles);
        QFETCH(IntList, cDrawn);
        LayoutTable cTable(10000);
        LayoutCell *pCell = cTable.appendRow(4000)->appendCell(8000);
        for (int iSide = 0; iSide < 4; ++iSide)
            pCell->setBorder(iSide, 500, cStyles.at(iSide));
        CTablePrintoutItem cItem(&cTable);
        cItem.setPosition(QPoint(1000, 1000));
        cItem.addCellItem(std::make_unique<CTableCellItem>(pCell, nullptr));

        // 0.1 pixel per logical unit: the cell spans pixels 100..900 x 100..500.
        QImage cImage(1000, 1000, QImage::Format_RGB32);
        cImage.fill(Qt::white);
        CReportPainter cPainter;
        QVERIFY(cPainter.begin(&cImage));
        cPainter.setWindow(0, 0, 10000, 10000);
        cItem.paint(cPainter);
        cPainter.end();
        const QPoint aProbes[4] = {{100, 300}, {500, 100}, {900, 300}, {500, 500}};
        for (int iSide = 0; iSide < 4; ++iSide) {
            const bool bDark = qGray(cImage.pixel(aProbes[iSide])) < 200;
            QVERIFY2(bDark == (cDrawn.at(iSide) == 1), qPrintable(QStringLiteral("side %1").arg(iSide)));
        }
        // The stored border width does not widen the pen (30 units = 3 px).
        QVERIFY(qGray(cImage.pixel(110, 300)) > 200);
    }

    void paintedTablesInPdf()
    {
        QTemporaryDir cDir;
        const QString sPath = cDir.filePath(QStringLiteral("tables.pdf"));
        auto pPrinter = createReportPrinter(sPath, QString(), QString());
        CReportPainter cPainter;
        QVERIFY(beginReportPainter(cPainter, *pPrinter));

        const EventFixture cFixture;
        auto pTable = makeTable({1200, 800});
        LayoutCellLinkRegistry cRegistry;
        cRegistry.add(pTable->cellAt(0, 0), 1002000, 2);
        auto pItem = std::make_unique<CTablePrintoutItem>(pTable.get());
        pItem->addCellItem(createCellItem(pTable->cellAt(0, 0), cRegistry, cFixture.pEvent, true, nullptr));
        pItem->addCellItem(
            std::make_unique<CTableCellItem>(pTable->cellAt(1, 2), std::make_unique<CTableCellData>("Plain cell")));
        // A cell of another table: not drawn, and no failure.
        const auto pForeign = makeTable({500});
        pItem->addCellItem(
            std::make_unique<CTableCellItem>(pForeign->cellAt(0, 0), std::make_unique<CTableCellData>("Foreign cell")));
        pItem->addCellItem(std::make_unique<CTableCellItem>(nullptr, std::make_unique<CTableCellData>("No cell")));
        // Broken styles: no font size, no alignment, a rectangle smaller than its margins.
        LayoutTable cBroken(50);
        LayoutCell *pTiny = cBroken.appendRow(50)->appendCell(50);
        pTiny->setFontSize(0);
        pTiny->setTextAlignment(0);
        auto pBroken = std::make_unique<CTablePrintoutItem>(&cBroken);
        pBroken->setPosition(QPoint(0, 5000));
        pBroken->addCellItem(std::make_unique<CTableCellItem>(pTiny, std::make_unique<CTableCellData>("Tiny")));
        auto pEmpty = std::make_unique<CTablePrintoutItem>(nullptr);

        PrintoutPageList cPages;
        cPages.push_back(std::make_unique<PrintoutPage>());
        cPages.back()->addItem(std::move(pItem));
        cPages.back()->addItem(std::move(pBroken));
        cPages.back()->addItem(std::move(pEmpty));
        QVERIFY(printPages(cPainter, *pPrinter, cPages));

        const QString sText = PdfText::text(sPath);
        const QStringList cLines = sText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const int iLabel = cLines.indexOf(QRegularExpression(QStringLiteral("^\\s*TEXT:\\s*$")));
        QVERIFY2(iLabel >= 0, qPrintable(sText));
        QVERIFY(cLines.value(iLabel + 1).contains(QLatin1String("Crack")));
        QVERIFY(sText.contains(QLatin1String("Plain cell")));
        QVERIFY(!sText.contains(QLatin1String("Foreign cell")));
        QVERIFY(!sText.contains(QLatin1String("No cell")));
    }
};

QTEST_MAIN(TestTableItems)
#include "tst_tableitems.moc"
