#include "CliRunner.h"
#include "PdfText.h"
#include "TestHelpers.h"
#include "app/CApplicationContext.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

// Builds the Debian package once from this build, unpacks it into a private
// root and checks what a user who installs it gets: a package and desktop
// files the Debian validators accept, and programs that work from where the
// package puts them.
class TestPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void controlFields_data();
    void controlFields();
    void installedFiles_data();
    void installedFiles();
    void installationDataBesideThePrograms();
    void onlyTheProgramsAreExecutable();
    void validators_data();
    void validators();
    void installedProgramsWork_data();
    void installedProgramsWork();

private:
    QString rootPath(const QString &sRelative) const { return m_sRoot + QLatin1Char('/') + sRelative; }

    QTemporaryDir m_dir;
    QString m_sPackage;
    QString m_sRoot;
    QMap<QString, QString> m_controlFields;
};

namespace {

const QString g_sAppDir = QStringLiteral("usr/lib/corvane-viewer");
const QString g_sDemoDir = QStringLiteral("usr/share/corvane-viewer/demo-project");

QString runFailure(const CliRun &cRun)
{
    return QStringLiteral("exit %1\n%2\n%3")
        .arg(cRun.iExitCode)
        .arg(QString::fromUtf8(cRun.out.right(6000)), QString::fromUtf8(cRun.err.right(6000)));
}

// "Name: value" lines of `dpkg-deb -f`, continuation lines appended.
QMap<QString, QString> parseControl(const QString &sText)
{
    QMap<QString, QString> fields;
    QString sLast;
    for (const QString &sLine : sText.split(QLatin1Char('\n'))) {
        if (sLine.startsWith(QLatin1Char(' ')) && !sLast.isEmpty()) {
            fields[sLast] += QLatin1Char('\n') + sLine;
        } else if (const int iColon = sLine.indexOf(QLatin1Char(':')); iColon > 0) {
            sLast = sLine.left(iColon);
            fields[sLast] = sLine.mid(iColon + 1).trimmed();
        }
    }
    return fields;
}

// Package names of a Depends field, without versions and alternatives.
QStringList dependencyNames(const QString &sDepends)
{
    QStringList names;
    static const QRegularExpression separator(QStringLiteral("[,|]"));
    for (const QString &sEntry : sDepends.split(separator, Qt::SkipEmptyParts))
        names << sEntry.trimmed().section(QLatin1Char(' '), 0, 0).section(QLatin1Char(':'), 0, 0);
    return names;
}

} // namespace

void TestPackage::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString sOut = m_dir.filePath(QStringLiteral("out"));
    // Its own output directory, so that a package built by hand in the
    // build directory is neither used nor overwritten.
    const CliRun cPack =
        TestHelpers::runProgram(QStringLiteral(CORVANE_CPACK),
                                {QStringLiteral("--config"), QStringLiteral(CORVANE_BUILD_DIR "/CPackConfig.cmake"),
                                 QStringLiteral("-B"), sOut},
                                QStringLiteral("C.UTF-8"), 600000);
    QVERIFY2(cPack.iExitCode == 0, qPrintable(runFailure(cPack)));

    const QStringList packages = QDir(sOut).entryList({QStringLiteral("*.deb")}, QDir::Files);
    QCOMPARE(packages.size(), 1);
    m_sPackage = sOut + QLatin1Char('/') + packages.first();

    m_sRoot = m_dir.filePath(QStringLiteral("root"));
    const CliRun cExtract =
        TestHelpers::runProgram(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), m_sPackage, m_sRoot});
    QVERIFY2(cExtract.iExitCode == 0, qPrintable(runFailure(cExtract)));
    const CliRun cFields = TestHelpers::runProgram(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), m_sPackage});
    QVERIFY2(cFields.iExitCode == 0, qPrintable(runFailure(cFields)));
    m_controlFields = parseControl(QString::fromUtf8(cFields.out));
}

