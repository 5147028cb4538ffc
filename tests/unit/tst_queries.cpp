#include "app/CApplicationContext.h"
#include "app/CProjectCatalogData.h"
#include "metadata/CInspectionStandard.h"
#include "metadata/InspectionStandardLoader.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"
#include "queries/CDataCoreObjectQuery.h"
#include "queries/CEventObjectQuery.h"
#include "queries/CProjectObjectQuery.h"
#include "queries/CSectionObjectQuery.h"
#include "queries/CSharedTranslations.h"
#include "queries/FieldIds.h"
#include "report/layout/CDamageClassList.h"
#include "report/layout/PrintoutLayout.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/CurrentProject.h"

#include "TestHelpers.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTest>
#include <QTranslator>

#include <limits>
#include <memory>

namespace {

// Properties written as "id|value|code".
CPropertyList *makeProperties(const QStringList &entries)
{
    auto *cList = new CPropertyList;
    for (const QString &sEntry : entries) {
        const QStringList parts = sEntry.split(QLatin1Char('|'));
        auto *cProperty = new CProperty(parts.value(0).toInt());
        cProperty->setValue(parts.value(1));
        cProperty->setCode(parts.value(2));
        cList->add(cProperty);
    }
    return cList;
}

void setAddress(CPropertyList *cList, int iId, const QString &sValue)
{
    cList->findProperty(iId)->setValue(sValue);
}

// Prefixes every text of the shared translations' context, so a test sees
// both that the context is right and that the translator is asked late.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *sContext, const char *sSourceText, const char * = nullptr, int = -1) const override
    {
        if (qstrcmp(sContext, "CSharedTranslations") != 0)
            return QString();
        return QStringLiteral("T:") + QString::fromUtf8(sSourceText);
    }
    bool isEmpty() const override { return false; }
};

enum ObjectKind { ProjectObject, SectionObject, EventObject };

} // namespace

class TestQueries : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void fieldGroups_data();
    void fieldGroups();
    void fixedCaptions_data();
    void fixedCaptions();
    void sectionPropertyCaptions_data();
    void sectionPropertyCaptions();
    void fieldIdLists_data();
    void fieldIdLists();
    void valuesAndCodes_data();
    void valuesAndCodes();
    void damageClassFallback_data();
    void damageClassFallback();
    void catalogName_data();
    void catalogName();
    void localeFormatting_data();
    void localeFormatting();
    void listsFollowFieldIds();
    void createQueryByKind();
    void objectsWithoutOwners();
    void sharedCaptions_data();
    void sharedCaptions();
    void errorMessages_data();
    void errorMessages();
    void errorCodeText_data();
    void errorCodeText();
    void translatorInstalledLater();

private:
    std::unique_ptr<CDataCoreObjectQuery> queryFor(int iKind) const;

    std::unique_ptr<CCorvaneProject> m_cProject;
    CInspectionSegment *m_cSection = nullptr;
    CInspectionEvent *m_cEvent = nullptr;     // at 3.5 m
    CInspectionEvent *m_cLastEvent = nullptr; // at 12.5 m
};

