#include "StorageTestSupport.h"
#include "TestHelpers.h"

#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"
#include "storage/CDAOBaseProject.h"
#include "storage/CDAOCorvaneProject.h"
#include "storage/CProjectFileReader.h"
#include "storage/StorageErrors.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace StorageTestSupport;

class TestProjectFiles : public QObject
{
    Q_OBJECT

private slots:
    void projectFileChecks_data();
    void projectFileChecks();
    void missingDirectory_data();
    void missingDirectory();
    void fullProject();
    void addressBlocksMerge();
    void iniRulesInTexts_data();
    void iniRulesInTexts();
    void meterValues_data();
    void meterValues();
    void videoHours_data();
    void videoHours();
    void plainProjectReadsMasterDataOnly();
    void probedProjectFileIsNotReadAgain();
    void groupIds_data();
    void groupIds();

private:
    static QString fixture(const char *pszName)
    {
        return TestHelpers::fixturesDir() + QStringLiteral("/projects/") + QLatin1String(pszName);
    }
};

void TestProjectFiles::projectFileChecks_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("iResult");
    QTest::addColumn<QString>("sName");
    QTest::addColumn<bool>("bExtended");
    QTest::addColumn<QDate>("created");

    const QByteArray named = "[projectdata]\nname=P\n";
    QTest::addRow("version 4 rejected before the name")
        << QByteArray("[projectfile]\nversion=4\n") << 3 << "" << false << QDate();
    QTest::addRow("version 0") << QByteArray("[projectfile]\nversion=0\n" + named) << 3 << "" << false << QDate();
    QTest::addRow("version text") << QByteArray("[projectfile]\nversion=two\n" + named) << 3 << "" << false << QDate();
    QTest::addRow("no version key") << named << 3 << "" << false << QDate();
    QTest::addRow("missing file") << QByteArray() << 3 << "" << false << QDate();
    QTest::addRow("empty file") << QByteArray() << 3 << "" << false << QDate();
    QTest::addRow("version 3 without name") << QByteArray("[projectfile]\nversion=3\n") << 2 << "" << false << QDate();
    QTest::addRow("version 2 empty name")
        << QByteArray("[projectfile]\nversion=2\n[projectdata]\nname=\n") << 2 << "" << false << QDate();
    QTest::addRow("blank name") << QByteArray("[projectfile]\nversion=2\n[projectdata]\nname=   \n") << 2 << "" << false
                                << QDate();
    QTest::addRow("comment-only name") << QByteArray("[projectfile]\nversion=2\n[projectdata]\nname=;x\n") << 2 << ""
                                       << false << QDate();
    QTest::addRow("version 1") << QByteArray("[projectfile]\nversion=1\n" + named) << 0 << "P" << false << QDate();
    QTest::addRow("quoted version, blanks")
        << QByteArray("[projectfile]\nversion = \"2\" \n" + named) << 0 << "P" << false << QDate();
    QTest::addRow("extended True, iso date")
        << QByteArray("[projectfile]\nversion=3\n[projectdata]\nname=P\nextendedproject=True\ncreated=2023-04-01\n")
        << 0 << "P" << true << QDate(2023, 4, 1);
    QTest::addRow("extended no is true") << QByteArray(
        "[projectfile]\nversion=3\n[projectdata]\nname=P\nextendedproject=no\n")
                                         << 0 << "P" << true << QDate();
    QTest::addRow("extended FALSE, bad date")
        << QByteArray("[projectfile]\nversion=3\n[projectdata]\nname=P\nextendedproject=FALSE\ncreated=1.4.2023\n") << 0
        << "P" << false << QDate();
    QTest::addRow("extended 0") << QByteArray("[projectfile]\nversion=3\n[projectdata]\nname=P\nextendedproject=0\n")
                                << 0 << "P" << false << QDate();
    QTest::addRow("name with unquoted comma")
        << QByteArray("[projectfile]\nversion=3\n[projectdata]\nname=North,  South\n") << 0 << "North, South" << false
        << QDate();
}

