#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"
#include "ui/CProjectTreeModel.h"
#include "ui/CProjectTreeView.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <QLocale>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

struct EventSpec
{
    float fMetres;
    QString sText;
};

std::unique_ptr<CCorvaneProject> makeProject(const QList<QPair<QString, QList<EventSpec>>> &cSections)
{
    auto cProject = std::make_unique<CCorvaneProject>(new CPropertyList, new CPropertyList, new CPropertyList);
    cProject->setName(QStringLiteral("Demo project"));
    int iSectionId = 1;
    for (const auto &cSectionSpec : cSections) {
        auto *cSection = new CInspectionSegment(cProject.get(), new CPropertyList, iSectionId++);
        cSection->setName(cSectionSpec.first);
        int iEventId = 1;
        for (const EventSpec &cEventSpec : cSectionSpec.second) {
            auto *cEvent = new CInspectionEvent(cSection, new CPropertyList, iEventId++);
            cEvent->setMeterValue(cEventSpec.fMetres);
            cEvent->setText(cEventSpec.sText);
            cSection->addEvent(cEvent);
        }
        cProject->addSection(cSection);
    }
    return cProject;
}

// The whole tree as indented lines "text [kind]", "+" marking expanded items.
QString dump(const CProjectTreeView &cTree)
{
    const QAbstractItemModel *cModel = cTree.model();
    QString sOut;
    std::function<void(const QModelIndex &, int)> cVisit = [&](const QModelIndex &cIndex, int iDepth) {
        sOut += QString(iDepth * 2, QLatin1Char(' ')) + (cTree.isExpanded(cIndex) ? "+" : "-")
                + cIndex.data().toString() + QStringLiteral(" [%1]\n").arg(cIndex.data(Qt::UserRole).toInt());
        for (int i = 0; i < cModel->rowCount(cIndex); ++i)
            cVisit(cModel->index(i, 0, cIndex), iDepth + 1);
    };
    for (int i = 0; i < cModel->rowCount(); ++i)
        cVisit(cModel->index(i, 0), 0);
    return sOut;
}

QModelIndex itemAt(const CProjectTreeView &cTree, std::initializer_list<int> rows)
{
    QModelIndex cIndex;
    for (const int iRow : rows)
        cIndex = cTree.model()->index(iRow, 0, cIndex);
    return cIndex;
}

} // namespace