void TestQueries::initTestCase()
{
    CApplicationContext::setInstance(new CApplicationContext(
        TestHelpers::fixturesDir() + QStringLiteral("/queries/install"), QStringLiteral("en_US")));

    m_cProject =
        std::make_unique<CCorvaneProject>(CPropertyList::withIds(10).release(), CPropertyList::withIds(10).release(),
                                          CPropertyList::withIds(10).release());
    m_cProject->setName(QStringLiteral("Ostrel Nord"));
    m_cProject->setCreated(QDate(2010, 5, 3));
    m_cProject->setLastModified(QDate(2011, 2, 14));
    m_cProject->setInspectionStandard(QStringLiteral("QUERY-CAT"));
    setAddress(m_cProject->client(), 1, QStringLiteral("Stadt Ostrel"));
    setAddress(m_cProject->client(), 5, QStringLiteral("Rathausplatz 1"));
    setAddress(m_cProject->client(), 10, QStringLiteral("rathaus@ostrel.example"));
    setAddress(m_cProject->officer(), 1, QStringLiteral("Erika Mustermann"));
    setAddress(m_cProject->officer(), 3, QStringLiteral("Tiefbauamt"));
    setAddress(m_cProject->contractor(), 1, QStringLiteral("Kanal-TV GmbH"));
    setAddress(m_cProject->contractor(), 7, QStringLiteral("+49 1234"));

    m_cSection = new CInspectionSegment(
        m_cProject.get(),
        makeProperties({QStringLiteral("1|MH 1|"), QStringLiteral("4|Downstream|D"), QStringLiteral("8|Concrete|B"),
                        QStringLiteral("9|42.5|"), QStringLiteral("30|Köln|K"), QStringLiteral("81|last|L"),
                        QStringLiteral("82|beyond|X")}),
        7);
    m_cSection->setName(QStringLiteral("S-7"));
    m_cSection->setInclinationFile(QStringLiteral("s7.inc"));
    m_cProject->addSection(m_cSection);

    m_cEvent =
        new CInspectionEvent(m_cSection,
                             makeProperties({QStringLiteral("17|crack width|CW"), QStringLiteral("1|2|2"),
                                             QStringLiteral("200030|last|LC"), QStringLiteral("200031|beyond|BC")}),
                             1);
    m_cEvent->setMeterValue(3.5f);
    m_cEvent->setText(QStringLiteral("Crack, longitudinal"));
    m_cEvent->setAbbreviation(QStringLiteral("BAB"));
    m_cEvent->setImageFile(QStringLiteral("a.jpg"));
    m_cEvent->setImageFile2(QStringLiteral("b.jpg"));
    m_cEvent->setVideoFile(QStringLiteral("s7.webm"));
    m_cEvent->setVideoTimeIndex(1, 2, 3);
    m_cSection->addEvent(m_cEvent);

    m_cLastEvent = new CInspectionEvent(m_cSection, makeProperties({}), 2);
    m_cLastEvent->setMeterValue(12.5f);
    m_cSection->addEvent(m_cLastEvent);
    m_cProject->sortSections();
}

void TestQueries::cleanupTestCase()
{
    setCurrentRuntimeData(nullptr);
    m_cProject.reset();
    CApplicationContext::destroyInstance();
}

void TestQueries::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void TestQueries::cleanup()
{
    setCurrentRuntimeData(nullptr);
    QLocale::setDefault(QLocale::c());
}

std::unique_ptr<CDataCoreObjectQuery> TestQueries::queryFor(int iKind) const
{
    switch (iKind) {
    case ProjectObject: return createQuery(m_cProject.get());
    case SectionObject: return createQuery(m_cSection);
    default: return createQuery(m_cEvent);
    }
}

void TestQueries::fieldGroups_data()
{
    QTest::addColumn<int>("fieldId");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("index");
    QTest::addRow("below every range") << 999999 << 0 << 0;
    QTest::addRow("client 0") << 1000000 << 2 << 0;
    QTest::addRow("client 10") << 1000010 << 2 << 10;
    QTest::addRow("officer 1") << 1000011 << 3 << 1;
    QTest::addRow("officer 10") << 1000020 << 3 << 10;
    QTest::addRow("contractor 1") << 1000021 << 4 << 1;
    QTest::addRow("contractor 10") << 1000030 << 4 << 10;
    QTest::addRow("project first") << 1000031 << 1 << 0;
    QTest::addRow("project last") << 1000034 << 1 << 0;
    QTest::addRow("gap after project") << 1000035 << 0 << 0;
    QTest::addRow("gap before section") << 1000999 << 0 << 0;
    QTest::addRow("section first") << 1001000 << 5 << 0;
    QTest::addRow("section last") << 1001102 << 5 << 0;
    QTest::addRow("section property 1") << 1001103 << 6 << 1;
    QTest::addRow("section property 81") << 1001183 << 6 << 81;
    QTest::addRow("section property 82") << 1001184 << 0 << 0;
    QTest::addRow("event first") << 1002000 << 7 << 0;
    QTest::addRow("event last") << 1002006 << 7 << 0;
    QTest::addRow("event property 1") << 1002007 << 8 << 1;
    QTest::addRow("event property 200001") << 1202007 << 8 << 200001;
    QTest::addRow("event property 200030") << 1202036 << 8 << 200030;
    QTest::addRow("event property 200031") << 1202037 << 0 << 0;
    QTest::addRow("negative") << -1000000 << 0 << 0;
}

