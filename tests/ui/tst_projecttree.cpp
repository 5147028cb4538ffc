#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"
#include "ui/CProjectTreeView.h"

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
QString dump(const QTreeWidget &cTree)
{
    QString sOut;
    std::function<void(const QTreeWidgetItem *, int)> cVisit = [&](const QTreeWidgetItem *cItem, int iDepth) {
        sOut += QString(iDepth * 2, QLatin1Char(' ')) + (cItem->isExpanded() ? "+" : "-") + cItem->text(0)
            + QStringLiteral(" [%1]\n").arg(cItem->data(0, Qt::UserRole).toInt());
        for (int i = 0; i < cItem->childCount(); ++i)
            cVisit(cItem->child(i), iDepth + 1);
    };
    for (int i = 0; i < cTree.topLevelItemCount(); ++i)
        cVisit(cTree.topLevelItem(i), 0);
    return sOut;
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
        const QTreeWidgetItem *cProjectItem = cTree.topLevelItem(0);
        const QTreeWidgetItem *cSectionItem = cProjectItem->child(0);
        const QTreeWidgetItem *cEventItem = cSectionItem->child(0);
        QCOMPARE(cProjectItem->data(0, Qt::UserRole + 1).value<void *>(), static_cast<void *>(cProject.get()));
        QCOMPARE(cSectionItem->data(0, Qt::UserRole + 1).value<void *>(),
                 static_cast<void *>(cProject->sectionAt(0)));
        QCOMPARE(cEventItem->data(0, Qt::UserRole + 1).value<void *>(),
                 static_cast<void *>(cProject->sectionAt(0)->events()->at(0)));
        QVERIFY(!(cEventItem->flags() & Qt::ItemIsEditable));
    }

    void projectWithoutSectionsAndNoProject()
    {
        const auto cProject = makeProject({});
        CProjectTreeView cTree;
        cTree.setProject(cProject.get(), QString());
        QCOMPARE(dump(cTree), QStringLiteral("+Demo project [0]\n"));
        cTree.setProject(nullptr, QString());
        QCOMPARE(cTree.topLevelItemCount(), 0);
    }

    void rebuildSendsNoSelection()
    {
        const auto cProject = makeProject({{"S1", {{1.0f, "a"}}}});
        CProjectTreeView cTree;
        cTree.setProject(cProject.get(), QString());
        cTree.setCurrentItem(cTree.topLevelItem(0)->child(0)->child(0));
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

        auto click = [&](QTreeWidgetItem *cItem) {
            QTest::mouseClick(cTree.viewport(), Qt::LeftButton, {}, cTree.visualItemRect(cItem).center());
        };
        QTreeWidgetItem *cProjectItem = cTree.topLevelItem(0);
        click(cProjectItem->child(0));
        click(cProjectItem->child(0)->child(1));
        click(cProjectItem->child(0)->child(1)); // the same item again
        click(cProjectItem);
        click(cProjectItem->child(1));
        const QList<const void *> cExpected({cProject->sectionAt(0), cProject->sectionAt(0)->events()->at(1),
                                             cProject.get(), cProject->sectionAt(1)});
        QCOMPARE(cOrder, cExpected);

        // Keyboard navigation moves the current item as well.
        cOrder.clear();
        QTest::keyClick(cTree.viewport(), Qt::Key_Up);
        QCOMPARE(cOrder, QList<const void *>({cProject->sectionAt(0)->events()->at(1)}));
    }
};

QTEST_MAIN(tst_ProjectTree)
#include "tst_projecttree.moc"
