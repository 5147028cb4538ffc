#include "CliRunner.h"
#include "TestHelpers.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The export runs for at most two minutes; its output may go to a file.
CliRun runCli(const QStringList &args, const QString &sLocale = QStringLiteral("C.UTF-8"),
              const QString &sStdoutFile = QString())
{
    return TestHelpers::runCli(args, sLocale, 120000, sStdoutFile);
}

QString queriesFixture(const QString &sName)
{
    return TestHelpers::fixturesDir() + QStringLiteral("/queries/") + sName;
}

QList<int> idsOf(const QJsonArray &fields)
{
    QList<int> ids;
    for (const QJsonValue &field : fields)
        ids << field.toObject().value(QStringLiteral("id")).toInt();
    return ids;
}

QString valueOf(const QJsonArray &fields, int iId)
{
    for (const QJsonValue &field : fields) {
        if (field.toObject().value(QStringLiteral("id")).toInt() == iId)
            return field.toObject().value(QStringLiteral("value")).toString();
    }
    return QStringLiteral("<missing>");
}

// Every field carries exactly id, caption, value and code, with the texts
// as strings.
bool wellFormedFields(const QJsonArray &fields)
{
    for (const QJsonValue &field : fields) {
        const QJsonObject object = field.toObject();
        if (object.size() != 4 || !object.value(QStringLiteral("id")).isDouble()
            || !object.value(QStringLiteral("caption")).isString() || !object.value(QStringLiteral("value")).isString()
            || !object.value(QStringLiteral("code")).isString())
            return false;
    }
    return true;
}

// Holds the catalog of the fixture projects, with a standard, an empty
// layout and the damage classes.
QString fixtureInstallation()
{
    return queriesFixture(QStringLiteral("install"));
}

QStringList listing(const QString &sDirectory)
{
    QStringList entries;
    QDirIterator it(sDirectory, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        entries << it.filePath() + QLatin1Char(' ') + QString::number(it.fileInfo().size()) + QLatin1Char(' ')
                       + it.fileInfo().lastModified().toString(Qt::ISODateWithMs);
    }
    entries.sort();
    return entries;
}

} // namespace

class TestCliExport : public QObject
{
    Q_OBJECT

private slots:
    void usageErrors_data();
    void usageErrors();
    void helpAndVersion_data();
    void helpAndVersion();
    void openFailures_data();
    void openFailures();
    void projectWithoutInspectionData();
    void exportsFixtureProject();
    void lengthsFollowSystemLocale_data();
    void lengthsFollowSystemLocale();
    void exportsDemoProject();
    void fullOutputDevice();

private:
    QTemporaryDir m_emptyDir;
};

void TestCliExport::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addRow("no arguments") << QStringList();
    QTest::addRow("unknown command") << QStringList{"frobnicate"};
    QTest::addRow("export without directory") << QStringList{"export"};
    QTest::addRow("two directories") << QStringList{"export", "a", "b"};
    QTest::addRow("unknown option") << QStringList{"export", queriesFixture("plain-project"), "--bogus"};
    QTest::addRow("install-dir without value")
        << QStringList{"export", queriesFixture("plain-project"), "--install-dir"};
    QTest::addRow("empty directory argument") << QStringList{"export", ""};
}

void TestCliExport::usageErrors()
{
    QFETCH(QStringList, args);
    const CliRun result = runCli(args);
    QCOMPARE(result.iExitCode, 1);
    QVERIFY(result.out.isEmpty());
    QVERIFY(result.err.contains("Usage"));
}

void TestCliExport::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("expected");
    QTest::addRow("--help") << QStringList{"--help"} << QByteArray("export PROJECT_DIR");
    QTest::addRow("export --help") << QStringList{"export", "--help"} << QByteArray("--install-dir");
    QTest::addRow("--version") << QStringList{"--version"} << QByteArray("corvane-cli 2.11.8\n");
}

void TestCliExport::helpAndVersion()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, expected);
    const CliRun result = runCli(args);
    QCOMPARE(result.iExitCode, 0);
    QVERIFY2(result.out.contains(expected), result.out.constData());
    QVERIFY(result.err.isEmpty());
}

void TestCliExport::openFailures_data()
{
    QVERIFY(m_emptyDir.isValid());
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::addRow("missing directory") << QStringList{"export", m_emptyDir.filePath("does-not-exist")}
                                       << "No project was found at the specified location.\n\nError-Code: 0x000002\n";
    QTest::addRow("directory without project file")
        << QStringList{"export", m_emptyDir.path()}
        << "The version of the specified project is not supported by the current version of this software."
           "\n\nError-Code: 0x000008\n";
    QTest::addRow("catalog not installed") << QStringList{"export", queriesFixture("unknown-catalog-project")}
                                           << "The specified project could not be loaded.\n\nError-Code: 0x000004\n";
    QTest::addRow("empty installation") << QStringList{"export", queriesFixture("extended-project"), "--install-dir",
                                                       m_emptyDir.path()}
                                        << "The specified project could not be loaded.\n\nError-Code: 0x000004\n";
}