void TestQueries::fieldGroups()
{
    QFETCH(int, fieldId);
    QFETCH(int, group);
    QFETCH(int, index);
    QCOMPARE(FieldIds::groupOf(fieldId), group);
    QCOMPARE(FieldIds::indexOf(fieldId), index);
    // The reverse mapping gives the identifier back for the property groups
    // and 0 for all others.
    const bool bPropertyGroup = group == 2 || group == 3 || group == 4 || group == 6 || group == 8;
    QCOMPARE(FieldIds::fieldIdOf(group, index), bPropertyGroup ? fieldId : 0);
}

void TestQueries::fixedCaptions_data()
{
    QTest::addColumn<int>("fieldId");
    QTest::addColumn<QString>("caption");
    QTest::addRow("client 0 has none") << 1000000 << "";
    QTest::addRow("client name") << 1000001 << "Customer";
    QTest::addRow("client responsible") << 1000002 << "Responsible";
    QTest::addRow("client e-mail") << 1000010 << "E-Mail";
    QTest::addRow("officer name") << 1000011 << "Project Leader";
    QTest::addRow("officer department") << 1000013 << "Department";
    QTest::addRow("officer e-mail") << 1000020 << "E-Mail";
    QTest::addRow("contractor name") << 1000021 << "Contractor";
    QTest::addRow("contractor post box") << 1000024 << "Post-Office Box";
    QTest::addRow("contractor mobile") << 1000029 << "Mobile Phone";
    QTest::addRow("project name") << 1000031 << "Project Name";
    QTest::addRow("created") << 1000032 << "Created";
    QTest::addRow("last modified") << 1000033 << "Last Modified";
    QTest::addRow("catalog") << 1000034 << "Catalog Name";
    QTest::addRow("unused section field") << 1001000 << "";
    QTest::addRow("section name") << 1001100 << "Section Name";
    QTest::addRow("length") << 1001101 << "Calculated Length";
    QTest::addRow("inclination") << 1001102 << "Inclination File";
    QTest::addRow("event text") << 1002000 << "Text";
    QTest::addRow("event code") << 1002001 << "Code";
    QTest::addRow("photo 1") << 1002002 << "Photo File 1";
    QTest::addRow("photo 2") << 1002003 << "Photo File 2";
    QTest::addRow("video") << 1002004 << "Video File";
    QTest::addRow("time index") << 1002005 << "Video Time Index";
    QTest::addRow("meter value") << 1002006 << "Meter Value";
    QTest::addRow("event property") << 1002007 << "";
    QTest::addRow("damage class property") << 1202007 << "";
    QTest::addRow("no group") << 0 << "";
}

void TestQueries::fixedCaptions()
{
    QFETCH(int, fieldId);
    QFETCH(QString, caption);
    for (int iKind : {ProjectObject, SectionObject, EventObject})
        QCOMPARE(queryFor(iKind)->fieldCaption(fieldId), caption);
}

void TestQueries::sectionPropertyCaptions_data()
{
    QTest::addColumn<QString>("runtime"); // none, plain (no standard), standard
    QTest::addColumn<int>("fieldId");
    QTest::addColumn<QString>("caption");
    QTest::addRow("property 1") << "standard" << 1001103 << "Start Node";
    QTest::addRow("property 4") << "standard" << 1001106 << "Inspection Direction";
    QTest::addRow("unlisted property 8") << "standard" << 1001110 << "Material";
    QTest::addRow("property 81") << "standard" << 1001183 << "Last Section Property";
    QTest::addRow("no definition") << "standard" << 1001104 << "";
    QTest::addRow("82 defined but out of range") << "standard" << 1001184 << "";
    QTest::addRow("no current project") << "none" << 1001103 << "";
    QTest::addRow("current project without standard") << "plain" << 1001103 << "";
}

