// corvane-cli against hostile projects, installations and output paths:
// values built to exhaust the stack or memory, links that lead out of the
// project, catalog names that climb out of the installation, outputs that
// would overwrite the project, pipes as output, and directory names that are
// not valid UTF-8. Opening outside files is caught with strace where it is
// installed.

#include "CliRunner.h"
#include "DirectoryState.h"
#include "TestHelpers.h"

#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

CliRun runCli(const QStringList &args)
{
    return TestHelpers::runCli(args, QStringLiteral("C.UTF-8"), 120000);
}

QByteArray bigEndian(quint32 uValue)
{
    return QByteArray(1, char(uValue >> 24)) + char(uValue >> 16) + char(uValue >> 8) + char(uValue);
}

// "@Variant(...)" with every byte hex-escaped, as the settings class reads it.
QByteArray hexEscaped(const QByteArray &bytes)
{
    QByteArray out;
    out.reserve(bytes.size() * 4 + 12);
    out += "@Variant(";
    static const char digits[] = "0123456789abcdef";
    for (const char ch : bytes) {
        out += "\\x";
        out += digits[uchar(ch) >> 4];
        out += digits[uchar(ch) & 0xf];
    }
    return out + ')';
}

QByteArray nestedLists(int iLevels)
{
    const QByteArray level = bigEndian(QMetaType::QVariantList) + bigEndian(1);
    return level.repeated(iLevels) + bigEndian(QMetaType::Int) + bigEndian(42);
}

QByteArray nestedMaps(int iLevels)
{
    // A map of one entry: key "k" (UTF-16), value the next level.
    const QByteArray level = bigEndian(QMetaType::QVariantMap) + bigEndian(1) + bigEndian(2) + QByteArray("\0k", 2);
    return level.repeated(iLevels) + bigEndian(QMetaType::Int) + bigEndian(42);
}

QByteArray hugeImage()
{
    // One bit a pixel: a few kilobytes as PNG, 4 MB once decoded.
    QImage image(5790, 5790, QImage::Format_Mono);
    image.fill(0);
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream << QVariant(image);
    return bytes;
}

// The demo project's data files, inclination files, logo and the photos of
// its first sections; the videos are not read by the cli.
bool copyDemoProject(const QString &sTarget)
{
    const QString sSource = TestHelpers::demoProjectDir();
    QDirIterator it(sSource, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sPath = it.next();
        const QString sRelative = QDir(sSource).relativeFilePath(sPath);
        if (sRelative.startsWith(QLatin1String("Videos/")))
            continue;
        const QString sTargetPath = sTarget + QLatin1Char('/') + sRelative;
        QDir().mkpath(QFileInfo(sTargetPath).absolutePath());
        if (!QFile::copy(sPath, sTargetPath))
            return false;
    }
    return QDir().mkpath(sTarget + QStringLiteral("/Videos"));
}

QByteArray readAll(const QString &sPath)
{
    QFile file(sPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool appendTo(const QString &sPath, const QByteArray &data)
{
    QFile file(sPath);
    return file.open(QIODevice::Append) && file.write(data) == data.size();
}

bool isPdf(const QByteArray &data)
{
    return data.startsWith("%PDF-") && data.trimmed().endsWith("%%EOF");
}

QStringList below(const QList<TestHelpers::OpenCall> &calls, const QString &sDirectory)
{
    QStringList hits;
    for (const TestHelpers::OpenCall &call : calls) {
        if (call.sPath.startsWith(sDirectory))
            hits << call.sCall;
    }
    return hits;
}

} // namespace

class TestHostileInputs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void hostileValuesOpen_data();
    void hostileValuesOpen();
    void linksOutOfProjectAreNotFollowed_data();
    void linksOutOfProjectAreNotFollowed();
    void catalogNamesStayInInstallation_data();
    void catalogNamesStayInInstallation();
    void outputIntoProjectIsRefused_data();
    void outputIntoProjectIsRefused();
    void outputIntoPipe_data();
    void outputIntoPipe();
    void undecodableDirectoryName_data();
    void undecodableDirectoryName();

private:
    QTemporaryDir m_dir;
};

