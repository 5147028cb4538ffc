#include "report/layout/CDamageClassList.h"
#include "report/layout/PrintoutLayout.h"
#include "report/layout/PrintoutLayoutReader.h"

#include "TestHelpers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
QString fixture(const QString &sName)
{
    return TestHelpers::fixturesDir() + QStringLiteral("/catalog/") + sName;
}

// One table group with a single row of the given cells, as the settings
// class writes it.
QByteArray tableGroup(const char *pGroup, int iWidth, int iHeight, const QList<int> &cCellWidths)
{
    QByteArray cText = QByteArray("[") + pGroup + "]\nwidth=" + QByteArray::number(iWidth) + "\n";
    cText += "rows\\size=1\nrows\\1\\height=" + QByteArray::number(iHeight) + "\n";
    for (int i = 0; i < cCellWidths.size(); ++i)
        cText +=
            "rows\\1\\cells\\" + QByteArray::number(i + 1) + "\\width=" + QByteArray::number(cCellWidths.at(i)) + "\n";
    cText += "rows\\1\\cells\\size=" + QByteArray::number(cCellWidths.size()) + "\n";
    return cText;
}

QByteArray allGroups()
{
    QByteArray cText;
    for (int i = 0; i < PrintoutLayout::GroupCount; ++i)
        cText += "[" + PrintoutLayout::groupName(i).toLatin1() + "]\nwidth=100\n";
    return cText;
}
} // namespace

class TestLayoutReader : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cellGeometry_data();
    void cellGeometry();
    void colours_data();
    void colours();
    void groupCount_data();
    void groupCount();
    void gridBorderKey_data();
    void gridBorderKey();
    void cellStyles();
    void fixtureLayout();
    void manyRows_data();
    void manyRows();
    void boundsChecks();
    void rowCopies();
    void damageClasses();
    void damageClassFiles_data();
    void damageClassFiles();

private:
    QString write(const QByteArray &cContent);
    std::unique_ptr<QTemporaryDir> m_pDir;
    int m_iFile = 0;
};

void TestLayoutReader::init()
{
    m_pDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_pDir->isValid());
}

QString TestLayoutReader::write(const QByteArray &cContent)
{
    const QString sPath = m_pDir->filePath(QStringLiteral("file%1.lay").arg(++m_iFile));
    QFile file(sPath);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(cContent);
    return sPath;
}

void TestLayoutReader::cellGeometry_data()
{
    QTest::addColumn<int>("tableWidth");
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<QList<int>>("cellWidths");
    QTest::addColumn<QList<int>>("xs");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<int>("height");

    QTest::addRow("cells fit") << 1000 << 50 << QList<int>{300, 700} << QList<int>{0, 300} << QList<int>{300, 700}
                               << 50;
    QTest::addRow("last cell clipped at the edge")
        << 1000 << 50 << QList<int>{600, 600} << QList<int>{0, 600} << QList<int>{600, 400} << 50;
    QTest::addRow("cell after a full row")
        << 1000 << 50 << QList<int>{1000, 200, 100} << QList<int>{0, 1000, 1000} << QList<int>{1000, 0, 0} << 50;
    QTest::addRow("first cell wider than the row")
        << 500 << 50 << QList<int>{900} << QList<int>{0} << QList<int>{500} << 50;
    QTest::addRow("negative cell width") << 1000 << 50 << QList<int>{-300, 200} << QList<int>{0, 0}
                                         << QList<int>{0, 200} << 50;
    QTest::addRow("negative table width") << -1000 << 50 << QList<int>{300} << QList<int>{0} << QList<int>{0} << 50;
    QTest::addRow("negative row height") << 1000 << -50 << QList<int>{300} << QList<int>{0} << QList<int>{300} << 0;
    QTest::addRow("huge widths do not overflow") << 2147483647 << 50 << QList<int>{2147483647, 2147483647}
                                                 << QList<int>{0, 2147483647} << QList<int>{2147483647, 0} << 50;
}