void TestProjectFiles::projectFileChecks()
{
    QFETCH(QByteArray, content);
    QFETCH(int, iResult);
    QFETCH(QString, sName);
    QFETCH(bool, bExtended);
    QFETCH(QDate, created);

    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    if (!content.isNull() || QByteArray(QTest::currentDataTag()) == "empty file")
        QVERIFY(writeFile(tmp.path() + QStringLiteral("/project.dat"), content));

    ProjectFileInfo info;
    QCOMPARE(CProjectFileReader(tmp.path()).readProjectFile(info), iResult);
    QCOMPARE(info.sName, sName);
    QCOMPARE(info.bExtended, bExtended);
    QCOMPARE(info.created, created);

    // The access objects report the same result and fill the project.
    CDAOBaseProject access;
    QCOMPARE(access.load(tmp.path()), iResult);
    if (iResult == 0) {
        QCOMPARE(access.project()->name(), sName);
        QCOMPARE(access.project()->directory(), tmp.path() + QLatin1Char('/'));
        QVERIFY(!access.project()->extended());
    }
}

void TestProjectFiles::missingDirectory_data()
{
    QTest::addColumn<QString>("sDirectory");
    QTest::addRow("missing") << QStringLiteral("/nonexistent/corvane/project");
    // An empty text would otherwise stand for the working directory.
    QTest::addRow("empty") << QString();
    QTest::addRow("a file") << fixture("valid") + QStringLiteral("/project.dat");
}

void TestProjectFiles::missingDirectory()
{
    QFETCH(QString, sDirectory);
    ProjectFileInfo info;
    QCOMPARE(CProjectFileReader(sDirectory).readProjectFile(info), int(ProjectAccess::NoDirectory));
    CDAOCorvaneProject access;
    QCOMPARE(access.load(sDirectory), int(ProjectAccess::NoDirectory));
    QCOMPARE(access.corvaneProject()->sectionCount(), 0);
}

void TestProjectFiles::fullProject()
{
    CDAOCorvaneProject access;
    const QString sDirectory = fixture("valid");
    QCOMPARE(access.load(sDirectory), 0);
    const CCorvaneProject *cProject = access.corvaneProject();
    QCOMPARE(cProject->name(), QStringLiteral("Fixture Project"));
    QCOMPARE(cProject->inspectionStandard(), QStringLiteral("FIXTURE-CAT"));
    QCOMPARE(cProject->version(), 3);
    QCOMPARE(cProject->created(), QDate(2023, 4, 1));
    QCOMPARE(cProject->lastModified(), QDate(2023, 5, 2));
    QCOMPARE(cProject->directory(), sDirectory + QLatin1Char('/'));
    QVERIFY(cProject->extended());

    const QString sExpected =
        QStringLiteral("S 3 'Manhole A, Manhole B' incl='' videos=[S-3.mpg] props={1=MH 3|}\n"
                       "  E 5 m=0 'Survey start' BDB img='' img2='' video='' t=0:0:0 props={}\n"
                       "S 7 'S-7 without event file' incl='' videos=[] props={}\n"
                       "S 12 'S-12' incl='12.inc' videos=[S-12 part 1.mpg|S-12 part 2.mpg] "
                       "props={1=MH 100|; 2=MH 101|; 4=In flow direction|D; 6=300|}\n"
                       "  E 2 m=3.5 'Connection, left' BCA img='12-2.jpg' img2='' video='S-12 part 1.mpg' t=0:0:42 "
                       "props={200001=0|}\n"
                       "  E 3 m=7.25 'Crack' BAB img='' img2='' video='S-12 part 2.mpg' t=0:2:5 props={}\n"
                       "  E 1 m=12 'Deformation' BAA img='12-1.jpg' img2='12-1b.jpg' video='S-12 part 1.mpg' t=0:1:30 "
                       "props={200001=2|}\n"
                       "  E 4 m=%1 'Start of survey' BDA img='' img2='' video='' t=0:0:0 props={}")
            .arg(double(12.345678901f));
    QCOMPARE(dumpProject(cProject), sExpected);
    QCOMPARE(StorageTestSupport::findEvent(cProject, 4)->meterValue(), 12.345678901f);
}