void TestHostileInputs::initTestCase()
{
    QVERIFY(QFileInfo::exists(TestHelpers::cliPath()));
    QVERIFY(m_dir.isValid());
    if (!TestHelpers::canTrace())
        qWarning("strace is not installed: opened files are not traced");
}

void TestHostileInputs::hostileValuesOpen_data()
{
    QTest::addColumn<QString>("sFile");
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<bool>("bEventText");

    QTest::newRow("100000 nested lists in an unused key of project.dat")
        << "project.dat"
        << "[projectdata]\nunused=" + hexEscaped(nestedLists(100000)) + '\n'
        << false;
    QTest::newRow("60000 nested maps as an event text")
        << "5.evtdat"
        << "[99]\ntext=" + hexEscaped(nestedMaps(60000)) + "\nmetervalue=1\n"
        << true;
    // 600 images of 5790 x 5790 pixels: 2.5 GB once decoded.
    const QByteArray image = hexEscaped(hugeImage());
    QByteArray images = "[projectdata]\n";
    for (int i = 0; i < 600; ++i)
        images += "image" + QByteArray::number(i) + '=' + image + '\n';
    QTest::newRow("600 huge images in unused keys") << "project.dat" << images << false;
}

// The values read as empty; export and report finish, and memory stays
// bounded (the largest child this test ever waited for is measured).
void TestHostileInputs::hostileValuesOpen()
{
    QFETCH(QString, sFile);
    QFETCH(QByteArray, lines);
    QFETCH(bool, bEventText);
    const QString sProject = m_dir.filePath(QStringLiteral("values-") + QString::number(qHash(lines)));
    QVERIFY(copyDemoProject(sProject));
    QVERIFY(appendTo(sProject + QLatin1Char('/') + sFile, lines));

    const CliRun exported = runCli({QStringLiteral("export"), sProject});
    QVERIFY2(exported.bNormalExit && exported.iExitCode == 0, exported.err.constData());
    const QJsonObject document = QJsonDocument::fromJson(exported.out).object();
    QVERIFY(!document.isEmpty());
    if (bEventText) {
        // Section 5, event 99: no field shows the serialized value.
        bool bFound = false;
        for (const QJsonValue &section : document.value(QStringLiteral("sections")).toArray()) {
            if (section[QStringLiteral("id")].toInt() != 5)
                continue;
            for (const QJsonValue &event : section[QStringLiteral("events")].toArray()) {
                if (event[QStringLiteral("id")].toInt() != 99)
                    continue;
                bFound = true;
                for (const QJsonValue &field : event[QStringLiteral("fields")].toArray())
                    QVERIFY2(!field[QStringLiteral("value")].toString().contains(QStringLiteral("@Variant")),
                             qPrintable(field[QStringLiteral("value")].toString()));
            }
        }
        QVERIFY(bFound);
    }

    const QString sPdf = m_dir.filePath(QStringLiteral("values.pdf"));
    const CliRun report = runCli({QStringLiteral("report"), sProject, QStringLiteral("-o"), sPdf,
                                  QStringLiteral("--photos"), QStringLiteral("3"), QStringLiteral("--quiet")});
    QVERIFY2(report.bNormalExit && report.iExitCode == 0, report.err.constData());
    QVERIFY(isPdf(readAll(sPdf)));

    struct rusage usage = {};
    QCOMPARE(::getrusage(RUSAGE_CHILDREN, &usage), 0);
    // Kilobytes; all images decoded would be 2.5 GB.
    QVERIFY2(usage.ru_maxrss < 1024 * 1024, qPrintable(QString::number(usage.ru_maxrss)));
}