void TestLayoutReader::cellGeometry()
{
    QFETCH(int, tableWidth);
    QFETCH(int, rowHeight);
    QFETCH(QList<int>, cellWidths);
    QFETCH(QList<int>, xs);
    QFETCH(QList<int>, widths);
    QFETCH(int, height);

    const auto pLayout = readPrintoutLayout(write(tableGroup("event", tableWidth, rowHeight, cellWidths)));
    QVERIFY(pLayout);
    const LayoutTable *pTable = pLayout->event();
    QCOMPARE(pTable->rowCount(), 1);
    const LayoutRow *pRow = pTable->rowAt(0);
    QCOMPARE(pRow->rect(), QRect(0, 0, qMax(0, tableWidth), height));
    QCOMPARE(pTable->boundingRect(), QRect(0, 0, qMax(0, tableWidth), height));
    QCOMPARE(pRow->cellCount(), cellWidths.size());
    for (int i = 0; i < pRow->cellCount(); ++i) {
        const LayoutCell *pCell = pRow->cellAt(i);
        QCOMPARE(pCell->x(), xs.at(i));
        QCOMPARE(pCell->width(), widths.at(i));
        QCOMPARE(pCell->rect().y(), 0);
        QCOMPARE(pCell->height(), height);
        QVERIFY(pCell->x() + qint64(pCell->width()) <= qMax(0, tableWidth));
    }
}

void TestLayoutReader::colours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addRow("hex as written") << "0xff4c4c4c" << QColor(76, 76, 76);
    QTest::addRow("same number decimal") << "4283190348" << QColor(76, 76, 76);
    QTest::addRow("alpha ignored") << "0x204c4c4c" << QColor(76, 76, 76);
    QTest::addRow("no alpha byte") << "0xff0000" << QColor(255, 0, 0);
    QTest::addRow("upper-case hex") << "0XFF00FF00" << QColor(0, 255, 0);
    QTest::addRow("octal") << "023146" << QColor(0, 0x26, 0x66);
    QTest::addRow("not a number") << "red" << QColor(0, 0, 0);
    QTest::addRow("empty") << "" << QColor(0, 0, 0);
    QTest::addRow("negative") << "-1" << QColor(0, 0, 0);
    QTest::addRow("beyond 32 bits") << "0x1ffffffff" << QColor(0, 0, 0);
    QTest::addRow("bad octal digit") << "089" << QColor(0, 0, 0);
}

void TestLayoutReader::colours()
{
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    const QColor cResult = layoutColorFromText(text);
    QCOMPARE(cResult, colour);
    QCOMPARE(cResult.alpha(), 255);

    // The same value through a cell and a graph pen of a file.
    const QByteArray cValue = text.toLatin1();
    const QByteArray cFile = "[event]\nwidth=100\nrows\\size=1\nrows\\1\\height=10\nrows\\1\\cells\\size=1\n"
                             "rows\\1\\cells\\1\\width=10\nrows\\1\\cells\\1\\color="
                             + cValue + "\n[altitude-graph]\ncolor=" + cValue + "\n";
    const auto pLayout = readPrintoutLayout(write(cFile));
    QVERIFY(pLayout);
    QCOMPARE(pLayout->event()->cellAt(0, 0)->color(), colour);
    QCOMPARE(pLayout->altitudeGraph()->color(), colour);
}

void TestLayoutReader::groupCount_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("accepted");
    QTest::addRow("all 21 groups") << allGroups() << true;
    QTest::addRow("21 known groups and one more") << allGroups() + "[extra]\nwidth=1\n" << false;
    QTest::addRow("22 unknown groups") << [] {
        QByteArray cText;
        for (int i = 0; i < 22; ++i)
            cText += "[g" + QByteArray::number(i) + "]\nk=1\n";
        return cText;
    }() << false;
    QTest::addRow("empty file") << QByteArray() << true;
    QTest::addRow("one group") << QByteArray("[page-footer]\nwidth=5\n") << true;
}

