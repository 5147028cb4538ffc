// corvane-cli on damaged copies of the demo project: every run ends on its
// own with one of the documented exit codes (never a signal or a hang),
// leaves the project directory untouched and, when it reports success,
// delivers a JSON document or a PDF file.

#include "CliRunner.h"
#include "TestHelpers.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

CliRun runCli(const QStringList &args)
{
    return TestHelpers::runCli(args, QStringLiteral("C.UTF-8"), 60000);
}

// Names, kinds and contents of everything below a directory.
QByteArray treeHash(const QString &sDirectory)
{
    QStringList entries;
    QDirIterator it(sDirectory, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QString sEntry = QDir(sDirectory).relativeFilePath(info.filePath());
        QFile file(info.filePath());
        if (info.isFile() && file.open(QIODevice::ReadOnly))
            sEntry += QLatin1Char(' ')
                      + QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex());
        else
            sEntry += info.isDir() ? QStringLiteral(" dir") : QStringLiteral(" other");
        entries << sEntry;
    }
    entries.sort();
    return QCryptographicHash::hash(entries.join(QLatin1Char('\n')).toUtf8(), QCryptographicHash::Sha1);
}

// The demo project's data files and two photos; the videos are not read.
bool copyDemoProject(const QString &sTarget)
{
    const QString sSource = TestHelpers::demoProjectDir();
    const QStringList photos = {QStringLiteral("Photos/5_0077.jpg"), QStringLiteral("Photos/104_0089.jpg")};
    QDirIterator it(sSource, QDir::Files, QDirIterator::Subdirectories);
    int iCopied = 0;
    while (it.hasNext()) {
        const QString sPath = it.next();
        const QString sRelative = QDir(sSource).relativeFilePath(sPath);
        if (!(sRelative.endsWith(QLatin1String(".dat")) || sRelative.endsWith(QLatin1String(".evtdat"))
              || sRelative.startsWith(QLatin1String("Inclination/")) || sRelative == QLatin1String("logo.txt")
              || photos.contains(sRelative)))
            continue;
        const QString sTargetPath = sTarget + QLatin1Char('/') + sRelative;
        QDir().mkpath(QFileInfo(sTargetPath).absolutePath());
        if (!QFile::copy(sPath, sTargetPath))
            return false;
        ++iCopied;
    }
    return iCopied > 0;
}

} // namespace

class TestCliRobustness : public QObject
{
    Q_OBJECT

private slots:
    void damagedProject_data();
    void damagedProject();
};

void TestCliRobustness::damagedProject_data()
{
    // A damage is: in sFile, replace sFind by sReplace; an empty sFind
    // truncates the file to half its size; sFind "<dir>" turns the file into
    // a directory, "<delete>" removes it.
    QTest::addColumn<QString>("sFile");
    QTest::addColumn<QString>("sFind");
    QTest::addColumn<QString>("sReplace");

    QTest::addRow("undamaged") << "project.dat"
                               << ""
                               << "<none>";
    QTest::addRow("project file halved") << "project.dat"
                                         << ""
                                         << "";
    QTest::addRow("project file is a directory") << "project.dat"
                                                 << "<dir>"
                                                 << "";
    QTest::addRow("sections file deleted") << "segments.dat"
                                           << "<delete>"
                                           << "";
    QTest::addRow("sections file halved") << "segments.dat"
                                          << ""
                                          << "";
    QTest::addRow("sections file is a directory") << "segments.dat"
                                                  << "<dir>"
                                                  << "";
    QTest::addRow("event file halved") << "12.evtdat"
                                       << ""
                                       << "";
    QTest::addRow("event file is a directory") << "12.evtdat"
                                               << "<dir>"
                                               << "";
    QTest::addRow("project version 7") << "project.dat"
                                       << "version=3"
                                       << "version=7";
    QTest::addRow("project name empty") << "project.dat"
                                        << "name=Kanalinspektion Ostrelbach 2024"
                                        << "name=";
    QTest::addRow("plain project") << "project.dat"
                                   << "extendedproject=true"
                                   << "extendedproject=false";
    QTest::addRow("unknown catalog") << "project.dat"
                                     << "inspectionstandard=OSTREL-DEMO"
                                     << "inspectionstandard=../../etc";
    QTest::addRow("property size two billion") << "segments.dat"
                                               << "property\\size="
                                               << "property\\size=2000000000\nx=";
    QTest::addRow("non-numeric section group") << "segments.dat"
                                               << "[12]"
                                               << "[abc]";
    QTest::addRow("meter values not numbers") << "12.evtdat"
                                              << "metervalue=1.68"
                                              << "metervalue=nan";
    QTest::addRow("meter value beyond float") << "12.evtdat"
                                              << "metervalue=1.68"
                                              << "metervalue=-1e39";
    QTest::addRow("photo name outside") << "5.evtdat"
                                        << "imagefile=5_0077.jpg"
                                        << "imagefile=../../../etc/passwd";
    QTest::addRow("photo name absolute") << "5.evtdat"
                                         << "imagefile2=5_0078.jpg"
                                         << "imagefile2=/etc/passwd";
    QTest::addRow("inclination name parent") << "segments.dat"
                                             << "inclinationfile=INC_0012.txt"
                                             << "inclinationfile=..";
    QTest::addRow("inclination values huge") << "Inclination/INC_0012.txt"
                                             << "Values..."
                                             << "Values...\n1e39;3e38\n-3e38;1e39\nnan;inf";
    QTest::addRow("inclination is a directory") << "Inclination/INC_0003.txt"
                                                << "<dir>"
                                                << "";
    QTest::addRow("binary garbage in events") << "7.evtdat"
                                              << "[2]" << QStringLiteral("[2]\n\x01\x02=\x7f\\\\[[\n");
    QTest::addRow("huge value") << "9.evtdat"
                                << "text="
                                << "text=" + QString(100000, QLatin1Char('x'));
}

