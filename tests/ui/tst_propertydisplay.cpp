#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CProperty.h"
#include "model/CPropertyList.h"
#include "queries/CDataCoreObjectQuery.h"
#include "ui/CDataCoreObjectDisplayWidget.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLocale>
#include <QtTest>

#include <memory>

namespace {

// Rows as "caption=value" lines.
QStringList rowsOf(const QTableWidget &cTable)
{
    QStringList cRows;
    for (int iRow = 0; iRow < cTable.rowCount(); ++iRow) {
        const QTableWidgetItem *cCaption = cTable.item(iRow, 0);
        const QTableWidgetItem *cValue = cTable.item(iRow, 1);
        cRows << (cCaption ? cCaption->text() : "<none>") + "=" + (cValue ? cValue->text() : "<none>");
    }
    return cRows;
}

void checkHeaderAndFlags(const CDataCoreObjectDisplayWidget &cTable)
{
    QCOMPARE(cTable.columnCount(), 2);
    QCOMPARE(cTable.horizontalHeaderItem(0)->text(), QStringLiteral("Property"));
    QCOMPARE(cTable.horizontalHeaderItem(1)->text(), QStringLiteral("Value"));
    QVERIFY(cTable.horizontalHeader()->stretchLastSection());
    QCOMPARE(cTable.horizontalHeader()->sectionResizeMode(0), QHeaderView::ResizeToContents);
    QVERIFY(cTable.verticalHeader()->isHidden());
    // Rows can be selected for copying, never edited.
    for (int iRow = 0; iRow < cTable.rowCount(); ++iRow)
        for (int iColumn = 0; iColumn < 2; ++iColumn)
            QCOMPARE(cTable.item(iRow, iColumn)->flags(), Qt::ItemIsEnabled | Qt::ItemIsSelectable);
}

} // namespace