void TestLayoutReader::groupCount()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    const auto pLayout = readPrintoutLayout(write(content));
    QCOMPARE(pLayout != nullptr, accepted);
}

void TestLayoutReader::gridBorderKey_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<int>("borderWidth");
    QTest::addRow("gird key") << QByteArray("gird-border-width=55\n") << 55;
    QTest::addRow("usual spelling ignored") << QByteArray("grid-border-width=77\n") << 0;
    QTest::addRow("both") << QByteArray("grid-border-width=77\ngird-border-width=55\n") << 55;
}

void TestLayoutReader::gridBorderKey()
{
    QFETCH(QByteArray, keys);
    QFETCH(int, borderWidth);
    const auto pLayout = readPrintoutLayout(write("[inclination-grid]\n" + keys));
    QVERIFY(pLayout);
    QCOMPARE(pLayout->inclinationGrid()->borderWidth(), borderWidth);
    // A file read replaces every default of the grid.
    QCOMPARE(pLayout->inclinationGrid()->xSections(), 0);
    QCOMPARE(pLayout->inclinationGrid()->lineWidth(), 0);
}

void TestLayoutReader::cellStyles()
{
    const QByteArray cFile = "[section-header]\nwidth=1000\nrows\\size=1\nrows\\1\\height=100\nrows\\1\\cells\\size=3\n"
                             // Six borders: only four sides exist.
                             "rows\\1\\cells\\1\\width=100\nrows\\1\\cells\\1\\borders\\size=6\n"
                             "rows\\1\\cells\\1\\borders\\1\\width=1\nrows\\1\\cells\\1\\borders\\1\\style=2\n"
                             "rows\\1\\cells\\1\\borders\\2\\width=3\nrows\\1\\cells\\1\\borders\\2\\style=0\n"
                             "rows\\1\\cells\\1\\borders\\3\\width=5\nrows\\1\\cells\\1\\borders\\3\\style=3\n"
                             "rows\\1\\cells\\1\\borders\\4\\width=7\nrows\\1\\cells\\1\\borders\\4\\style=4\n"
                             "rows\\1\\cells\\1\\borders\\5\\width=9\nrows\\1\\cells\\1\\borders\\5\\style=5\n"
                             "rows\\1\\cells\\1\\borders\\6\\width=9\nrows\\1\\cells\\1\\borders\\6\\style=5\n"
                             // One border: the other sides keep their defaults.
                             "rows\\1\\cells\\2\\width=100\nrows\\1\\cells\\2\\borders\\size=1\n"
                             "rows\\1\\cells\\2\\borders\\1\\width=11\nrows\\1\\cells\\2\\borders\\1\\style=0\n"
                             "rows\\1\\cells\\2\\font-size=14\nrows\\1\\cells\\2\\text-alignment=130\n"
                             "rows\\1\\cells\\2\\id=4001\nrows\\1\\cells\\2\\link-type=3\n"
                             // No keys at all.
                             "rows\\1\\cells\\3\\width=100\n";
    const auto pLayout = readPrintoutLayout(write(cFile));
    QVERIFY(pLayout);
    const LayoutRow *pRow = pLayout->sectionHeader()->rowAt(0);
    QVERIFY(pRow);
    const LayoutCell *pFirst = pRow->cellAt(0);
    const QList<int> cWidths{1, 3, 5, 7};
    const QList<int> cStyles{2, 0, 3, 4};
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(pFirst->borderWidth(k), cWidths.at(k));
        QCOMPARE(pFirst->borderStyle(k), cStyles.at(k));
    }
    QCOMPARE(pFirst->borderWidth(4), 0);
    QCOMPARE(pFirst->borderStyle(-1), 0);

    const LayoutCell *pSecond = pRow->cellAt(1);
    QCOMPARE(pSecond->borderWidth(0), 11);
    QCOMPARE(pSecond->borderStyle(0), 0);
    QCOMPARE(pSecond->borderWidth(3), 30);
    QCOMPARE(pSecond->borderStyle(3), 1);
    QCOMPARE(pSecond->fontSize(), 14);
    QCOMPARE(pSecond->textAlignment(), 130);
    QCOMPARE(pLayout->lookup(pSecond).iFieldId, 4001);
    QCOMPARE(pLayout->lookup(pSecond).iLinkType, 3);

    // Colour, font size and alignment missing: black, 0, 0; entered as (0, 0).
    const LayoutCell *pThird = pRow->cellAt(2);
    QCOMPARE(pThird->color(), QColor(0, 0, 0));
    QCOMPARE(pThird->fontSize(), 0);
    QCOMPARE(pThird->textAlignment(), 0);
    QVERIFY(pLayout->cellLinks().contains(pThird));
    QCOMPARE(pLayout->cellLinks().count(), 3);
}

