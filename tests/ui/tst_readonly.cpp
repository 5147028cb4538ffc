// The program only reads projects. The viewer opens the demo project and a
// hostile one, shows every item of the tree, writes a report with photos
// from the dialog, and corvane-cli writes one too; afterwards the project
// directory is byte-, size-, mode- and time-identical, nothing was added,
// and (under strace, where it is installed) the cli opened nothing below
// the project for writing.

#include "CliRunner.h"
#include "DirectoryState.h"
#include "TestHelpers.h"
#include "WidgetLookup.h"
#include "app/CApplicationContext.h"
#include "storage/CurrentProject.h"
#include "ui/CAppMainWindow.h"
#include "ui/CPrintoutSettingsDialog.h"
#include "ui/CProjectTreeView.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

bool copyTree(const QString &sSource, const QString &sTarget)
{
    QDirIterator it(sSource, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sPath = it.next();
        const QString sTargetPath = sTarget + QLatin1Char('/') + QDir(sSource).relativeFilePath(sPath);
        if (!QDir().mkpath(QFileInfo(sTargetPath).absolutePath()) || !QFile::copy(sPath, sTargetPath))
            return false;
    }
    return true;
}

bool append(const QString &sPath, const QByteArray &data)
{
    QFile file(sPath);
    return file.open(QIODevice::Append) && file.write(data) == data.size();
}

// The demo project turned hostile: a photo that is a link out of the
// project, one that is a pipe, an event file that is a directory, a value
// nested far too deep, a logo text that is a link out, and a section whose
// inclination file names the parent directory.
bool makeHostile(const QString &sProject, const QString &sOutside)
{
    const QString sPhotos = sProject + QStringLiteral("/Photos/");
    QByteArray nested;
    for (int i = 0; i < 5000; ++i)
        nested += "\\0\\0\\0\\t\\0\\0\\0\\x1";
    return QDir().mkpath(sOutside)
           && QFile::rename(sPhotos + QStringLiteral("5_0077.jpg"), sOutside + QStringLiteral("/p.jpg"))
           && QFile::link(sOutside + QStringLiteral("/p.jpg"), sPhotos + QStringLiteral("5_0077.jpg"))
           && QFile::remove(sPhotos + QStringLiteral("5_0078.jpg"))
           && ::mkfifo(QFile::encodeName(sPhotos + QStringLiteral("5_0078.jpg")).constData(), 0600) == 0
           && QFile::remove(sProject + QStringLiteral("/7.evtdat"))
           && QDir().mkdir(sProject + QStringLiteral("/7.evtdat"))
           && append(sProject + QStringLiteral("/project.dat"), "\n[projectdata]\nunused=@Variant(" + nested + ")\n")
           && QFile::rename(sProject + QStringLiteral("/logo.txt"), sOutside + QStringLiteral("/logo.txt"))
           && QFile::link(sOutside + QStringLiteral("/logo.txt"), sProject + QStringLiteral("/logo.txt"))
           && append(sProject + QStringLiteral("/segments.dat"), "\n[12]\ninclinationfile=..\n");
}

// The opening calls below sDirectory with a flag that writes, creates or
// truncates.
QStringList writtenBelow(const QList<TestHelpers::OpenCall> &calls, const QString &sDirectory)
{
    QStringList hits;
    const QString sCanonical = QFileInfo(sDirectory).canonicalFilePath();
    for (const TestHelpers::OpenCall &call : calls) {
        if (!call.sPath.startsWith(sDirectory) && !call.sPath.startsWith(sCanonical))
            continue;
        for (const char *pFlag : {"creat(", "O_WRONLY", "O_RDWR", "O_CREAT", "O_TRUNC"}) {
            if (call.sCall.contains(QLatin1String(pFlag)))
                hits << call.sCall;
        }
    }
    return hits;
}

} // namespace

class TestReadOnly : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void projectStaysUntouched_data();
    void projectStaysUntouched();

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_config;
};

void TestReadOnly::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
    QApplication::setQuitOnLastWindowClosed(false);
    CApplicationContext::setInstance(new CApplicationContext(TestHelpers::installDir(), QStringLiteral("en_GB")));
    QVERIFY(m_dir.isValid());
    QVERIFY(QFile::exists(TestHelpers::demoProjectDir() + QStringLiteral("/project.dat")));
}