void TestQueries::sectionPropertyCaptions()
{
    QFETCH(QString, runtime);
    QFETCH(int, fieldId);
    QFETCH(QString, caption);

    std::unique_ptr<CInspectionStandard> cStandard;
    if (runtime == QLatin1String("standard")) {
        cStandard = loadInspectionStandard(TestHelpers::fixturesDir()
                                           + QStringLiteral("/queries/install/CatalogBaseData/Queries.std"));
        QVERIFY(cStandard);
    }
    CProjectRuntimeData cRuntime(m_cProject.get(),
                                 std::make_unique<CProjectCatalogData>(std::move(cStandard), nullptr, nullptr));
    setCurrentRuntimeData(runtime == QLatin1String("none") ? nullptr : &cRuntime);

    // Whatever object the query is about, the caption comes from the open
    // project's standard.
    for (int iKind : {ProjectObject, SectionObject, EventObject})
        QCOMPARE(queryFor(iKind)->fieldCaption(fieldId), caption);
    setCurrentRuntimeData(nullptr);
}

void TestQueries::fieldIdLists_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("ids");

    QList<int> projectIds{1000031, 1000032, 1000033, 1000034};
    for (int iId = 1000001; iId <= 1000030; ++iId)
        projectIds << iId;
    QTest::addRow("project") << int(ProjectObject) << projectIds;
    // 8 and 9 are left out; 82 is listed though it addresses nothing.
    QTest::addRow("section") << int(SectionObject)
                             << QList<int>{1001100, 1001101, 1001102, 1001103, 1001106, 1001132, 1001183, 1001184};
    // The meter value comes third; properties follow in list order.
    QTest::addRow("event") << int(EventObject) << QList<int>{1002000, 1002001, 1002006, 1002002, 1002003, 1002004,
                                                             1002005, 1002023, 1002007, 1202036, 1202037};
}

void TestQueries::fieldIdLists()
{
    QFETCH(int, kind);
    QFETCH(QList<int>, ids);
    QCOMPARE(queryFor(kind)->fieldIds(), ids);
}