void TestLayoutReader::fixtureLayout()
{
    const auto pLayout = readPrintoutLayout(fixture(QStringLiteral("Small.lay")));
    QVERIFY(pLayout);
    QCOMPARE(pLayout->projectInfo()->width(), 18000);
    QCOMPARE(pLayout->projectInfo()->rowCount(), 2);
    QCOMPARE(pLayout->projectInfo()->rowAt(1)->rect(), QRect(0, 700, 18000, 500));
    QCOMPARE(pLayout->projectInfo()->height(), 1200);
    QCOMPARE(pLayout->pageFooter()->rect(), QRect(0, 0, 18000, 800));
    QCOMPARE(pLayout->pageFooter()->textPosition(), QPoint(100, 300));
    QCOMPARE(pLayout->eventPosIndicator()->width1(), 300);
    QCOMPARE(pLayout->eventPosIndicator()->width2(), 200);
    QCOMPARE(pLayout->eventPosIndicator()->width3(), 100);
    QCOMPARE(pLayout->sectionGraphic()->circleDiameter(), 400);
    QCOMPARE(pLayout->sectionGraphic()->lineDistance(), 250);
    QCOMPARE(pLayout->sectionGraphic()->maxNodeTextWidth(), 2000);
    const InclinationGridLayout *pGrid = pLayout->inclinationGrid();
    QCOMPARE(pGrid->rect(), QRect(0, 0, 25000, 12000));
    QCOMPARE(pGrid->plotRect(), QRect(1500, 500, 23000, 10500));
    QCOMPARE(pGrid->borderColor(), QColor(0, 0, 0));
    QCOMPARE(pGrid->borderStyle(), 1);
    QCOMPARE(pGrid->borderWidth(), 40);
    QCOMPARE(pGrid->lineColor(), QColor(0xb4, 0xb4, 0xb4));
    QCOMPARE(pGrid->lineStyle(), 3);
    QCOMPARE(pGrid->lineWidth(), 10);
    QCOMPARE(pGrid->fontColor(), QColor(76, 76, 76));
    QCOMPARE(pGrid->fontSize(), 8);
    QCOMPARE(pGrid->xSections(), 10);
    QCOMPARE(pGrid->ySections(), 8);
    QCOMPARE(pLayout->inclinationGraph()->color(), QColor(0, 0, 255));
    QCOMPARE(pLayout->inclinationGraph()->width(), 25);
    QCOMPARE(pLayout->inclinationGraph()->style(), 1);
    QCOMPARE(pLayout->inclinationZeroGraph()->style(), 2);
    QCOMPARE(pLayout->inclinationPipe()->width(), 15);
    QCOMPARE(pLayout->inclinationLegend()->rect(), QRect(16000, 600, 8000, 1200));
    QCOMPARE(pLayout->inclinationLegend()->fontSize(), 9);
    // Groups the file lacks are empty, not missing.
    QVERIFY(pLayout->noEvents());
    QCOMPARE(pLayout->noEvents()->rowCount(), 0);
    QCOMPARE(pLayout->altitudeGraph()->width(), 0);
}