class tst_ProjectTree : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void rebuild_data()
    {
        QTest::addColumn<QString>("sDelimiter");
        QTest::addColumn<QString>("sExpected");

        QTest::addRow("delimiter cuts event texts") << "|"
                                                    << "+Demo project [0]\n"
                                                       "  -S1 - S2 [1]\n"
                                                       "    -0.00 m Start node [2]\n"
                                                       "    -12.50 m Crack [2]\n"
                                                       "    -13.00 m  [2]\n"
                                                       "    -14.00 m No delimiter here [2]\n"
                                                       "    -15.00 m  [2]\n"
                                                       "  -Empty section [1]\n";
        QTest::addRow("empty delimiter leaves texts whole") << ""
                                                            << "+Demo project [0]\n"
                                                               "  -S1 - S2 [1]\n"
                                                               "    -0.00 m Start node|Manhole S1 [2]\n"
                                                               "    -12.50 m Crack|longitudinal|wide [2]\n"
                                                               "    -13.00 m |leading [2]\n"
                                                               "    -14.00 m No delimiter here [2]\n"
                                                               "    -15.00 m  [2]\n"
                                                               "  -Empty section [1]\n";
        QTest::addRow("delimiter of several characters") << "|l"
                                                         << "+Demo project [0]\n"
                                                            "  -S1 - S2 [1]\n"
                                                            "    -0.00 m Start node|Manhole S1 [2]\n"
                                                            "    -12.50 m Crack [2]\n"
                                                            "    -13.00 m  [2]\n"
                                                            "    -14.00 m No delimiter here [2]\n"
                                                            "    -15.00 m  [2]\n"
                                                            "  -Empty section [1]\n";
        QTest::addRow("delimiter is case-sensitive") << "N"
                                                     << "+Demo project [0]\n"
                                                        "  -S1 - S2 [1]\n"
                                                        "    -0.00 m Start node|Manhole S1 [2]\n"
                                                        "    -12.50 m Crack|longitudinal|wide [2]\n"
                                                        "    -13.00 m |leading [2]\n"
                                                        "    -14.00 m  [2]\n"
                                                        "    -15.00 m  [2]\n"
                                                        "  -Empty section [1]\n";
    }

    void rebuild()
    {
        QFETCH(QString, sDelimiter);
        QFETCH(QString, sExpected);
        const auto cProject = makeProject({{"S1 - S2",
                                            {{0.0f, "Start node|Manhole S1"},
                                             {12.5f, "Crack|longitudinal|wide"},
                                             {13.0f, "|leading"},
                                             {14.0f, "No delimiter here"},
                                             {15.0f, ""}}},
                                           {"Empty section", {}}});
        CProjectTreeView cTree;
        cTree.setProject(cProject.get(), sDelimiter);
        QCOMPARE(dump(cTree), sExpected);
        QCOMPARE(cTree.textDelimiter(), sDelimiter);
    }

    void itemsCarryKindAndObject()
    {
        const auto cProject = makeProject({{"S1", {{1.0f, "a"}}}});
        CProjectTreeView cTree;
        cTree.setProject(cProject.get(), QStringLiteral("|"));
        const QModelIndex cProjectItem = itemAt(cTree, {0});
        const QModelIndex cSectionItem = itemAt(cTree, {0, 0});
        const QModelIndex cEventItem = itemAt(cTree, {0, 0, 0});
        QCOMPARE(cProjectItem.data(Qt::UserRole + 1).value<void *>(), static_cast<void *>(cProject.get()));
        QCOMPARE(cSectionItem.data(Qt::UserRole + 1).value<void *>(), static_cast<void *>(cProject->sectionAt(0)));
        QCOMPARE(cEventItem.data(Qt::UserRole + 1).value<void *>(),
                 static_cast<void *>(cProject->sectionAt(0)->events()->at(0)));
        QCOMPARE(cEventItem.parent(), cSectionItem);
        QCOMPARE(cSectionItem.parent(), cProjectItem);
        QVERIFY(!(cEventItem.flags() & Qt::ItemIsEditable));
    }

    void projectWithoutSectionsAndNoProject()
    {
        const auto cProject = makeProject({});
        CProjectTreeView cTree;
        cTree.setProject(cProject.get(), QString());
        QCOMPARE(dump(cTree), QStringLiteral("+Demo project [0]\n"));
        cTree.setProject(nullptr, QString());
        QCOMPARE(cTree.model()->rowCount(), 0);
    }

    void rebuildSendsNoSelection()
    {
        const auto cProject = makeProject({{"S1", {{1.0f, "a"}}}});
        CProjectTreeView cTree;
        cTree.setProject(cProject.get(), QString());
        cTree.setCurrentIndex(itemAt(cTree, {0, 0, 0}));
        QSignalSpy cProjectSpy(&cTree, &CProjectTreeView::onProjectSelected);
        QSignalSpy cSectionSpy(&cTree, &CProjectTreeView::onSectionSelected);
        QSignalSpy cEventSpy(&cTree, &CProjectTreeView::onEventSelected);
        cTree.setProject(cProject.get(), QString());
        cTree.setProject(nullptr, QString());
        QCOMPARE(cProjectSpy.count() + cSectionSpy.count() + cEventSpy.count(), 0);
        QVERIFY(!cTree.signalsBlocked());
    }

    void clickingSendsTheSelectedObject()
    {
        const auto cProject = makeProject({{"S1", {{1.0f, "a"}, {2.0f, "b"}}}, {"S2", {}}});
        CProjectTreeView cTree;
        cTree.resize(300, 400);
        cTree.setProject(cProject.get(), QString());
        cTree.expandAll();
        cTree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cTree));

        QList<const void *> cOrder;
        connect(&cTree, &CProjectTreeView::onProjectSelected, this,
                [&](const CCorvaneProject &c) { cOrder.append(&c); });
        connect(&cTree, &CProjectTreeView::onSectionSelected, this,
                [&](const CInspectionSegment &c) { cOrder.append(&c); });
        connect(&cTree, &CProjectTreeView::onEventSelected, this,
                [&](const CInspectionEvent &c) { cOrder.append(&c); });

        auto click = [&](std::initializer_list<int> rows) {
            QTest::mouseClick(cTree.viewport(), Qt::LeftButton, {}, cTree.visualRect(itemAt(cTree, rows)).center());
        };
        click({0, 0});
        click({0, 0, 1});
        click({0, 0, 1}); // the same item again
        click({0});
        click({0, 1});
        const QList<const void *> cExpected(
            {cProject->sectionAt(0), cProject->sectionAt(0)->events()->at(1), cProject.get(), cProject->sectionAt(1)});
        QCOMPARE(cOrder, cExpected);

        // Keyboard navigation moves the current item as well.
        cOrder.clear();
        QTest::keyClick(cTree.viewport(), Qt::Key_Up);
        QCOMPARE(cOrder, QList<const void *>({cProject->sectionAt(0)->events()->at(1)}));
    }

    void keyboardSearch_data()
    {
        QTest::addColumn<int>("iNextKey");
        QTest::addRow("Enter in the field") << int(Qt::Key_Return);
        QTest::addRow("F3") << int(Qt::Key_F3);
    }

    // Ctrl+F, typing, Enter or F3 to the next match, Shift+F3 back, Escape
    // to clear and once more to the tree.
    void keyboardSearch()
    {
        QFETCH(int, iNextKey);
        const auto cProject = makeProject({{"S1 - S2",
                                            {{0.0f, "Start node|Manhole S1"},
                                             {12.5f, "Crack|longitudinal|wide"},
                                             {13.0f, "|leading"},
                                             {14.0f, "No delimiter here"},
                                             {15.0f, ""}}},
                                           {"Empty section", {}}});
        CProjectTreeView cTree;
        cTree.resize(300, 400);
        cTree.setProject(cProject.get(), QStringLiteral("|"));
        cTree.show();
        QVERIFY(QTest::qWaitForWindowActive(&cTree));
        const CEventList *cEvents = cProject->sectionAt(0)->events();
        QList<const void *> cSelected;
        connect(&cTree, &CProjectTreeView::onEventSelected, this,
                [&](const CInspectionEvent &c) { cSelected.append(&c); });
        auto *cField = cTree.findChild<QLineEdit *>(QStringLiteral("leSearch"));
        QVERIFY(cField);

        QTest::keyClick(&cTree, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), cField);
        QTest::keyClicks(cField, QStringLiteral("E"));
        QCOMPARE(cTree.matchesText(), QStringLiteral("4 of 5"));
        QCOMPARE(cTree.findChild<QLabel *>(QStringLiteral("lblMatches"))->text(), QStringLiteral("4 of 5"));
        QCOMPARE(dump(cTree), QStringLiteral("+Demo project [0]\n"
                                             "  +S1 - S2 [1]\n"
                                             "    -0.00 m Start node [2]\n"
                                             "    -12.50 m Crack [2]\n"
                                             "    -13.00 m  [2]\n"
                                             "    -14.00 m No delimiter here [2]\n"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key(iNextKey));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(iNextKey));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(cSelected, QList<const void *>({cEvents->at(0), cEvents->at(1), cEvents->at(0)}));
        QCOMPARE(cTree.currentIndex().data(Qt::UserRole + 1).value<void *>(),
                 static_cast<const void *>(cEvents->at(0)));

        // Escape shows everything again; the current event stays, and no
        // selection is sent for it.
        cSelected.clear();
        QTest::keyClick(cField, Qt::Key_Escape);
        QVERIFY(cField->text().isEmpty());
        QCOMPARE(cTree.matchesText(), QString());
        QCOMPARE(cTree.model()->rowCount(itemAt(cTree, {0, 0})), 5);
        QCOMPARE(cTree.model()->rowCount(itemAt(cTree, {0})), 2);
        QCOMPARE(cTree.currentIndex(), itemAt(cTree, {0, 0, 0}));
        QVERIFY(cTree.isExpanded(itemAt(cTree, {0, 0})));
        QCOMPARE(cSelected, QList<const void *>());
        QCOMPARE(QApplication::focusWidget(), cField);
        QTest::keyClick(cField, Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), &cTree);

        // A new project starts without a search.
        cTree.setSearch(QStringLiteral("crack"));
        QCOMPARE(cTree.matchesText(), QStringLiteral("1 of 5"));
        cTree.setProject(cProject.get(), QStringLiteral("|"));
        QVERIFY(cField->text().isEmpty());
        QCOMPARE(cTree.matchesText(), QString());
    }
};

QTEST_MAIN(tst_ProjectTree)
#include "tst_projecttree.moc"