void TestQueries::valuesAndCodes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("fieldId");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("code");

    const int P = ProjectObject, S = SectionObject, E = EventObject;
    QTest::addRow("project name") << P << 1000031 << "Ostrel Nord"
                                  << "";
    QTest::addRow("created") << P << 1000032 << "2010.05.03"
                             << "";
    QTest::addRow("last modified") << P << 1000033 << "2011.02.14"
                                   << "";
    QTest::addRow("catalog") << P << 1000034 << "Query Test Coding (Ümlaut)"
                             << "";
    QTest::addRow("client name") << P << 1000001 << "Stadt Ostrel"
                                 << "";
    QTest::addRow("client street") << P << 1000005 << "Rathausplatz 1"
                                   << "";
    QTest::addRow("client e-mail") << P << 1000010 << "rathaus@ostrel.example"
                                   << "";
    QTest::addRow("client 0 is property 0") << P << 1000000 << ""
                                            << "";
    QTest::addRow("officer name") << P << 1000011 << "Erika Mustermann"
                                  << "";
    QTest::addRow("officer department") << P << 1000013 << "Tiefbauamt"
                                        << "";
    QTest::addRow("contractor name") << P << 1000021 << "Kanal-TV GmbH"
                                     << "";
    QTest::addRow("contractor telephone") << P << 1000027 << "+49 1234"
                                          << "";
    QTest::addRow("project asked for section field") << P << 1001100 << ""
                                                     << "";
    QTest::addRow("project asked for nothing") << P << 5 << ""
                                               << "";

    QTest::addRow("section name") << S << 1001100 << "S-7"
                                  << "";
    QTest::addRow("section length") << S << 1001101 << "9.00 m"
                                    << "";
    QTest::addRow("section inclination") << S << 1001102 << "s7.inc"
                                         << "";
    QTest::addRow("unused section field") << S << 1001050 << ""
                                          << "";
    QTest::addRow("section property 4") << S << 1001106 << "Downstream"
                                        << "D";
    QTest::addRow("unlisted property 8") << S << 1001110 << "Concrete"
                                         << "B";
    QTest::addRow("unlisted property 9") << S << 1001111 << "42.5"
                                         << "";
    QTest::addRow("section property 30") << S << 1001132 << "Köln"
                                         << "K";
    QTest::addRow("absent section property") << S << 1001105 << ""
                                             << "";
    QTest::addRow("section property 82") << S << 1001184 << ""
                                         << "";
    QTest::addRow("section: project name") << S << 1000031 << "Ostrel Nord"
                                           << "";
    QTest::addRow("section: contractor") << S << 1000021 << "Kanal-TV GmbH"
                                         << "";
    QTest::addRow("section asked for event") << S << 1002000 << ""
                                             << "";

    QTest::addRow("event text") << E << 1002000 << "Crack, longitudinal"
                                << "";
    QTest::addRow("event code") << E << 1002001 << "BAB"
                                << "";
    QTest::addRow("photo 1") << E << 1002002 << "a.jpg"
                             << "";
    QTest::addRow("photo 2") << E << 1002003 << "b.jpg"
                             << "";
    QTest::addRow("video") << E << 1002004 << "s7.webm"
                           << "";
    QTest::addRow("time index") << E << 1002005 << "01:02:03"
                                << "";
    QTest::addRow("meter value") << E << 1002006 << "3.50 m"
                                 << "";
    QTest::addRow("event property 17") << E << 1002023 << "crack width"
                                       << "CW";
    QTest::addRow("event property 200030") << E << 1202036 << "last"
                                           << "LC";
    QTest::addRow("event property 200031") << E << 1202037 << ""
                                           << "";
    QTest::addRow("event: section name") << E << 1001100 << "S-7"
                                         << "";
    QTest::addRow("event: section length") << E << 1001101 << "9.00 m"
                                           << "";
    QTest::addRow("event: section property") << E << 1001106 << "Downstream"
                                             << "D";
    QTest::addRow("event: project created") << E << 1000032 << "2010.05.03"
                                            << "";
    QTest::addRow("event: officer") << E << 1000011 << "Erika Mustermann"
                                    << "";
    QTest::addRow("event: unknown") << E << 2000000 << ""
                                    << "";
}

void TestQueries::valuesAndCodes()
{
    QFETCH(int, kind);
    QFETCH(int, fieldId);
    QFETCH(QString, value);
    QFETCH(QString, code);
    const std::unique_ptr<CDataCoreObjectQuery> cQuery = queryFor(kind);
    QCOMPARE(cQuery->fieldValue(fieldId), value);
    QCOMPARE(cQuery->fieldCode(fieldId), code);
}

void TestQueries::damageClassFallback_data()
{
    QTest::addColumn<QStringList>("properties");
    QTest::addColumn<int>("fieldId");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("code");
    QTest::addRow("200001 absent: property 1") << QStringList{"1|v1|c1"} << 1202007 << "v1"
                                               << "c1";
    QTest::addRow("200001 present") << QStringList{"1|v1|c1", "200001|dc|dcc"} << 1202007 << "dc"
                                    << "dcc";
    QTest::addRow("200002 absent: property 2") << QStringList{"2|v2|c2"} << 1202008 << "v2"
                                               << "c2";
    QTest::addRow("200002 present") << QStringList{"200002|x|y", "2|v2|c2"} << 1202008 << "x"
                                    << "y";
    QTest::addRow("200002 present, 200001 falls back") << QStringList{"1|v1|c1", "200002|x|y"} << 1202007 << "v1"
                                                       << "c1";
    QTest::addRow("neither present") << QStringList{"3|v3|c3"} << 1202007 << ""
                                     << "";
    QTest::addRow("200003 has no fallback") << QStringList{"3|v3|c3"} << 1202009 << ""
                                            << "";
    QTest::addRow("property 1 asked directly") << QStringList{"200001|dc|dcc", "1|v1|c1"} << 1002007 << "v1"
                                               << "c1";
    QTest::addRow("empty 200001 is still present") << QStringList{"200001||", "1|v1|c1"} << 1202007 << ""
                                                   << "";
}