void TestHostileInputs::linksOutOfProjectAreNotFollowed_data()
{
    QTest::addColumn<QString>("sLink");   // in the project
    QTest::addColumn<QString>("sTarget"); // in the outside directory
    QTest::newRow("a photo") << "Photos/5_0077.jpg"
                             << "5_0077.jpg";
    QTest::newRow("an inclination file") << "Inclination/INC_0003.txt"
                                         << "INC_0003.txt";
    QTest::newRow("logo.bmp") << "logo.bmp"
                              << "logo.bmp";
    QTest::newRow("logo.txt") << "logo.txt"
                              << "logo.txt";
    QTest::newRow("the Photos directory") << "Photos"
                                          << "Photos";
    QTest::newRow("segments.dat") << "segments.dat"
                                  << "segments.dat";
    QTest::newRow("an event file") << "5.evtdat"
                                   << "5.evtdat";
}

void TestHostileInputs::linksOutOfProjectAreNotFollowed()
{
    QFETCH(QString, sLink);
    QFETCH(QString, sTarget);
    const QString sCase = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'));
    const QString sProject = m_dir.filePath(QStringLiteral("links-") + sCase);
    const QString sOutside = m_dir.filePath(QStringLiteral("outside-") + sCase);
    QVERIFY(copyDemoProject(sProject));
    QVERIFY(QDir().mkpath(sOutside));
    // The link's former target moves outside; the link leads to it.
    QVERIFY(QDir().rename(sProject + QLatin1Char('/') + sLink, sOutside + QLatin1Char('/') + sTarget));
    QVERIFY(QFile::link(sOutside + QLatin1Char('/') + sTarget, sProject + QLatin1Char('/') + sLink));
    // The project is reached through a link of its own: that one is fine.
    const QString sProjectLink = sProject + QStringLiteral("-link");
    QVERIFY(QFile::link(sProject, sProjectLink));

    QList<TestHelpers::OpenCall> opened;
    const CliRun exported = TestHelpers::runCliTraced({QStringLiteral("export"), sProjectLink},
                                                      m_dir.filePath(sCase + QStringLiteral("-export.trace")), &opened);
    QVERIFY2(exported.bNormalExit && exported.iExitCode == 0, exported.err.constData());
    const QString sPdf = m_dir.filePath(sCase + QStringLiteral(".pdf"));
    const CliRun report =
        TestHelpers::runCliTraced({QStringLiteral("report"), sProjectLink, QStringLiteral("-o"), sPdf,
                                   QStringLiteral("--photos"), QStringLiteral("3"), QStringLiteral("--quiet")},
                                  m_dir.filePath(sCase + QStringLiteral("-report.trace")), &opened);
    QVERIFY2(report.bNormalExit && report.iExitCode == 0, report.err.constData());
    QVERIFY(isPdf(readAll(sPdf)));
    if (TestHelpers::canTrace()) {
        QVERIFY(!below(opened, sProject + QLatin1Char('/')).isEmpty());
        const QStringList outside = below(opened, sOutside);
        QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QLatin1Char('\n'))));
    }
    if (sLink == QLatin1String("segments.dat")) {
        // The sections are not read from the file outside.
        QCOMPARE(QJsonDocument::fromJson(exported.out)[QStringLiteral("sections")].toArray().size(), 0);
    }
}

void TestHostileInputs::catalogNamesStayInInstallation_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QString>("sFolder");
    QTest::newRow("standard") << QByteArray("BaseFileName") << "CatalogBaseData";
    QTest::newRow("layout") << QByteArray("PrintoutLayoutFileName") << "PrintoutLayouts";
    QTest::newRow("printout data") << QByteArray("PrintoutDataFile") << "CatalogPrintoutData";
}