void TestProjectFiles::addressBlocksMerge()
{
    CDAOCorvaneProject access;
    QCOMPARE(access.load(fixture("valid")), 0);
    const CCorvaneProject *cProject = access.corvaneProject();
    // Ten ids, in order, whatever the file holds.
    for (const CPropertyList *cList : {cProject->client(), cProject->officer(), cProject->contractor()}) {
        QCOMPARE(cList->count(), 10);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(cList->idAt(i), i + 1);
    }
    QCOMPARE(propertiesText(cProject->client()),
             QStringLiteral("1=Town of Ostrel|; 2=|; 3=|; 4=|; 5=12345|ZIP; 6=|; 7=|; 8=|; 9=|; 10=|"));
    // A missing group leaves the block empty.
    QCOMPARE(propertiesText(cProject->officer()), QStringLiteral("1=|; 2=|; 3=|; 4=|; 5=|; 6=|; 7=|; 8=|; 9=|; 10=|"));
    // Each element is merged in file order, so the later of two equal ids wins.
    QCOMPARE(cProject->contractor()->valueOf(2), QStringLiteral("Second entry of id 2"));
}

void TestProjectFiles::iniRulesInTexts_data()
{
    QTest::addColumn<int>("iEvent");
    QTest::addColumn<QString>("sText");
    QTest::addRow("unquoted comma joined") << 1 << "Crack, longitudinal";
    QTest::addRow("commas without blanks") << 2 << "a, b, c";
    QTest::addRow("quoted comma kept") << 3 << "Crack,longitudinal";
    QTest::addRow("semicolon starts comment") << 4 << "Root";
    QTest::addRow("quoted semicolon kept") << 5 << "Root;intrusion";
    QTest::addRow("hex escape") << 6 << QString::fromUtf8("Münster");
    QTest::addRow("hex escape eats every hex digit") << 7 << QString(QStringLiteral("Pr") + QChar(0x0fcf));
    QTest::addRow("outer blanks dropped") << 8 << "padded";
    QTest::addRow("quoted blanks kept") << 9 << "  padded  ";
    QTest::addRow("double at") << 10 << "@home";
    QTest::addRow("broken variant") << 11 << "";
    QTest::addRow("utf-8") << 12 << QString::fromUtf8("Straße");
    QTest::addRow("escaped backslash") << 13 << "back\\slash";
    QTest::addRow("empty") << 14 << "";
    QTest::addRow("escaped quotes") << 15 << "quoted \"inner\" text";
    QTest::addRow("tab escape") << 16 << "tab\there";
}

void TestProjectFiles::iniRulesInTexts()
{
    QFETCH(int, iEvent);
    QFETCH(QString, sText);
    CDAOCorvaneProject access;
    QCOMPARE(access.load(fixture("ini-rules")), 0);
    const CInspectionEvent *cEvent = StorageTestSupport::findEvent(access.corvaneProject(), iEvent);
    QVERIFY(cEvent);
    QCOMPARE(cEvent->text(), sText);
}

void TestProjectFiles::meterValues_data()
{
    QTest::addColumn<int>("iEvent");
    QTest::addColumn<float>("fMeters");
    QTest::addRow("inf") << 100 << 0.0f;
    QTest::addRow("nan") << 101 << 0.0f;
    QTest::addRow("-inf") << 102 << 0.0f;
    QTest::addRow("beyond float") << 103 << 0.0f;
    QTest::addRow("beyond float, negative") << 104 << 0.0f;
    QTest::addRow("near float max") << 105 << 3.4e38f;
    QTest::addRow("decimal comma splits the value") << 106 << 0.0f;
    QTest::addRow("blanks") << 107 << 7.5f;
    QTest::addRow("letters") << 108 << 0.0f;
    QTest::addRow("nearest float") << 109 << 12.345678901f;
    QTest::addRow("underflow") << 110 << 0.0f;
    QTest::addRow("hex is no number") << 111 << 0.0f;
}