void TestCliExport::openFailures()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const CliRun result = runCli(args);
    QCOMPARE(result.iExitCode, 2);
    QCOMPARE(QString::fromUtf8(result.err), message);
    QVERIFY(result.out.isEmpty());
}

void TestCliExport::projectWithoutInspectionData()
{
    const CliRun result = runCli({QStringLiteral("export"), queriesFixture(QStringLiteral("plain-project"))});
    QCOMPARE(result.iExitCode, 3);
    QCOMPARE(QString::fromUtf8(result.err),
             QStringLiteral("The specified project is a project without inspection data, thus it cannot be opened "
                            "with this Viewer.\n"));
    QVERIFY(result.out.isEmpty());
}

void TestCliExport::exportsFixtureProject()
{
    // Work on a copy, to see that nothing is written into the project.
    QTemporaryDir copy;
    QVERIFY(copy.isValid());
    const QString sSource = queriesFixture(QStringLiteral("extended-project"));
    for (const QString &sName : QDir(sSource).entryList(QDir::Files))
        QVERIFY(QFile::copy(sSource + QLatin1Char('/') + sName, copy.filePath(sName)));
    const QStringList before = listing(copy.path());

    const CliRun result = runCli({QStringLiteral("export"), copy.path() + QLatin1Char('/'),
                                  QStringLiteral("--install-dir"), fixtureInstallation()});
    QCOMPARE(result.iExitCode, 0);
    QCOMPARE(listing(copy.path()), before);

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(result.out, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    const QJsonObject root = document.object();
    QCOMPARE(root.keys(), (QStringList{"project", "sections"}));

    const QJsonArray projectFields = root.value("project").toObject().value("fields").toArray();
    QList<int> projectIds{1000031, 1000032, 1000033, 1000034};
    for (int iId = 1000001; iId <= 1000030; ++iId)
        projectIds << iId;
    QCOMPARE(idsOf(projectFields), projectIds);
    QVERIFY(wellFormedFields(projectFields));
    QCOMPARE(valueOf(projectFields, 1000031), QStringLiteral("Queries Fixture Müllerstraße"));
    QCOMPARE(valueOf(projectFields, 1000032), QStringLiteral("2010.05.03"));
    QCOMPARE(valueOf(projectFields, 1000034), QStringLiteral("Query Test Coding (Ümlaut)"));
    QCOMPARE(valueOf(projectFields, 1000005), QStringLiteral("Rathausplatz 1"));
    QCOMPARE(valueOf(projectFields, 1000030), QStringLiteral("info@kanal-tv.example"));
    QCOMPARE(projectFields.at(0).toObject().value("caption").toString(), QStringLiteral("Project Name"));

    // Sections by id, events by meter value.
    const QJsonArray sections = root.value("sections").toArray();
    QCOMPARE(sections.size(), 2);
    const QJsonObject first = sections.at(0).toObject();
    QCOMPARE(first.value("id").toInt(), 2);
    QCOMPARE(first.value("name").toString(), QStringLiteral("S-2"));
    QCOMPARE(sections.at(1).toObject().value("id").toInt(), 10);
    QCOMPARE(sections.at(1).toObject().value("events").toArray().size(), 0);

    const QJsonArray sectionFields = first.value("fields").toArray();
    QVERIFY(wellFormedFields(sectionFields));
    QCOMPARE(idsOf(sectionFields), (QList<int>{1001100, 1001101, 1001102, 1001103, 1001104, 1001106, 1001132}));
    QCOMPARE(valueOf(sectionFields, 1001101), QStringLiteral("3.75 m"));
    QCOMPARE(valueOf(sectionFields, 1001132), QStringLiteral("Köln"));
    QCOMPARE(sectionFields.at(3).toObject().value("code").toString(), QString());
    // Section property captions come from the catalog's standard.
    QCOMPARE(sectionFields.at(3).toObject().value("caption").toString(), QStringLiteral("Start Node"));
    QCOMPARE(sectionFields.at(4).toObject().value("caption").toString(), QString());
    QCOMPARE(sectionFields.at(5).toObject().value("caption").toString(), QStringLiteral("Inspection Direction"));
    QCOMPARE(sectionFields.at(5).toObject().value("code").toString(), QStringLiteral("D"));

    const QJsonArray events = first.value("events").toArray();
    QCOMPARE(events.size(), 2);
    QCOMPARE(events.at(0).toObject().value("id").toInt(), 2);
    QCOMPARE(events.at(1).toObject().value("id").toInt(), 1);
    const QJsonArray eventFields = events.at(0).toObject().value("fields").toArray();
    QVERIFY(wellFormedFields(eventFields));
    QCOMPARE(idsOf(eventFields),
             (QList<int>{1002000, 1002001, 1002006, 1002002, 1002003, 1002004, 1002005, 1202007, 1002007}));
    QCOMPARE(valueOf(eventFields, 1002000), QStringLiteral("Crack, longitudinal"));
    QCOMPARE(valueOf(eventFields, 1002006), QStringLiteral("3.50 m"));
    QCOMPARE(valueOf(eventFields, 1002005), QStringLiteral("00:00:42"));
    QCOMPARE(valueOf(eventFields, 1202007), QStringLiteral("4"));
    // The first event has no 200001 of its own: its damage class field does
    // not appear, but property 1 is listed under its own identifier.
    const QJsonArray firstEventFields = events.at(1).toObject().value("fields").toArray();
    QCOMPARE(idsOf(firstEventFields).mid(7), (QList<int>{1002007}));
}

void TestCliExport::lengthsFollowSystemLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("sectionLength");
    QTest::addColumn<QString>("meterValue");
    QTest::addRow("German") << "de_DE.UTF-8"
                            << "3,75 m"
                            << "7,25 m";
    QTest::addRow("United States") << "en_US.UTF-8"
                                   << "12.30 ft"
                                   << "23.78 ft";
}