class tst_PropertyDisplay : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CCorvaneProject> m_cProject;
    CInspectionSegment *m_cSection = nullptr;
    CInspectionEvent *m_cEvent = nullptr;

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        m_cProject = std::make_unique<CCorvaneProject>(new CPropertyList, new CPropertyList, new CPropertyList);
        m_cProject->setName(QStringLiteral("Ostrelbach"));
        auto *cSectionProperties = new CPropertyList;
        auto cProperty = std::make_unique<CProperty>(3);
        cProperty->setValue(QStringLiteral("SECTION-NUMBER-VALUE"));
        cSectionProperties->add(std::move(cProperty));
        m_cSection = new CInspectionSegment(m_cProject.get(), cSectionProperties, 12);
        m_cSection->setName(QStringLiteral("S12 - S13"));
        m_cProject->addSection(m_cSection);
        m_cEvent = new CInspectionEvent(m_cSection, new CPropertyList, 1);
        m_cEvent->setText(QStringLiteral("Crack"));
        m_cEvent->setAbbreviation(QStringLiteral("BAB"));
        m_cEvent->setImageFile(QStringLiteral("12_0001.jpg"));
        m_cSection->addEvent(m_cEvent);
    }

    void rowsFollowTheQuery_data()
    {
        QTest::addColumn<int>("iObject");
        QTest::addRow("project") << 0;
        QTest::addRow("section") << 1;
        QTest::addRow("event") << 2;
    }

    // Every field with a caption gets one row, in query order, with its own
    // value beside it; fields without caption get none.
    void rowsFollowTheQuery()
    {
        QFETCH(int, iObject);
        const CDataCoreObject *cObject = iObject == 0   ? static_cast<const CDataCoreObject *>(m_cProject.get())
                                         : iObject == 1 ? static_cast<const CDataCoreObject *>(m_cSection)
                                                        : static_cast<const CDataCoreObject *>(m_cEvent);
        const auto cQuery = createQuery(cObject);
        QVERIFY(cQuery);
        const QStringList cCaptions = cQuery->fieldCaptions();
        const QStringList cValues = cQuery->fieldValues();
        QStringList cExpected;
        for (int i = 0; i < cCaptions.size(); ++i)
            if (!cCaptions.at(i).isEmpty())
                cExpected << cCaptions.at(i) + "=" + cValues.at(i);

        CDataCoreObjectDisplayWidget cTable;
        cTable.setObject(cObject);
        QCOMPARE(rowsOf(cTable), cExpected);
        QVERIFY(cTable.rowCount() > 0);
        checkHeaderAndFlags(cTable);
    }

    void captionlessFieldsAreLeftOut()
    {
        // Without an open project there is no standard to name section
        // properties, so their values must not show up without a caption.
        CDataCoreObjectDisplayWidget cTable;
        cTable.setObject(m_cSection);
        const QStringList cRows = rowsOf(cTable);
        QVERIFY(!cRows.join("\n").contains(QStringLiteral("SECTION-NUMBER-VALUE")));
        QVERIFY(cRows.first().endsWith(QStringLiteral("=S12 - S13")));
    }

    void emptyValueGivesEmptyCell()
    {
        CDataCoreObjectDisplayWidget cTable;
        cTable.setObject(m_cEvent);
        const QStringList cRows = rowsOf(cTable);
        QVERIFY(cRows.first().endsWith(QStringLiteral("=Crack")));
        // imagefile2 and the video name are empty but still listed.
        int iEmpty = 0;
        for (const QString &sRow : cRows)
            iEmpty += sRow.endsWith(QLatin1Char('=')) ? 1 : 0;
        QVERIFY(iEmpty >= 2);
    }

    void noneEmptiesButKeepsHeader()
    {
        CDataCoreObjectDisplayWidget cTable;
        cTable.setObject(m_cEvent);
        QVERIFY(cTable.rowCount() > 0);
        cTable.setObject(nullptr);
        QCOMPARE(cTable.rowCount(), 0);
        QVERIFY(!cTable.object());
        checkHeaderAndFlags(cTable);
    }

    void showingAgainReadsFreshValues()
    {
        CDataCoreObjectDisplayWidget cTable;
        cTable.setObject(m_cEvent);
        const int iRows = cTable.rowCount();
        m_cEvent->setText(QStringLiteral("Crack, circumferential"));
        cTable.setObject(m_cEvent);
        QCOMPARE(cTable.rowCount(), iRows);
        QVERIFY(rowsOf(cTable).first().endsWith(QStringLiteral("=Crack, circumferential")));
        m_cEvent->setText(QStringLiteral("Crack"));
    }

    void copySelectedRows_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("sWay");
        QTest::addRow("one row by Ctrl+C") << QList<int>({0}) << "shortcut";
        QTest::addRow("rows out of order by Ctrl+C") << QList<int>({2, 0}) << "shortcut";
        QTest::addRow("Ctrl+C reaching the table itself") << QList<int>({1, 2}) << "key";
        QTest::addRow("from the context menu") << QList<int>({1, 2}) << "menu";
        QTest::addRow("nothing selected leaves the clipboard") << QList<int>() << "shortcut";
    }

    // Selected rows go to the clipboard as caption, tab, value, top to
    // bottom; never just the current cell, as the view itself would copy.
    void copySelectedRows()
    {
        QFETCH(QList<int>, rows);
        QFETCH(QString, sWay);
        CDataCoreObjectDisplayWidget cTable;
        cTable.setSelectionBehavior(QAbstractItemView::SelectRows);
        cTable.setObject(m_cEvent);
        QVERIFY(cTable.rowCount() > 2);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        cTable.setCurrentCell(0, 1, QItemSelectionModel::NoUpdate);
        for (const int iRow : rows)
            cTable.selectionModel()->select(cTable.model()->index(iRow, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QStringList cExpected;
        QList<int> cSorted = rows;
        std::sort(cSorted.begin(), cSorted.end());
        for (const int iRow : cSorted)
            cExpected << cTable.item(iRow, 0)->text() + QLatin1Char('\t') + cTable.item(iRow, 1)->text();
        if (sWay == QLatin1String("shortcut")) {
            cTable.show();
            QVERIFY(QTest::qWaitForWindowActive(&cTable));
            QTest::keyClick(&cTable, Qt::Key_C, Qt::ControlModifier);
        } else if (sWay == QLatin1String("key")) {
            QTest::keyClick(&cTable, Qt::Key_C, Qt::ControlModifier);
        } else {
            QAction *cCopy = cTable.findChild<QAction *>(QStringLiteral("actionCopyProperties"));
            QVERIFY(cCopy && cTable.actions().contains(cCopy));
            QCOMPARE(cTable.contextMenuPolicy(), Qt::ActionsContextMenu);
            cCopy->trigger();
        }
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 rows.isEmpty() ? QStringLiteral("before") : cExpected.join('\n'));
    }

    void hugeValuesShowCutButCopyWhole_data()
    {
        QTest::addColumn<int>("iLength");
        QTest::addColumn<bool>("bCut");
        QTest::addRow("short") << 40 << false;
        QTest::addRow("exactly the limit") << int(CDataCoreObjectDisplayWidget::kMaxCellText) << false;
        QTest::addRow("one beyond") << int(CDataCoreObjectDisplayWidget::kMaxCellText) + 1 << true;
        QTest::addRow("megabytes on one line") << 8 * 1024 * 1024 << true;
    }

    // An observation text of megabytes once froze the table while it laid
    // the text out: cells and tool tips show a bounded part, copying gives
    // the whole text.
    void hugeValuesShowCutButCopyWhole()
    {
        QFETCH(int, iLength);
        QFETCH(bool, bCut);
        QString sText(iLength, QLatin1Char('x'));
        sText[0] = QLatin1Char('A');
        m_cEvent->setText(sText);
        CDataCoreObjectDisplayWidget cTable;
        cTable.setSelectionBehavior(QAbstractItemView::SelectRows);
        cTable.setObject(m_cEvent);
        cTable.resize(400, 300);
        cTable.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cTable));
        const QTableWidgetItem *cValue = cTable.item(0, 1);
        m_cEvent->setText(QStringLiteral("Crack"));
        QVERIFY(cValue->text().startsWith(QLatin1Char('A')));
        QCOMPARE(cValue->text().size(), bCut ? CDataCoreObjectDisplayWidget::kMaxCellText + 1 : qsizetype(iLength));
        QCOMPARE(cValue->text().endsWith(QChar(0x2026)), bCut);
        QVERIFY(cValue->toolTip().size() <= CDataCoreObjectDisplayWidget::kMaxToolTipText + 1);
        cTable.selectRow(0);
        QCOMPARE(cTable.selectedRowsText().size(), cTable.item(0, 0)->text().size() + 1 + qsizetype(iLength));
    }

    void tableDoesNotSort()
    {
        CDataCoreObjectDisplayWidget cTable;
        QVERIFY(!cTable.isSortingEnabled());
    }
};

QTEST_MAIN(tst_PropertyDisplay)
#include "tst_propertydisplay.moc"
