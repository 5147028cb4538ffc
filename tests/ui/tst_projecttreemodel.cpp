#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CProperty.h"
#include "model/CPropertyList.h"
#include "ui/CProjectTreeModel.h"

#include <QAbstractItemModelTester>
#include <QLocale>
#include <QtTest>

#include <memory>

// The search filter of the project tree, on the model alone: what matches,
// the counts, the next match, and that the model stays consistent.
namespace {

struct EventRow
{
    float fMetres;
    const char *pszText;
    const char *pszCode;
    int iClassProperty; // 0: none
    const char *pszClassValue;
    const char *pszClassCode;
};

std::unique_ptr<CCorvaneProject> makeProject()
{
    auto cProject = std::make_unique<CCorvaneProject>(new CPropertyList, new CPropertyList, new CPropertyList);
    cProject->setName(QStringLiteral("Filter"));
    const QList<QPair<QString, QList<EventRow>>> sections{
        {QStringLiteral("S1"),
         {{0.0f, "Start node|Manhole S1", "BCD", 200001, "0", ""},
          {12.5f, "Crack, longitudinal", "BAB", 200001, "x", "3"},
          {13.0f, "Root intrusion", "BBC", 200001, "1", ""},
          {112.5f, "crack circumferential", "BAC", 200001, "", "5"}}},
        {QStringLiteral("S2"),
         {{2.25f, "Deformation", "BAA", 1, "", "4"}, // no 200001: property 1 counts
          {7.0f, "Joint offset", "BAJ", 0, "", ""}}},
        {QStringLiteral("S3 without events"), {}}};
    int iSectionId = 1;
    for (const auto &cSectionRows : sections) {
        auto *cSection = new CInspectionSegment(cProject.get(), new CPropertyList, iSectionId++);
        cSection->setName(cSectionRows.first);
        int iEventId = 1;
        for (const EventRow &cRow : cSectionRows.second) {
            auto *cProperties = new CPropertyList;
            if (cRow.iClassProperty) {
                auto *cClass = new CProperty(cRow.iClassProperty);
                cClass->setValue(QString::fromUtf8(cRow.pszClassValue));
                cClass->setCode(QString::fromUtf8(cRow.pszClassCode));
                cProperties->add(cClass);
            }
            auto *cEvent = new CInspectionEvent(cSection, cProperties, iEventId++);
            cEvent->setMeterValue(cRow.fMetres);
            cEvent->setText(QString::fromUtf8(cRow.pszText));
            cEvent->setAbbreviation(QString::fromUtf8(cRow.pszCode));
            cSection->addEvent(cEvent);
        }
        cProject->addSection(cSection);
    }
    return cProject;
}

// The shown tree in one line: "S1[12.50 m Crack, 112.50 m crack] S2[...]".
QString shown(const CProjectTreeModel &cModel)
{
    QStringList cSections;
    const QModelIndex cProject = cModel.index(0, 0);
    for (int s = 0; s < cModel.rowCount(cProject); ++s) {
        const QModelIndex cSection = cModel.index(s, 0, cProject);
        QStringList cEvents;
        for (int e = 0; e < cModel.rowCount(cSection); ++e) {
            const QModelIndex cEvent = cModel.index(e, 0, cSection);
            cEvents << cEvent.data().toString() + (cEvent.parent() == cSection ? "" : " (wrong parent)");
        }
        cSections << cSection.data().toString() + QLatin1Char('[') + cEvents.join(QStringLiteral(", "))
                         + QLatin1Char(']');
    }
    return cSections.join(QLatin1Char(' '));
}

const QStringList kClasses{"0", "1", "2", "3", "4", "5"};

} // namespace