void TestQueries::damageClassFallback()
{
    QFETCH(QStringList, properties);
    QFETCH(int, fieldId);
    QFETCH(QString, value);
    QFETCH(QString, code);
    const CInspectionEvent cEvent(m_cSection, makeProperties(properties), 9);
    CEventObjectQuery cQuery(&cEvent);
    QCOMPARE(cQuery.fieldValue(fieldId), value);
    QCOMPARE(cQuery.fieldCode(fieldId), code);
}

void TestQueries::catalogName_data()
{
    QTest::addColumn<QString>("standard");
    QTest::addColumn<bool>("withContext");
    QTest::addColumn<QString>("catalogName");
    QTest::addRow("known catalog") << "QUERY-CAT" << true << "Query Test Coding (Ümlaut)";
    QTest::addRow("case differs") << "query-cat" << true << "";
    QTest::addRow("unknown catalog") << "OTHER" << true << "";
    QTest::addRow("no application context") << "QUERY-CAT" << false << "";
}

void TestQueries::catalogName()
{
    QFETCH(QString, standard);
    QFETCH(bool, withContext);
    QFETCH(QString, catalogName);
    CBaseProject cProject(false);
    cProject.setInspectionStandard(standard);
    CApplicationContext *cSaved = CApplicationContext::instance();
    if (!withContext)
        CApplicationContext::setInstance(nullptr);
    const QString sValue = CProjectObjectQuery(&cProject).fieldValue(1000034);
    CApplicationContext::setInstance(cSaved);
    QCOMPARE(sValue, catalogName);
}

void TestQueries::localeFormatting_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("sectionLength");
    QTest::addColumn<QString>("meterValue");
    QTest::addColumn<QString>("lastMeterValue");
    QTest::addRow("German") << QLocale(QLocale::German, QLocale::Germany) << "9,00 m"
                            << "3,50 m"
                            << "12,50 m";
    QTest::addRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << "29.52 ft"
                                   << "11.48 ft"
                                   << "41.00 ft";
    QTest::addRow("Swedish writes German") << QLocale(QLocale::Swedish, QLocale::Sweden) << "9,00 m"
                                           << "3,50 m"
                                           << "12,50 m";
}

void TestQueries::localeFormatting()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, sectionLength);
    QFETCH(QString, meterValue);
    QFETCH(QString, lastMeterValue);
    QLocale::setDefault(locale);
    QCOMPARE(CSectionObjectQuery(m_cSection).fieldValue(1001101), sectionLength);
    QCOMPARE(CEventObjectQuery(m_cEvent).fieldValue(1001101), sectionLength);
    QCOMPARE(CEventObjectQuery(m_cEvent).fieldValue(1002006), meterValue);
    QCOMPARE(CEventObjectQuery(m_cLastEvent).fieldValue(1002006), lastMeterValue);
    // Dates and time indexes do not depend on the locale.
    QCOMPARE(CProjectObjectQuery(m_cProject.get()).fieldValue(1000032), QStringLiteral("2010.05.03"));
    QCOMPARE(CEventObjectQuery(m_cEvent).fieldValue(1002005), QStringLiteral("01:02:03"));
}

void TestQueries::listsFollowFieldIds()
{
    std::unique_ptr<CInspectionStandard> cStandard = loadInspectionStandard(
        TestHelpers::fixturesDir() + QStringLiteral("/queries/install/CatalogBaseData/Queries.std"));
    CProjectRuntimeData cRuntime(m_cProject.get(),
                                 std::make_unique<CProjectCatalogData>(std::move(cStandard), nullptr, nullptr));
    setCurrentRuntimeData(&cRuntime);
    for (int iKind : {ProjectObject, SectionObject, EventObject}) {
        const std::unique_ptr<CDataCoreObjectQuery> cQuery = queryFor(iKind);
        const QList<int> ids = cQuery->fieldIds();
        const QStringList values = cQuery->fieldValues();
        const QStringList captions = cQuery->fieldCaptions();
        QCOMPARE(values.size(), ids.size());
        QCOMPARE(captions.size(), ids.size());
        for (int i = 0; i < ids.size(); ++i) {
            QCOMPARE(values.at(i), cQuery->fieldValue(ids.at(i)));
            QCOMPARE(captions.at(i), cQuery->fieldCaption(ids.at(i)));
        }
    }
    QCOMPARE(CSectionObjectQuery(m_cSection).fieldCaptions().value(3), QStringLiteral("Start Node"));
    setCurrentRuntimeData(nullptr);
}