// An installation whose Catalogs.dat names a catalog file "../../..." that
// exists outside: the catalog does not load and the file is not opened.
void TestHostileInputs::catalogNamesStayInInstallation()
{
    QFETCH(QByteArray, key);
    QFETCH(QString, sFolder);
    const QString sRoot = m_dir.filePath(QStringLiteral("catalog-") + sFolder);
    const QString sInstall = sRoot + QStringLiteral("/install");
    const QString sOutside = sRoot + QStringLiteral("/outside");
    QVERIFY(QDir().mkpath(sOutside));
    QDirIterator it(
        TestHelpers::installDir(),
        {QStringLiteral("*.dat"), QStringLiteral("*.std"), QStringLiteral("*.lay"), QStringLiteral("*.pod")},
        QDir::Files, QDirIterator::Subdirectories);
    QString sOriginal;
    while (it.hasNext()) {
        const QString sPath = it.next();
        const QString sRelative = QDir(TestHelpers::installDir()).relativeFilePath(sPath);
        if (sRelative.count(QLatin1Char('/')) > 1)
            continue;
        QVERIFY(TestHelpers::writeFile(sInstall + QLatin1Char('/') + sRelative, readAll(sPath)));
        if (sRelative.startsWith(sFolder + QLatin1Char('/')))
            sOriginal = sRelative;
    }
    QVERIFY(!sOriginal.isEmpty());
    // The same file outside, named by climbing out of the folder.
    const QString sName = QFileInfo(sOriginal).fileName();
    QVERIFY(QFile::copy(sInstall + QLatin1Char('/') + sOriginal, sOutside + QLatin1Char('/') + sName));
    const QString sCatalogs = sInstall + QStringLiteral("/Catalogs.dat");
    QByteArray catalogs = readAll(sCatalogs);
    catalogs.replace("\\1\\" + key + '=' + sName.toUtf8(), "\\1\\" + key + "=../../outside/" + sName.toUtf8());
    QVERIFY(catalogs.contains("../../outside/"));
    QVERIFY(TestHelpers::writeFile(sCatalogs, catalogs));

    QList<TestHelpers::OpenCall> opened;
    const CliRun run = TestHelpers::runCliTraced(
        {QStringLiteral("export"), TestHelpers::demoProjectDir(), QStringLiteral("--install-dir"), sInstall},
        sRoot + QStringLiteral("/export.trace"), &opened);
    QVERIFY(run.bNormalExit);
    QCOMPARE(run.iExitCode, 2); // the project could not be loaded
    QVERIFY2(run.err.contains("could not be loaded"), run.err.constData());
    const QStringList outside = below(opened, sOutside);
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QLatin1Char('\n'))));
}

void TestHostileInputs::outputIntoProjectIsRefused_data()
{
    QTest::addColumn<QString>("sOutput"); // relative to the test's directory
    QTest::newRow("a project file") << "project/segments.dat";
    QTest::newRow("a new file in the project") << "project/report.pdf";
    QTest::newRow("a new file in a media directory") << "project/Photos/report.pdf";
    QTest::newRow("a link to a project file") << "to-project-file.pdf";
    QTest::newRow("a dangling link into the project") << "to-new-file.pdf";
    QTest::newRow("through a link to the project") << "project-link/report.pdf";
    QTest::newRow("a hard link to a project file") << "hard-link.pdf";
    QTest::newRow("the project directory itself") << "project";
}

void TestHostileInputs::outputIntoProjectIsRefused()
{
    QFETCH(QString, sOutput);
    static int iCase = 0;
    const QString sRoot = m_dir.filePath(QStringLiteral("output-%1").arg(++iCase));
    const QString sProject = sRoot + QStringLiteral("/project");
    QVERIFY(copyDemoProject(sProject));
    QVERIFY(QFile::link(sProject + QStringLiteral("/project.dat"), sRoot + QStringLiteral("/to-project-file.pdf")));
    QVERIFY(QFile::link(sProject + QStringLiteral("/new.pdf"), sRoot + QStringLiteral("/to-new-file.pdf")));
    QVERIFY(QFile::link(sProject, sRoot + QStringLiteral("/project-link")));
    QCOMPARE(::link(QFile::encodeName(sProject + QStringLiteral("/segments.dat")).constData(),
                    QFile::encodeName(sRoot + QStringLiteral("/hard-link.pdf")).constData()),
             0);
    const QByteArray before = TestHelpers::directoryState(sProject);

    const CliRun run = runCli({QStringLiteral("report"), sProject, QStringLiteral("-o"),
                               sRoot + QLatin1Char('/') + sOutput, QStringLiteral("--quiet")});
    QVERIFY(run.bNormalExit);
    QCOMPARE(run.iExitCode, 4);
    QVERIFY2(run.err.contains("project directory") || run.err.contains("cannot write"), run.err.constData());
    QCOMPARE(TestHelpers::directoryState(sProject), before);
}