void TestProjectFiles::meterValues()
{
    QFETCH(int, iEvent);
    QFETCH(float, fMeters);
    CDAOCorvaneProject access;
    QCOMPARE(access.load(fixture("ini-rules")), 0);
    const CInspectionEvent *cEvent = StorageTestSupport::findEvent(access.corvaneProject(), iEvent);
    QVERIFY(cEvent);
    QVERIFY(std::isfinite(cEvent->meterValue()));
    QCOMPARE(cEvent->meterValue(), fMeters);
}

void TestProjectFiles::videoHours_data()
{
    QTest::addColumn<int>("iEvent");
    QTest::addColumn<uint>("uiHour");
    QTest::addRow("negative") << 200 << 0u;
    QTest::addRow("beyond 32 bits") << 201 << 0u;
    QTest::addRow("largest") << 202 << 4294967295u;
    QTest::addRow("blanks") << 203 << 3u;
    QTest::addRow("letters") << 204 << 0u;
    QTest::addRow("fraction") << 205 << 0u;
}

void TestProjectFiles::videoHours()
{
    QFETCH(int, iEvent);
    QFETCH(uint, uiHour);
    CDAOCorvaneProject access;
    QCOMPARE(access.load(fixture("ini-rules")), 0);
    const CInspectionEvent *cEvent = StorageTestSupport::findEvent(access.corvaneProject(), iEvent);
    QVERIFY(cEvent);
    QCOMPARE(cEvent->videoHour(), uiHour);
}

void TestProjectFiles::plainProjectReadsMasterDataOnly()
{
    CDAOCorvaneProject access;
    QCOMPARE(access.load(fixture("ini-rules")), 0);
    // Blanks around the name dropped, its unquoted comma joined again.
    QCOMPARE(access.project()->name(), QStringLiteral("Rules, with comma"));
    QCOMPARE(access.project()->version(), 1);
    // "North, South ; comment": the comment goes, the list is joined.
    QCOMPARE(access.corvaneProject()->client()->valueOf(3), QStringLiteral("North, South"));

    CDAOBaseProject plain;
    QCOMPARE(plain.load(fixture("valid")), 0);
    QCOMPARE(plain.project()->name(), QStringLiteral("Fixture Project"));
    QVERIFY(!plain.project()->extended());
    QVERIFY(!dynamic_cast<CCorvaneProject *>(plain.project()));
}

// Opening reads "project.dat" once: the access object loads master data
// and address blocks from the probe's reading, even when the file is gone.
void TestProjectFiles::probedProjectFileIsNotReadAgain()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString sProjectFile = tmp.path() + QStringLiteral("/project.dat");
    QVERIFY(writeFile(sProjectFile, projectFile(QStringLiteral("Probed"))
                                        + "[contractor]\nproperty\\1\\id=1\nproperty\\1\\value=Pipe Works\n"
                                          "property\\size=1\n"));
    const CProjectFileReader reader(tmp.path());
    ProjectFileInfo info;
    QCOMPARE(reader.readProjectFile(info), 0);
    QVERIFY(QFile::remove(sProjectFile));

    CDAOCorvaneProject access;
    access.loadProbed(reader, info);
    QCOMPARE(access.project()->name(), QStringLiteral("Probed"));
    QCOMPARE(access.project()->directory(), tmp.path() + QLatin1Char('/'));
    QCOMPARE(access.corvaneProject()->contractor()->valueOf(1), QStringLiteral("Pipe Works"));
}

void TestProjectFiles::groupIds_data()
{
    QTest::addColumn<QString>("sGroup");
    QTest::addColumn<int>("iId");
    QTest::addRow("decimal") << "12" << 12;
    QTest::addRow("leading zero") << "03" << 3;
    QTest::addRow("negative") << "-5" << -5;
    QTest::addRow("letters") << "abc" << 0;
    QTest::addRow("trailing letters") << "12x" << 0;
    QTest::addRow("hex") << "0x10" << 0;
    QTest::addRow("beyond int") << "99999999999" << 0;
    QTest::addRow("empty") << "" << 0;
}

void TestProjectFiles::groupIds()
{
    QFETCH(QString, sGroup);
    QFETCH(int, iId);
    QCOMPARE(CProjectFileReader::idOfGroupName(sGroup), iId);
}

QTEST_GUILESS_MAIN(TestProjectFiles)
#include "tst_projectfiles.moc"