void TestReadOnly::projectStaysUntouched_data()
{
    QTest::addColumn<bool>("bHostile");
    QTest::newRow("demo project") << false;
    QTest::newRow("hostile project") << true;
}

void TestReadOnly::projectStaysUntouched()
{
    QFETCH(bool, bHostile);
    const QString sCase = bHostile ? QStringLiteral("hostile") : QStringLiteral("demo");
    const QString sProject = m_dir.filePath(sCase + QStringLiteral("/project"));
    QVERIFY(copyTree(TestHelpers::demoProjectDir(), sProject));
    if (bHostile)
        QVERIFY(makeHostile(sProject, m_dir.filePath(sCase + QStringLiteral("/outside"))));
    // Times older than now, so a touch would show.
    QTest::qWait(20);
    const QByteArray before = TestHelpers::directoryState(sProject);

    {
        CAppMainWindow window;
        window.showMainWindow();
        window.handleCommandLine(QStringLiteral("/start_path=") + sProject);
        QVERIFY(currentRuntimeData());
        // Every item of the tree, so every photo and video is looked at.
        auto *cTree = child<CProjectTreeView>(window, "tvProject");
        int iItems = 0;
        const QAbstractItemModel *cModel = cTree->model();
        std::function<void(const QModelIndex &)> selectAll = [&](const QModelIndex &cParent) {
            for (int i = 0; i < cModel->rowCount(cParent); ++i) {
                const QModelIndex cIndex = cModel->index(i, 0, cParent);
                cTree->setCurrentIndex(cIndex);
                QCoreApplication::processEvents();
                ++iItems;
                selectAll(cIndex);
            }
        };
        selectAll(QModelIndex());
        QVERIFY(iItems > 10);

        // A report with three photos per page from the dialog.
        const QString sPdf = m_dir.filePath(sCase + QStringLiteral("/dialog.pdf"));
        bool bWritten = false;
        QTimer::singleShot(100, &window, [&]() {
            CPrintoutSettingsDialog *cDialog = CPrintoutSettingsDialog::existingInstance();
            QVERIFY(cDialog);
            cDialog->setSaveFileNameProvider(
                [&](QWidget *, const QString &, const QString &, const QString &) { return sPdf; });
            QSignalSpy cSpy(cDialog, &CPrintoutSettingsDialog::reportWritten);
            cDialog->findChild<QRadioButton *>(QStringLiteral("rbThreePhotosPerPage"))->setChecked(true);
            cDialog->findChild<QPushButton *>(QStringLiteral("btnCreateReport"))->click();
            bWritten = cSpy.count() == 1;
            cDialog->findChild<QPushButton *>(QStringLiteral("btnClose"))->click();
        });
        child<QAction>(window, "actionCreateReport")->trigger();
        QVERIFY(bWritten);
        QVERIFY(QFileInfo(sPdf).size() > 0);
    }

    // The same from the cli, traced where strace is installed.
    const QString sPdf = m_dir.filePath(sCase + QStringLiteral("/cli.pdf"));
    const QStringList args = {
        QStringLiteral("report"), sProject, QStringLiteral("-o"), sPdf, QStringLiteral("--photos"), QStringLiteral("3"),
        QStringLiteral("--quiet")};
    QList<TestHelpers::OpenCall> calls;
    const CliRun run = TestHelpers::runCliTraced(args, m_dir.filePath(sCase + QStringLiteral("/cli.trace")), &calls);
    QVERIFY2(run.bNormalExit && run.iExitCode == 0, run.err.constData());
    if (TestHelpers::canTrace()) {
        QVERIFY(!calls.isEmpty());
        const QStringList written = writtenBelow(calls, sProject);
        QVERIFY2(written.isEmpty(), qPrintable(written.join(QLatin1Char('\n'))));
    }
    QVERIFY(QFileInfo(sPdf).size() > 0);

    QCOMPARE(TestHelpers::directoryState(sProject), before);
}

QTEST_MAIN(TestReadOnly)
#include "tst_readonly.moc"