void TestCliRobustness::damagedProject()
{
    QFETCH(QString, sFile);
    QFETCH(QString, sFind);
    QFETCH(QString, sReplace);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString sProject = root.path() + QStringLiteral("/project");
    QVERIFY(copyDemoProject(sProject));
    const QString sPath = sProject + QLatin1Char('/') + sFile;
    QVERIFY2(QFileInfo::exists(sPath), qPrintable(sPath));
    if (sFind == QLatin1String("<dir>")) {
        QVERIFY(QFile::remove(sPath));
        QVERIFY(QDir().mkpath(sPath + QStringLiteral("/inner")));
    } else if (sFind == QLatin1String("<delete>")) {
        QVERIFY(QFile::remove(sPath));
    } else if (sReplace != QLatin1String("<none>")) {
        QFile file(sPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray data = file.readAll();
        file.close();
        if (sFind.isEmpty()) {
            data.truncate(data.size() / 2);
        } else {
            QVERIFY2(data.contains(sFind.toUtf8()), qPrintable(sFind));
            data.replace(sFind.toUtf8(), sReplace.toUtf8());
        }
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(data), data.size());
    }
    const QByteArray before = treeHash(sProject);
    const QString sInstall = TestHelpers::installDir();

    const CliRun exportRun = runCli({QStringLiteral("export"), sProject, QStringLiteral("--install-dir"), sInstall});
    QVERIFY2(exportRun.bFinished, "export did not finish within 60 s");
    QVERIFY2(exportRun.bNormalExit, qPrintable(QStringLiteral("export crashed: ") + QString::fromUtf8(exportRun.err)));
    QVERIFY2(QList<int>({0, 2, 3}).contains(exportRun.iExitCode),
             qPrintable(QStringLiteral("export exit code %1").arg(exportRun.iExitCode)));
    if (exportRun.iExitCode == 0)
        QVERIFY(!QJsonDocument::fromJson(exportRun.out).isNull());
    QVERIFY2(!exportRun.err.contains("runtime error:"), exportRun.err.constData());

    const QString sPdf = root.path() + QStringLiteral("/report.pdf");
    const CliRun reportRun = runCli({QStringLiteral("report"), sProject, QStringLiteral("-o"), sPdf,
                                     QStringLiteral("--photos"), QStringLiteral("3"), QStringLiteral("--install-dir"),
                                     sInstall, QStringLiteral("--logo-dir"), sProject, QStringLiteral("--quiet")});
    QVERIFY2(reportRun.bFinished, "report did not finish within 60 s");
    QVERIFY2(reportRun.bNormalExit, qPrintable(QStringLiteral("report crashed: ") + QString::fromUtf8(reportRun.err)));
    QVERIFY2(QList<int>({0, 2, 3, 4}).contains(reportRun.iExitCode),
             qPrintable(QStringLiteral("report exit code %1").arg(reportRun.iExitCode)));
    // Opening decides both commands alike.
    if (exportRun.iExitCode != 0)
        QCOMPARE(reportRun.iExitCode, exportRun.iExitCode);
    if (reportRun.iExitCode == 0) {
        QFile pdf(sPdf);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
    } else {
        QVERIFY2(!QFileInfo::exists(sPdf), "a failed report left a file behind");
    }
    QVERIFY2(!reportRun.err.contains("runtime error:"), reportRun.err.constData());

    QCOMPARE(treeHash(sProject), before);
}

QTEST_GUILESS_MAIN(TestCliRobustness)
#include "tst_cli_robustness.moc"