void TestHostileInputs::outputIntoPipe_data()
{
    QTest::addColumn<bool>("bFifo");
    QTest::newRow("standard output into a pipe") << false;
    QTest::newRow("a FIFO that a reader drains") << true;
}

void TestHostileInputs::outputIntoPipe()
{
    QFETCH(bool, bFifo);
    const QStringList common = {QStringLiteral("report"),     TestHelpers::demoProjectDir(), QStringLiteral("--quiet"),
                                QStringLiteral("--sections"), QStringLiteral("5"),           QStringLiteral("-o")};
    if (!bFifo) {
        const CliRun run = runCli(common + QStringList{QStringLiteral("/dev/stdout")});
        QVERIFY2(run.bNormalExit && run.iExitCode == 0, run.err.constData());
        QVERIFY(isPdf(run.out));
        return;
    }
    const QString sFifo = m_dir.filePath(QStringLiteral("report.fifo"));
    QFile::remove(sFifo);
    QCOMPARE(::mkfifo(QFile::encodeName(sFifo).constData(), 0600), 0);
    // The reader copies into a file, so it never waits for this process.
    const QString sCopy = m_dir.filePath(QStringLiteral("from-fifo.pdf"));
    QProcess reader;
    reader.setStandardOutputFile(sCopy);
    reader.start(QStringLiteral("cat"), {sFifo});
    QVERIFY(reader.waitForStarted());
    const CliRun run = runCli(common + QStringList{sFifo});
    QVERIFY(reader.waitForFinished(60000));
    QVERIFY2(run.bNormalExit && run.iExitCode == 0, run.err.constData());
    QVERIFY(isPdf(readAll(sCopy)));
}

void TestHostileInputs::undecodableDirectoryName_data()
{
    QTest::addColumn<QString>("sCommand");
    QTest::newRow("export") << "export";
    QTest::newRow("report") << "report";
}

// A directory whose name holds the byte 0xff: the cli says that the name
// cannot be used instead of claiming there is no project.
void TestHostileInputs::undecodableDirectoryName()
{
    QFETCH(QString, sCommand);
    const QString sPrepared = m_dir.filePath(QStringLiteral("latin1-") + sCommand);
    QVERIFY(copyDemoProject(sPrepared));
    const QByteArray raw = QFile::encodeName(sPrepared) + "-\xff";
    QCOMPARE(::rename(QFile::encodeName(sPrepared).constData(), raw.constData()), 0);
    // The shell hands the raw bytes on; the test's own arguments could not.
    const QString sScript =
        QStringLiteral("d=\"$1\"; shift; exec \"$0\" %1 \"$(printf '%s-\\377' \"$d\")\" \"$@\"").arg(sCommand);
    QStringList args = {QStringLiteral("-c"), sScript, TestHelpers::cliPath(), sPrepared};
    if (sCommand == QLatin1String("report"))
        args << QStringLiteral("-o") << m_dir.filePath(QStringLiteral("latin1.pdf")) << QStringLiteral("--quiet");
    const CliRun run = TestHelpers::runProgram(QStringLiteral("/bin/sh"), args);
    // Back to a name the temporary directory can remove.
    QCOMPARE(::rename(raw.constData(), QFile::encodeName(sPrepared).constData()), 0);
    QVERIFY(run.bNormalExit);
    if (run.iExitCode != 0) {
        QCOMPARE(run.iExitCode, 2);
        QVERIFY2(run.err.contains("not valid UTF-8"), run.err.constData());
        QVERIFY(!run.err.contains("No project was found"));
    }
}

QTEST_MAIN(TestHostileInputs)
#include "tst_hostile_inputs.moc"