void TestLayoutReader::manyRows_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<int>("sizeKey");
    QTest::addColumn<int>("expectedRows");
    QTest::addColumn<int>("expectedHeight");
    // Rows that start below the longest side of the paper (297 mm) are never
    // printed and not read; nor are rows beyond a thousand.
    QTest::addRow("rows beyond the paper are dropped") << 5000 << 100 << 5000 << 297 << 29700;
    QTest::addRow("the row that crosses the paper's end is kept") << 400 << 98 << 400 << 304 << 29792;
    QTest::addRow("a hundred thousand flat rows") << 100000 << 0 << 100000 << 1000 << 0;
    QTest::addRow("size key beyond the elements") << 3 << 100 << 2000000000 << 3 << 300;
    QTest::addRow("size key below the elements") << 10 << 100 << 2 << 2 << 200;
    QTest::addRow("a row taller than any paper ends the table") << 4 << 1000000000 << 4 << 1 << 1000000000;
}

void TestLayoutReader::manyRows()
{
    QFETCH(int, rows);
    QFETCH(int, rowHeight);
    QFETCH(int, sizeKey);
    QFETCH(int, expectedRows);
    QFETCH(int, expectedHeight);
    QByteArray cFile = "[event]\nwidth=1000\nrows\\size=" + QByteArray::number(sizeKey) + "\n";
    for (int i = 1; i <= rows; ++i) {
        const QByteArray cRow = "rows\\" + QByteArray::number(i);
        cFile += cRow + "\\height=" + QByteArray::number(rowHeight) + "\n" + cRow + "\\cells\\size=1\n" + cRow
                 + "\\cells\\1\\width=400\n";
    }
    const auto pLayout = readPrintoutLayout(write(cFile));
    QVERIFY(pLayout);
    const LayoutTable *pTable = pLayout->event();
    QCOMPARE(pTable->rowCount(), expectedRows);
    QCOMPARE(pTable->height(), expectedHeight);
    // Rows are stacked in order and never run past the table's bottom.
    int iPreviousBottom = 0;
    for (int i = 0; i < pTable->rowCount(); ++i) {
        const QRect cRow = pTable->rowAt(i)->rect();
        QCOMPARE(cRow.y(), iPreviousBottom);
        iPreviousBottom = cRow.y() + cRow.height();
    }
    QCOMPARE(iPreviousBottom, expectedHeight);
    QCOMPARE(pLayout->cellLinks().count(), expectedRows);
}

void TestLayoutReader::boundsChecks()
{
    const auto pLayout = readPrintoutLayout(write(tableGroup("big-picture", 1000, 100, {500})));
    QVERIFY(pLayout);
    const LayoutTable *pTable = pLayout->bigPicture();
    QVERIFY(pTable->rowAt(0));
    QVERIFY(!pTable->rowAt(1));
    QVERIFY(!pTable->rowAt(-1));
    QVERIFY(pTable->cellAt(0, 0));
    QVERIFY(!pTable->cellAt(0, 1));
    QVERIFY(!pTable->cellAt(3, 0));
    QVERIFY(!pTable->rowAt(0)->cellAt(-1));
    QCOMPARE(pTable->rowContaining(pTable->cellAt(0, 0)), pTable->rowAt(0));
    QVERIFY(!pTable->rowContaining(nullptr));
    // A missing file still gives every record, all empty.
    const auto pEmpty = readPrintoutLayout(m_pDir->filePath(QStringLiteral("missing.lay")));
    QVERIFY(pEmpty);
    for (int i = 0; i < PrintoutLayout::GroupCount; ++i) {
        if (PrintoutLayout::isTableGroup(i)) {
            QVERIFY(pEmpty->table(i));
            QCOMPARE(pEmpty->table(i)->rowCount(), 0);
            QVERIFY(!pEmpty->table(i)->cellAt(0, 0));
        } else {
            QVERIFY(!pEmpty->table(i));
        }
    }
    QVERIFY(!pEmpty->table(PrintoutLayout::GroupCount));
    QVERIFY(!pEmpty->table(-1));
    QCOMPARE(pEmpty->lookup(nullptr).iFieldId, 0);
}