void TestQueries::createQueryByKind()
{
    QVERIFY(!createQuery(nullptr));
    QVERIFY(dynamic_cast<CProjectObjectQuery *>(createQuery(m_cProject.get()).get()));
    QVERIFY(dynamic_cast<CSectionObjectQuery *>(createQuery(m_cSection).get()));
    QVERIFY(dynamic_cast<CEventObjectQuery *>(createQuery(m_cEvent).get()));
    const CBaseProject cPlain(false);
    const std::unique_ptr<CDataCoreObjectQuery> cQuery = createQuery(&cPlain);
    QVERIFY(cQuery);
    QCOMPARE(cQuery->object(), &cPlain);
}

void TestQueries::objectsWithoutOwners()
{
    // A plain project lists only its four own fields and has no addresses.
    const CBaseProject cPlain(false);
    QCOMPARE(CProjectObjectQuery(&cPlain).fieldIds(), (QList<int>{1000031, 1000032, 1000033, 1000034}));
    QCOMPARE(CProjectObjectQuery(&cPlain).fieldValue(1000001), QString());

    // A plain project flagged as extended lists the address fields but has no
    // address lists to answer from.
    const CBaseProject cFlagged(true);
    QCOMPARE(CProjectObjectQuery(&cFlagged).fieldIds().size(), 34);
    QCOMPARE(CProjectObjectQuery(&cFlagged).fieldValue(1000001), QString());

    // Objects without their owners, or without property lists, answer empty
    // texts for the owners' fields instead of failing.
    const CInspectionSegment cLoneSection(nullptr, nullptr, 1);
    QCOMPARE(CSectionObjectQuery(&cLoneSection).fieldValue(1000031), QString());
    QCOMPARE(CSectionObjectQuery(&cLoneSection).fieldValue(1001103), QString());
    QCOMPARE(CSectionObjectQuery(&cLoneSection).fieldIds().size(), 3);
    const CInspectionEvent cLoneEvent(nullptr, nullptr, 1);
    QCOMPARE(CEventObjectQuery(&cLoneEvent).fieldValue(1001100), QString());
    QCOMPARE(CEventObjectQuery(&cLoneEvent).fieldCode(1000031), QString());
    QCOMPARE(CEventObjectQuery(&cLoneEvent).fieldValue(1202007), QString());
    QCOMPARE(CEventObjectQuery(&cLoneEvent).fieldIds().size(), 7);
    QCOMPARE(CProjectObjectQuery(nullptr).fieldValues(), QStringList());

    // Property ids that would land on fixed fields, or whose identifier does
    // not fit an int, are not listed.
    const int iHuge = std::numeric_limits<int>::max() - 5;
    const CInspectionSegment cOddSection(
        m_cProject.get(), makeProperties({"0|zero|", "-1|minus|", QStringLiteral("%1|huge|").arg(iHuge), "2|MH 2|"}),
        2);
    QCOMPARE(CSectionObjectQuery(&cOddSection).fieldIds(), (QList<int>{1001100, 1001101, 1001102, 1001104}));
    const CInspectionEvent cOddEvent(
        m_cSection, makeProperties({"0|zero|", "-6|minus|", QStringLiteral("%1|huge|").arg(iHuge), "5|five|"}), 3);
    QCOMPARE(CEventObjectQuery(&cOddEvent).fieldIds().mid(7), (QList<int>{1002011}));
}

void TestQueries::sharedCaptions_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("caption");
    QTest::addRow("0") << 0 << "";
    QTest::addRow("negative") << -1 << "";
    QTest::addRow("1") << 1 << "Name";
    QTest::addRow("23 picture label") << 23 << "Photo File";
    QTest::addRow("29") << 29 << "Unnamed section";
    QTest::addRow("30") << 30 << "Error-Code: ";
    QTest::addRow("44") << 44 << "Insufficient free space available on the volume.";
    QTest::addRow("49") << 49 << "File deletion error.";
    QTest::addRow("50") << 50 << "";
}