void TestCliExport::lengthsFollowSystemLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, sectionLength);
    QFETCH(QString, meterValue);
    const CliRun result = runCli({QStringLiteral("export"), queriesFixture(QStringLiteral("extended-project")),
                                  QStringLiteral("--install-dir=") + fixtureInstallation()},
                                 locale);
    QCOMPARE(result.iExitCode, 0);
    const QJsonArray sections = QJsonDocument::fromJson(result.out).object().value("sections").toArray();
    const QJsonObject section = sections.at(0).toObject();
    QCOMPARE(valueOf(section.value("fields").toArray(), 1001101), sectionLength);
    const QJsonArray events = section.value("events").toArray();
    QCOMPARE(valueOf(events.at(1).toObject().value("fields").toArray(), 1002006), meterValue);
}

void TestCliExport::exportsDemoProject()
{
    const QString sDemo = TestHelpers::demoProjectDir();
    if (!QFile::exists(sDemo + QStringLiteral("/project.dat")))
        QSKIP("the demo project is not there yet");
    const CliRun result = runCli({QStringLiteral("export"), sDemo});
    QCOMPARE(result.iExitCode, 0);
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(result.out, &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QCOMPARE(idsOf(root.value("project").toObject().value("fields").toArray()).size(), 34);
    // Every field object keeps the documented key order: id, caption, value, code.
    const QRegularExpression fieldLine(
        QStringLiteral(R"(^\s*\{"id": -?\d+, "caption": ".*", "value": ".*", "code": ".*"\},?$)"));
    int iFieldLines = 0;
    for (const QByteArray &line : result.out.split('\n')) {
        if (!line.trimmed().startsWith("{\"id\""))
            continue;
        ++iFieldLines;
        QVERIFY2(fieldLine.match(QString::fromUtf8(line)).hasMatch(), line.constData());
    }
    QVERIFY(iFieldLines > 100);

    const QJsonArray sections = root.value("sections").toArray();
    QVERIFY(!sections.isEmpty());
    int iPreviousId = std::numeric_limits<int>::min();
    for (const QJsonValue &sectionValue : sections) {
        const QJsonObject section = sectionValue.toObject();
        QVERIFY(section.value("id").toInt() >= iPreviousId);
        iPreviousId = section.value("id").toInt();
        const QJsonArray fields = section.value("fields").toArray();
        QVERIFY(wellFormedFields(fields));
        QCOMPARE(idsOf(fields).mid(0, 3), (QList<int>{1001100, 1001101, 1001102}));
        QCOMPARE(valueOf(fields, 1001100), section.value("name").toString());
        QVERIFY(!idsOf(fields).contains(1001110) && !idsOf(fields).contains(1001111));
        for (const QJsonValue &eventValue : section.value("events").toArray()) {
            const QJsonArray eventFields = eventValue.toObject().value("fields").toArray();
            QVERIFY(wellFormedFields(eventFields));
            QCOMPARE(idsOf(eventFields).mid(0, 7),
                     (QList<int>{1002000, 1002001, 1002006, 1002002, 1002003, 1002004, 1002005}));
        }
    }
}

// A document the device did not take is a failure, not an export.
void TestCliExport::fullOutputDevice()
{
    const QString sFull = QStringLiteral("/dev/full");
    if (!QFileInfo::exists(sFull))
        QSKIP("no /dev/full on this system");
    const CliRun result = runCli({QStringLiteral("export"), queriesFixture(QStringLiteral("extended-project")),
                                  QStringLiteral("--install-dir"), fixtureInstallation()},
                                 QStringLiteral("C.UTF-8"), sFull);
    QCOMPARE(result.iExitCode, 4);
    QVERIFY(result.err.contains("could not be written"));
}

QTEST_GUILESS_MAIN(TestCliExport)
#include "tst_cli_export.moc"