void TestLayoutReader::rowCopies()
{
    const auto pLayout = readPrintoutLayout(fixture(QStringLiteral("Small.lay")));
    QVERIFY(pLayout);
    const LayoutRow *pTemplate = pLayout->projectInfo()->rowAt(0);
    QVERIFY(pTemplate);
    LayoutTable cTable(pLayout->projectInfo()->width());
    cTable.appendRow(100);
    const LayoutRow *pCopy = cTable.appendRowCopy(pTemplate, 333);
    QVERIFY(!cTable.appendRowCopy(nullptr));
    QCOMPARE(cTable.rowCount(), 2);
    QCOMPARE(pCopy->rect(), QRect(0, 100, 18000, 333));
    QCOMPARE(pCopy->cellCount(), pTemplate->cellCount());
    for (int i = 0; i < pCopy->cellCount(); ++i) {
        const LayoutCell *pSource = pTemplate->cellAt(i);
        const LayoutCell *pCell = pCopy->cellAt(i);
        QCOMPARE(pCell->rect(), QRect(pSource->x(), 0, pSource->width(), 333));
        QCOMPARE(pCell->color(), pSource->color());
        QCOMPARE(pCell->fontSize(), pSource->fontSize());
        QCOMPARE(pCell->borderStyle(2), pSource->borderStyle(2));
        // Copies are not linked to a field.
        QVERIFY(pLayout->cellLinks().contains(pSource));
        QVERIFY(!pLayout->cellLinks().contains(pCell));
    }
    QCOMPARE(cTable.appendRowCopy(pTemplate)->height(), pTemplate->height());
}

void TestLayoutReader::damageClasses()
{
    const auto pList = readCatalogPrintoutData(fixture(QStringLiteral("Classes.pod")));
    QVERIFY(pList);
    QCOMPARE(pList->count(), 4);
    QCOMPARE(pList->damageClassText(QStringLiteral("1")), QStringLiteral("Minor, monitor"));
    // A value listed twice resolves to the first entry.
    QCOMPARE(pList->damageClassText(QStringLiteral("2")), QStringLiteral("First two"));
    QColor cColour;
    QVERIFY(pList->damageClassColour(QStringLiteral("2"), &cColour));
    QCOMPARE(cColour, QColor(255, 255, 0));
    QVERIFY(pList->damageClassColour(QStringLiteral("0"), nullptr));
    QVERIFY(!pList->damageClassColour(QStringLiteral("9"), &cColour));
    QCOMPARE(cColour, QColor(255, 255, 0));
    QCOMPARE(pList->damageClassText(QStringLiteral("9")), QString());
    QCOMPARE(pList->damageClassText(QStringLiteral(" 1")), QString());
    QVERIFY(pList->entryAt(3));
    QCOMPARE(pList->entryAt(3)->text(), QStringLiteral("Second two"));
    QVERIFY(!pList->entryAt(4));
    QVERIFY(!pList->entryAt(-1));
}

void TestLayoutReader::damageClassFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("count");
    QTest::addRow("empty file") << QByteArray() << false << 0;
    QTest::addRow("keys outside any group") << QByteArray("size=1\n") << false << 0;
    QTest::addRow("other group only") << QByteArray("[colours]\na=1\n") << true << 0;
    QTest::addRow("size far beyond the elements")
        << QByteArray("[damage-classes]\nclass\\size=2000000000\nclass\\1\\value=0\n") << true << 1;
}

void TestLayoutReader::damageClassFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, loads);
    QFETCH(int, count);
    const auto pList = readCatalogPrintoutData(write(content));
    QCOMPARE(pList != nullptr, loads);
    if (pList)
        QCOMPARE(pList->count(), count);
    QVERIFY(!readCatalogPrintoutData(m_pDir->filePath(QStringLiteral("missing.pod"))));
}

QTEST_GUILESS_MAIN(TestLayoutReader)
#include "tst_layoutreader.moc"