void TestQueries::sharedCaptions()
{
    QFETCH(int, id);
    QFETCH(QString, caption);
    QCOMPARE(CSharedTranslations::instance()->caption(id), caption);
}

void TestQueries::errorMessages_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<QString>("message");
    const QString sInternal = QStringLiteral("An internal error occurred.");
    QTest::addRow("0") << 0u << "";
    QTest::addRow("1") << 1u << sInternal;
    QTest::addRow("2") << 2u << "No project was found at the specified location.";
    QTest::addRow("3") << 3u << "The specified project file is invalid.";
    QTest::addRow("4") << 4u << "The specified project could not be loaded.";
    QTest::addRow("5") << 5u << "The project could not be saved.";
    QTest::addRow("6 already open") << 6u << sInternal;
    QTest::addRow("7") << 7u << "A project with the same name exists already.";
    QTest::addRow("8") << 8u
                       << "The version of the specified project is not supported by the current version of this "
                          "software.";
    QTest::addRow("9") << 9u << "The specified project could not be deleted.";
    QTest::addRow("10") << 10u << "You need to specify a project name.";
    QTest::addRow("11") << 11u << "The specified project name is too long.";
    QTest::addRow("12 unlisted") << 12u << sInternal;
    QTest::addRow("13") << 13u << "You are running low on free space on the hard disk.";
    QTest::addRow("14 unlisted") << 14u << sInternal;
    QTest::addRow("15") << 15u << "File access error.";
    QTest::addRow("16") << 16u << "File read error.";
    QTest::addRow("17") << 17u << "File write error.";
    QTest::addRow("18") << 18u << "Directory creation error.";
    QTest::addRow("19") << 19u << "File deletion error.";
    QTest::addRow("20") << 20u << "The system did not start up correctly.";
    QTest::addRow("34") << 34u << "You are running low on free storage space.";
    QTest::addRow("largest") << 0xFFFFFFFFu << sInternal;
}

void TestQueries::errorMessages()
{
    QFETCH(uint, code);
    QFETCH(QString, message);
    QCOMPARE(CSharedTranslations::instance()->errorMessage(code), message);
}

void TestQueries::errorCodeText_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<QString>("text");
    QTest::addRow("0") << 0u << "Error-Code: 0x000000";
    QTest::addRow("19") << 19u << "Error-Code: 0x000013";
    QTest::addRow("34") << 34u << "Error-Code: 0x000022";
    QTest::addRow("six digits upper case") << 0xABCDEFu << "Error-Code: 0xABCDEF";
    QTest::addRow("seven digits") << 0x1234567u << "Error-Code: 0x1234567";
    QTest::addRow("largest") << 0xFFFFFFFFu << "Error-Code: 0xFFFFFFFF";
}

void TestQueries::errorCodeText()
{
    QFETCH(uint, code);
    QFETCH(QString, text);
    QCOMPARE(CSharedTranslations::instance()->errorCodeText(code), text);
}

void TestQueries::translatorInstalledLater()
{
    CSharedTranslations *cTranslations = CSharedTranslations::instance();
    QCOMPARE(cTranslations->caption(1), QStringLiteral("Name"));
    {
        MarkingTranslator cTranslator;
        QVERIFY(QCoreApplication::installTranslator(&cTranslator));
        QCOMPARE(cTranslations->caption(1), QStringLiteral("T:Name"));
        QCOMPARE(cTranslations->errorMessage(2), QStringLiteral("T:No project was found at the specified location."));
        QCOMPARE(CEventObjectQuery(m_cEvent).fieldCaption(1000021), QStringLiteral("T:Contractor"));
        // The code text's prefix is never translated.
        QCOMPARE(cTranslations->errorCodeText(19), QStringLiteral("Error-Code: 0x000013"));
        QCoreApplication::removeTranslator(&cTranslator);
    }
    QCOMPARE(cTranslations->caption(1), QStringLiteral("Name"));
}

QTEST_GUILESS_MAIN(TestQueries)
#include "tst_queries.moc"