class tst_ProjectTreeModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void filter_data()
    {
        QTest::addColumn<QString>("sText");
        QTest::addColumn<int>("iMinimumClass");
        QTest::addColumn<QString>("sShown");
        QTest::addColumn<int>("iMatches");
        QTest::addColumn<bool>("bFiltered");

        QTest::addRow("nothing asked: everything, the empty section too")
            << "" << -1
            << "S1[0.00 m Start node, 12.50 m Crack, longitudinal, 13.00 m Root intrusion, 112.50 m crack "
               "circumferential] S2[2.25 m Deformation, 7.00 m Joint offset] S3 without events[]"
            << 6 << false;
        QTest::addRow("text, ignoring case")
            << "CRACK" << -1 << "S1[12.50 m Crack, longitudinal, 112.50 m crack circumferential]" << 2 << true;
        QTest::addRow("code") << "ba" << -1
                              << "S1[12.50 m Crack, longitudinal, 112.50 m crack circumferential] "
                                 "S2[2.25 m Deformation, 7.00 m Joint offset]"
                              << 4 << true;
        QTest::addRow("position") << "12.5" << -1 << "S1[12.50 m Crack, longitudinal, 112.50 m crack circumferential]"
                                  << 2 << true;
        QTest::addRow("position as shown, with its unit")
            << "12.50 m" << -1 << "S1[12.50 m Crack, longitudinal, 112.50 m crack circumferential]" << 2 << true;
        QTest::addRow("a unit alone matches texts, no position")
            << " m " << -1 << "S1[0.00 m Start node, 112.50 m crack circumferential] S2[2.25 m Deformation]" << 3
            << true;
        QTest::addRow("the whole text, also behind the delimiter")
            << "manhole" << -1 << "S1[0.00 m Start node]" << 1 << true;
        QTest::addRow("blanks around the text are ignored")
            << "  root " << -1 << "S1[13.00 m Root intrusion]" << 1 << true;
        QTest::addRow("nothing matches") << "zzz" << -1 << "" << 0 << true;
        QTest::addRow("minimum damage class, code before value")
            << "" << 3 << "S1[12.50 m Crack, longitudinal, 112.50 m crack circumferential] S2[2.25 m Deformation]" << 3
            << true;
        QTest::addRow("lowest class keeps only classified events")
            << "" << 0
            << "S1[0.00 m Start node, 12.50 m Crack, longitudinal, 13.00 m Root intrusion, 112.50 m crack "
               "circumferential] S2[2.25 m Deformation]"
            << 5 << true;
        QTest::addRow("text and class together") << "crack" << 4 << "S1[112.50 m crack circumferential]" << 1 << true;
        QTest::addRow("a class beyond the standard is no filter") << "" << 6 << "" << 6 << false;
    }

    void filter()
    {
        QFETCH(QString, sText);
        QFETCH(int, iMinimumClass);
        QFETCH(QString, sShown);
        QFETCH(int, iMatches);
        QFETCH(bool, bFiltered);
        const auto cProject = makeProject();
        CProjectTreeModel cModel;
        QAbstractItemModelTester cTester(&cModel, QAbstractItemModelTester::FailureReportingMode::QtTest);
        cModel.setDamageClasses(kClasses);
        cModel.setProject(cProject.get(), QStringLiteral("|"));
        cModel.setFilter(sText, iMinimumClass);
        QCOMPARE(cModel.isFiltered(), bFiltered);
        QCOMPARE(cModel.matchCount(), iMatches);
        QCOMPARE(cModel.eventCount(), 6);
        if (bFiltered)
            QCOMPARE(shown(cModel), sShown);
        // Every shown event is found again by its object, and back.
        const QModelIndex cProjectIndex = cModel.index(0, 0);
        for (int s = 0; s < cModel.rowCount(cProjectIndex); ++s) {
            const QModelIndex cSection = cModel.index(s, 0, cProjectIndex);
            QCOMPARE(cModel.indexOf(CProjectTreeModel::objectOf(cSection)), cSection);
            for (int e = 0; e < cModel.rowCount(cSection); ++e) {
                const QModelIndex cEvent = cModel.index(e, 0, cSection);
                QCOMPARE(cModel.indexOf(CProjectTreeModel::objectOf(cEvent)), cEvent);
            }
        }
        // Clearing shows everything again.
        cModel.setFilter(QString(), -1);
        QVERIFY(!cModel.isFiltered());
        QCOMPARE(cModel.matchCount(), 6);
        QCOMPARE(cModel.rowCount(cProjectIndex), 3);
    }

    void hiddenObjectsHaveNoIndex()
    {
        const auto cProject = makeProject();
        CProjectTreeModel cModel;
        cModel.setProject(cProject.get(), QString());
        cModel.setFilter(QStringLiteral("deformation"), -1);
        QVERIFY(!cModel.indexOf(cProject->sectionAt(0)).isValid());
        QVERIFY(!cModel.indexOf(cProject->sectionAt(1)->events()->at(1)).isValid());
        QCOMPARE(cModel.indexOf(cProject->sectionAt(1)->events()->at(0)).row(), 0);
        QCOMPARE(cModel.indexOf(cProject->sectionAt(1)).row(), 0);
        cModel.setProject(nullptr, QString());
        QCOMPARE(cModel.rowCount(), 0);
        QVERIFY(!cModel.isFiltered());
    }

    void nextMatch_data()
    {
        QTest::addColumn<QString>("sText");
        QTest::addColumn<bool>("bForward");
        QTest::addColumn<QString>("sFrom"); // "", "project", "section N" or "event N M" in shown rows
        QTest::addColumn<QStringList>("steps");
        QTest::addRow("forward from nothing, wrapping round")
            << "ba" << true << ""
            << QStringList{"12.50 m Crack, longitudinal", "112.50 m crack circumferential", "2.25 m Deformation",
                           "7.00 m Joint offset", "12.50 m Crack, longitudinal"};
        QTest::addRow("backward from the project")
            << "ba" << false << "project"
            << QStringList{"7.00 m Joint offset", "2.25 m Deformation", "112.50 m crack circumferential"};
        QTest::addRow("forward from a section: its first")
            << "ba" << true << "section 1" << QStringList{"2.25 m Deformation"};
        QTest::addRow("backward from a section: the one before it")
            << "ba" << false << "section 1" << QStringList{"112.50 m crack circumferential"};
        QTest::addRow("a single match finds itself")
            << "root" << true << "event 0 0" << QStringList{"13.00 m Root intrusion", "13.00 m Root intrusion"};
        QTest::addRow("without a filter, every event, past empty sections")
            << "" << true << "event 1 1" << QStringList{"0.00 m Start node", "12.50 m Crack, longitudinal"};
        QTest::addRow("no match, nowhere to go") << "zzz" << true << "" << QStringList{""};
    }

    void nextMatch()
    {
        QFETCH(QString, sText);
        QFETCH(bool, bForward);
        QFETCH(QString, sFrom);
        QFETCH(QStringList, steps);
        const auto cProject = makeProject();
        CProjectTreeModel cModel;
        cModel.setProject(cProject.get(), QStringLiteral("|"));
        cModel.setFilter(sText, -1);
        QModelIndex cAt;
        const QStringList from = sFrom.split(QLatin1Char(' '));
        if (from.first() == QLatin1String("project"))
            cAt = cModel.index(0, 0);
        else if (from.first() == QLatin1String("section"))
            cAt = cModel.index(from.at(1).toInt(), 0, cModel.index(0, 0));
        else if (from.first() == QLatin1String("event"))
            cAt = cModel.index(from.at(2).toInt(), 0, cModel.index(from.at(1).toInt(), 0, cModel.index(0, 0)));
        QStringList cVisited;
        for (int i = 0; i < steps.size(); ++i) {
            cAt = cModel.nextMatch(cAt, bForward);
            QVERIFY(!cAt.isValid() || cAt.data(CProjectTreeModel::KindRole).toInt() == CProjectTreeModel::ItemEvent);
            cVisited << cAt.data().toString();
        }
        QCOMPARE(cVisited, steps);
    }

    void damageClassOfAnEvent_data()
    {
        QTest::addColumn<QStringList>("properties"); // "id|value|code"
        QTest::addColumn<QString>("sClass");
        QTest::addRow("code of 200001") << QStringList{"200001|2|C2"} << "C2";
        QTest::addRow("value of 200001 without code") << QStringList{"200001|2|"} << "2";
        QTest::addRow("property 1 stands in for a missing 200001") << QStringList{"1|4|"} << "4";
        QTest::addRow("an empty 200001 still counts") << QStringList{"200001||", "1|4|"} << "";
        QTest::addRow("none") << QStringList{"7|x|y"} << "";
    }

    void damageClassOfAnEvent()
    {
        QFETCH(QStringList, properties);
        QFETCH(QString, sClass);
        auto *cList = new CPropertyList;
        for (const QString &sProperty : properties) {
            const QStringList parts = sProperty.split(QLatin1Char('|'));
            auto *cProperty = new CProperty(parts.at(0).toInt());
            cProperty->setValue(parts.at(1));
            cProperty->setCode(parts.at(2));
            cList->add(cProperty);
        }
        const CInspectionEvent cEvent(nullptr, cList, 1);
        QCOMPARE(CProjectTreeModel::damageClassOf(cEvent), sClass);
    }

    void longTextsAreCutForShowing_data()
    {
        QTest::addColumn<QString>("sText");
        QTest::addColumn<QString>("sDelimiter");
        QTest::addColumn<QString>("sShown"); // after "1.00 m "
        const int iMax = CProjectTreeModel::kMaxItemText;
        const QString sLong(5000, QLatin1Char('a'));
        const QString sEllipsis(QChar(0x2026));
        QTest::addRow("long text") << sLong << "|" << QString(iMax, QLatin1Char('a')) + sEllipsis;
        QTest::addRow("exactly the limit") << sLong.left(iMax) << "|" << sLong.left(iMax);
        QTest::addRow("delimiter before the limit") << sLong.left(50) + "|" + sLong << "|" << sLong.left(50);
        QTest::addRow("delimiter just after the limit") << sLong.left(iMax) + "|b"
                                                        << "|" << sLong.left(iMax);
        QTest::addRow("delimiter far beyond the limit") << sLong.left(iMax + 10) + "|b"
                                                        << "|" << QString(iMax, QLatin1Char('a')) + sEllipsis;
        QString sSurrogates = sLong.left(iMax - 1) + QString::fromUtf8("\xF0\x9F\x9A\xBD") + "tail";
        QTest::addRow("no half character at the cut") << sSurrogates << "" << sLong.left(iMax - 1) + sEllipsis;
    }

    void longTextsAreCutForShowing()
    {
        QFETCH(QString, sText);
        QFETCH(QString, sDelimiter);
        QFETCH(QString, sShown);
        CInspectionEvent cEvent(nullptr, new CPropertyList, 1);
        cEvent.setMeterValue(1.0f);
        cEvent.setText(sText);
        QCOMPARE(CProjectTreeModel::eventItemText(cEvent, sDelimiter), QStringLiteral("1.00 m ") + sShown);
    }
};

QTEST_GUILESS_MAIN(tst_ProjectTreeModel)
#include "tst_projecttreemodel.moc"
