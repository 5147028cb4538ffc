#include "ProjectWriter.h"
#include "StorageTestSupport.h"

#include "app/CApplicationContext.h"
#include "storage/CBasePersistenceFacade.h"
#include "storage/CIniReader.h"
#include "storage/CProjectRuntimeData.h"

#include <QTemporaryDir>
#include <QtTest>

// The writer that every test and benchmark builds its projects with: what it
// writes must read back through the program's own readers unchanged, or
// fixtures would silently lose texts.
class TestProjectWriter : public QObject
{
    Q_OBJECT

private slots:
    void valuesReadBack_data();
    void valuesReadBack();
    void projectReadsBack();
};

void TestProjectWriter::valuesReadBack_data()
{
    QTest::addColumn<QString>("sValue");
    QTest::addRow("plain") << "Crack";
    QTest::addRow("empty") << "";
    QTest::addRow("comma") << "Crack, longitudinal";
    QTest::addRow("semicolon") << "a;b";
    QTest::addRow("equals sign") << "a=b";
    QTest::addRow("quote and backslash") << "say \"x\\y\"";
    QTest::addRow("leading at sign") << "@Variant(x)";
    QTest::addRow("blanks at both ends") << "  padded  ";
    QTest::addRow("line breaks and tab") << "one\ntwo\r\tthree";
    QTest::addRow("control character before hex digits") << QStringLiteral("a\x01") + QStringLiteral("bead");
    QTest::addRow("umlauts") << QStringLiteral("M\u00fcnster Stra\u00dfe");
    QTest::addRow("outside the basic plane") << QString::fromUtf8("pipe \xF0\x9F\x9A\xBF end");
}

void TestProjectWriter::valuesReadBack()
{
    QFETCH(QString, sValue);
    QTemporaryDir tmp;
    const QString sPath = tmp.filePath(QStringLiteral("v.ini"));
    QVERIFY(ProjectWriter::writeFile(sPath, "[g]\nkey=" + ProjectWriter::iniValue(sValue) + "\n"));
    CIniReader reader(sPath);
    reader.beginGroup(QStringLiteral("g"));
    QCOMPARE(reader.text(QStringLiteral("key")), sValue);
}

// A project and an installation written by the writer open through the
// facade with every field in place.
void TestProjectWriter::projectReadsBack()
{
    QTemporaryDir tmp;
    const QString sInstall = tmp.filePath(QStringLiteral("install"));
    ProjectWriter::Installation cInstallation;
    cInstallation.sCatalog = QStringLiteral("W-CAT");
    cInstallation.standard = "[misc-data]\ntext-delimiter=|\n";
    cInstallation.layout = "[page-footer]\nwidth=18000\n";
    cInstallation.printoutData = "[damage-classes]\nclass\\size=0\n";
    QVERIFY(ProjectWriter::writeInstallation(sInstall, cInstallation));

    ProjectWriter::ProjectFile cFile;
    cFile.sName = QStringLiteral("Written, read");
    cFile.sCatalog = QStringLiteral("W-CAT");
    cFile.sCreated = QStringLiteral("2024-03-01");
    cFile.contractor = {{1, QStringLiteral("Pipe Works"), QStringLiteral("PW")}};
    ProjectWriter::Section cSection;
    cSection.iId = 7;
    cSection.sName = QStringLiteral("S7 - S8");
    cSection.sInclinationFile = QStringLiteral("INC_7.txt");
    cSection.videoFiles = {QStringLiteral("a.webm"), QStringLiteral("b.webm")};
    cSection.properties = {{4, QStringLiteral("downstream"), QStringLiteral("D")}};
    ProjectWriter::Event cEvent;
    cEvent.iId = 3;
    cEvent.sText = QStringLiteral("Root; fine, at joint");
    cEvent.sAbbreviation = QStringLiteral("BBA");
    cEvent.dMeterValue = 12.25;
    cEvent.sImageFile = QStringLiteral("7_0001.jpg");
    cEvent.sVideoFile = QStringLiteral("a.webm");
    cEvent.iVideoHour = 1;
    cEvent.iVideoMinute = 2;
    cEvent.iVideoSecond = 3;
    cEvent.properties = {{200001, QStringLiteral("2"), QString()}};
    cSection.events = {cEvent};
    const QString sProject = tmp.filePath(QStringLiteral("project"));
    QVERIFY(ProjectWriter::writeProject(sProject, cFile, {cSection}));

    CApplicationContext cContext(sInstall, QStringLiteral("en_US"));
    CProjectRuntimeData *cData = nullptr;
    QCOMPARE(cContext.persistenceFacade()->openProject(sProject, cData), 0);
    const CCorvaneProject *cProject = cData->corvaneProject();
    QVERIFY(cProject);
    QCOMPARE(cProject->name(), cFile.sName);
    QCOMPARE(cProject->created(), QDate(2024, 3, 1));
    QCOMPARE(StorageTestSupport::propertiesText(cProject->contractor()).section(QLatin1Char(';'), 0, 0),
             QStringLiteral("1=Pipe Works|PW"));
    QCOMPARE(StorageTestSupport::dumpProject(cProject),
             QStringLiteral("S 7 'S7 - S8' incl='INC_7.txt' videos=[a.webm|b.webm] props={4=downstream|D}\n"
                            "  E 3 m=12.25 'Root; fine, at joint' BBA img='7_0001.jpg' img2='' video='a.webm' "
                            "t=1:2:3 props={200001=2|}"));
    QCOMPARE(cContext.persistenceFacade()->closeProject(cData), 0);
}

QTEST_GUILESS_MAIN(TestProjectWriter)
#include "tst_projectwriter.moc"