void TestPackage::controlFields_data()
{
    QTest::addColumn<QString>("sField");
    QTest::addColumn<QString>("sExpected");     // the whole value, when not empty
    QTest::addColumn<QStringList>("dependsOn"); // package names the Depends field must hold

    const CliRun cArch = TestHelpers::runProgram(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")});
    QTest::addRow("name") << "Package"
                          << "corvane-viewer" << QStringList();
    QTest::addRow("version of the programs") << "Version" << CApplicationContext::applicationVersion() << QStringList();
    QTest::addRow("architecture of the build")
        << "Architecture" << QString::fromUtf8(cArch.out).trimmed() << QStringList();
    // The linked libraries come from dpkg-shlibdeps; without it CPack
    // leaves them out and still succeeds.
    QTest::addRow("linked libraries") << "Depends" << QString()
                                      << QStringList{"libc6",          "libqt6core6",       "libqt6gui6",
                                                     "libqt6widgets6", "libqt6multimedia6", "libqt6multimediawidgets6"};
    QTest::addRow("what is loaded at run time")
        << "Depends" << QString()
        << QStringList{"gstreamer1.0-plugins-base", "gstreamer1.0-plugins-good", "gstreamer1.0-plugins-bad",
                       "gstreamer1.0-plugins-ugly", "gstreamer1.0-libav",        "fonts-liberation2"};
}

void TestPackage::controlFields()
{
    QFETCH(QString, sField);
    QFETCH(QString, sExpected);
    QFETCH(QStringList, dependsOn);

    QVERIFY2(m_controlFields.contains(sField), qPrintable(sField));
    const QString sValue = m_controlFields.value(sField);
    if (!sExpected.isEmpty())
        QCOMPARE(sValue, sExpected);
    const QStringList names = dependencyNames(sValue);
    for (const QString &sName : dependsOn)
        QVERIFY2(names.contains(sName), qPrintable(sName + QStringLiteral(" not in: ") + sValue));
}

void TestPackage::installedFiles_data()
{
    QTest::addColumn<QString>("sPath");
    QTest::addColumn<QString>("sLinkTarget"); // where a symbolic link must lead
    QTest::addColumn<int>("iIconSize");       // the square size of a PNG icon

    QTest::addRow("viewer in the path") << "usr/bin/corvane-viewer" << g_sAppDir + "/corvane-viewer" << 0;
    QTest::addRow("cli in the path") << "usr/bin/corvane-cli" << g_sAppDir + "/corvane-cli" << 0;
    QTest::addRow("desktop entry") << "usr/share/applications/corvane-viewer.desktop" << QString() << 0;
    QTest::addRow("metainfo") << "usr/share/metainfo/org.corvane.Viewer.metainfo.xml" << QString() << 0;
    QTest::addRow("scalable icon") << "usr/share/icons/hicolor/scalable/apps/corvane-viewer.svg" << QString() << 0;
    for (const int iSize : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QTest::addRow("icon %d", iSize)
            << QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/corvane-viewer.png").arg(iSize) << QString() << iSize;
    }
    QTest::addRow("viewer manual") << "usr/share/man/man1/corvane-viewer.1.gz" << QString() << 0;
    QTest::addRow("cli manual") << "usr/share/man/man1/corvane-cli.1.gz" << QString() << 0;
    QTest::addRow("copyright") << "usr/share/doc/corvane-viewer/copyright" << QString() << 0;
    QTest::addRow("changelog") << "usr/share/doc/corvane-viewer/changelog.gz" << QString() << 0;
    QTest::addRow("demo project") << g_sDemoDir + "/project.dat" << QString() << 0;
}

void TestPackage::installedFiles()
{
    QFETCH(QString, sPath);
    QFETCH(QString, sLinkTarget);
    QFETCH(int, iIconSize);

    const QFileInfo info(rootPath(sPath));
    QVERIFY2(info.exists(), qPrintable(sPath));
    if (!sLinkTarget.isEmpty()) {
        QVERIFY2(info.isSymLink(), qPrintable(sPath));
        // Relative, so that it leads to the same place below any root.
        const std::filesystem::path target =
            std::filesystem::read_symlink(QFile::encodeName(info.filePath()).constData());
        QVERIFY2(target.is_relative(), target.c_str());
        QCOMPARE(info.canonicalFilePath(), QFileInfo(rootPath(sLinkTarget)).canonicalFilePath());
    }
    if (iIconSize > 0)
        QCOMPARE(QImage(info.filePath()).size(), QSize(iIconSize, iIconSize));
}

void TestPackage::installationDataBesideThePrograms()
{
    // Every installation file of the source tree and every compiled
    // translation, byte for byte, in the programs' directory.
    QStringList expected;
    const QString sData = TestHelpers::sourceDir() + QStringLiteral("/data/installation");
    QDirIterator data(sData, QDir::Files, QDirIterator::Subdirectories);
    while (data.hasNext())
        expected << QDir(sData).relativeFilePath(data.next());
    const QStringList translations =
        QDir(TestHelpers::installDir() + QStringLiteral("/LanguageFiles")).entryList({"*.qm"}, QDir::Files);
    QVERIFY(!translations.isEmpty());
    for (const QString &sName : translations)
        expected << QStringLiteral("LanguageFiles/") + sName;

    for (const QString &sRelative : std::as_const(expected)) {
        QFile installed(rootPath(g_sAppDir + QLatin1Char('/') + sRelative));
        QFile built(TestHelpers::installDir() + QLatin1Char('/') + sRelative);
        QVERIFY2(installed.open(QIODevice::ReadOnly), qPrintable(sRelative));
        QVERIFY2(built.open(QIODevice::ReadOnly), qPrintable(sRelative));
        QVERIFY2(installed.readAll() == built.readAll(), qPrintable(sRelative));
    }
}

void TestPackage::onlyTheProgramsAreExecutable()
{
    // No test or benchmark is installed, and no data file is executable.
    QStringList executables;
    QDirIterator it(m_sRoot, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (!info.isSymLink() && info.isExecutable())
            executables << QDir(m_sRoot).relativeFilePath(info.filePath());
    }
    executables.sort();
    QCOMPARE(executables, QStringList({g_sAppDir + "/corvane-cli", g_sAppDir + "/corvane-viewer"}));
}

void TestPackage::validators_data()
{
    QTest::addColumn<QString>("sProgram");
    QTest::addColumn<QStringList>("args");      // "%package" and "%root/..." are filled in
    QTest::addColumn<bool>("bSilentWhenValid"); // output means hints or warnings despite exit status 0

    QTest::addRow("desktop entry") << "desktop-file-validate"
                                   << QStringList{"%root/usr/share/applications/corvane-viewer.desktop"} << true;
    QTest::addRow("metainfo") << "appstreamcli"
                              << QStringList{"validate", "--no-net",
                                             "%root/usr/share/metainfo/org.corvane.Viewer.metainfo.xml"}
                              << false;
    QTest::addRow("package") << "lintian" << QStringList{"--fail-on", "error", "%package"} << false;
}

void TestPackage::validators()
{
    QFETCH(QString, sProgram);
    QFETCH(QStringList, args);
    QFETCH(bool, bSilentWhenValid);

    for (QString &sArg : args) {
        sArg.replace(QStringLiteral("%package"), m_sPackage);
        sArg.replace(QStringLiteral("%root"), m_sRoot);
    }
    const CliRun cRun = TestHelpers::runProgram(sProgram, args, QStringLiteral("C.UTF-8"), 600000);
    QVERIFY2(cRun.bFinished && cRun.iExitCode == 0, qPrintable(sProgram + QLatin1Char(' ') + runFailure(cRun)));
    if (bSilentWhenValid)
        QVERIFY2(cRun.out.isEmpty(), cRun.out.constData());
}

void TestPackage::installedProgramsWork_data()
{
    QTest::addColumn<QString>("sProject"); // "%root/..." or a directory of the source tree
    QTest::addColumn<QStringList>("args"); // after the project; "%out" is an output file
    QTest::addColumn<bool>("bPdf");        // compare the written PDF's text instead of standard output

    const QString sDemo = TestHelpers::demoProjectDir();
    const QString sInstalledDemo = QStringLiteral("%root/") + g_sDemoDir;
    QTest::addRow("export") << sDemo << QStringList() << false;
    QTest::addRow("export of the installed demo") << sInstalledDemo << QStringList() << false;
    QTest::addRow("report with photos") << sDemo << QStringList{"-o", "%out", "--photos", "3", "--quiet"} << true;
    QTest::addRow("report of the installed demo") << sInstalledDemo << QStringList{"-o", "%out", "--quiet"} << true;
}

void TestPackage::installedProgramsWork()
{
    QFETCH(QString, sProject);
    QFETCH(QStringList, args);
    QFETCH(bool, bPdf);

    // The installed tool runs through its link in usr/bin, which holds no
    // installation data: it works only if it finds the data beside the
    // executable the link leads to.
    const QString sCommand = bPdf ? QStringLiteral("report") : QStringLiteral("export");
    const QString sInstalledProject = QString(sProject).replace(QStringLiteral("%root"), m_sRoot);
    QStringList installedArgs = QStringList{sCommand, sInstalledProject} + args;
    QStringList builtArgs = QStringList{sCommand, TestHelpers::demoProjectDir()} + args;
    installedArgs.replaceInStrings(QStringLiteral("%out"), m_dir.filePath(QStringLiteral("installed.pdf")));
    builtArgs.replaceInStrings(QStringLiteral("%out"), m_dir.filePath(QStringLiteral("built.pdf")));

    const CliRun cInstalled = TestHelpers::runProgram(rootPath(QStringLiteral("usr/bin/corvane-cli")), installedArgs);
    QVERIFY2(cInstalled.iExitCode == 0, qPrintable(runFailure(cInstalled)));
    const CliRun cBuilt = TestHelpers::runCli(builtArgs);
    QVERIFY2(cBuilt.iExitCode == 0, qPrintable(runFailure(cBuilt)));

    if (!bPdf) {
        QVERIFY(!cInstalled.out.isEmpty());
        QCOMPARE(cInstalled.out, cBuilt.out);
        return;
    }
    const QStringList installedPages = PdfText::pageTexts(m_dir.filePath(QStringLiteral("installed.pdf")));
    QVERIFY(installedPages.size() > 1);
    QCOMPARE(installedPages, PdfText::pageTexts(m_dir.filePath(QStringLiteral("built.pdf"))));
}

QTEST_MAIN(TestPackage)
#include "tst_package.moc"
