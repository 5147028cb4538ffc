// The viewer's start with a large project: time from the start of a fresh
// process until the main window shows the tree of 100,000 events and has
// painted it, offscreen; then also with every section expanded. Baselines in the
// same run: the same start without a project, and a bare pass of the
// settings class over the project's files.
//   bench_viewer [--project DIR] [--sections N] [--events N] [--rounds N]
// Without --project a project of 1,000 x 100 is generated, with its
// installation. The child mode (--child) is the measured viewer itself.
#include "ProjectGenerator.h"

#include "app/CApplicationContext.h"
#include "storage/CurrentProject.h"
#include "ui/CAppMainWindow.h"
#include "ui/CProjectTreeModel.h"
#include "ui/CViewerSettings.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {
// The viewer as the entry function makes it, opening sProject (none when
// empty): the tree as it first shows (project open, sections closed),
// painted; then every section expanded and painted. Prints the
// milliseconds since main() for each.
int runChild(int argc, char *argv[], const QString &sInstallation, const QString &sProject)
{
    QElapsedTimer timer;
    timer.start();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(CViewerSettings::organizationName());
    QApplication::setApplicationName(CViewerSettings::applicationName());
    // Never the user's own recent projects or window layout.
    QStandardPaths::setTestModeEnabled(true);
    CApplicationContext::setInstance(new CApplicationContext(sInstallation, QStringLiteral("en_GB")));
    auto *cWindow = new CAppMainWindow();
    CAppMainWindow::setInstance(cWindow);
    cWindow->resize(1280, 1024);
    cWindow->showMainWindow();
    if (!sProject.isEmpty())
        cWindow->openProjectAt(sProject);
    QCoreApplication::processEvents();
    cWindow->grab(); // painted once, the tree included
    const qint64 iShown = timer.elapsed();
    int iEvents = 0;
    if (currentRuntimeData()) {
        cWindow->tvProject->expandAll();
        iEvents = cWindow->tvProject->treeModel()->eventCount();
    }
    QCoreApplication::processEvents();
    cWindow->grab();
    const qint64 iExpanded = timer.elapsed();
    std::printf("child: shown %lld ms, expanded %lld ms, events %d\n", static_cast<long long>(iShown),
                static_cast<long long>(iExpanded), iEvents);
    std::fflush(stdout);
    delete cWindow;
    CApplicationContext::destroyInstance();
    return 0;
}

struct Start
{
    qint64 iShown = -1;    // from the process start until the tree shows
    qint64 iExpanded = -1; // until the whole tree is expanded
    int iEvents = 0;
};

// Spawns the child; the time of its process start is taken here, the rest
// is what the child reports after its main() began plus the time to it.
Start timeChild(const QString &sInstallation, const QString &sProject)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), sInstallation, sProject});
    Start start;
    QByteArray output;
    while (!output.contains('\n') && process.waitForReadyRead(120000))
        output += process.readAll();
    const qint64 iAtLine = timer.elapsed();
    process.waitForFinished(60000);
    // "child: shown S ms, expanded E ms, events N"
    const QList<QByteArray> words = output.simplified().split(' ');
    if (words.size() < 9 || words.at(0) != "child:")
        return start;
    const qint64 iExpandedInChild = words.at(5).toLongLong();
    // The child's own clock starts after the process has been loaded.
    const qint64 iLoading = std::max<qint64>(0, iAtLine - iExpandedInChild);
    start.iShown = iLoading + words.at(2).toLongLong();
    start.iExpanded = iAtLine;
    start.iEvents = words.at(8).toInt();
    return start;
}

qint64 bareSettingsPass(const QString &sDirectory)
{
    QStringList files{sDirectory + QStringLiteral("/project.dat"), sDirectory + QStringLiteral("/segments.dat")};
    QDirIterator it(sDirectory, {QStringLiteral("*.evtdat")}, QDir::Files);
    while (it.hasNext())
        files << it.next();
    QElapsedTimer timer;
    timer.start();
    qint64 iValues = 0;
    for (const QString &sPath : files) {
        QSettings settings(sPath, QSettings::IniFormat);
        for (const QString &sGroup : settings.childGroups()) {
            settings.beginGroup(sGroup);
            for (const QString &sKey : settings.allKeys())
                iValues += settings.value(sKey).isValid() ? 1 : 0;
            settings.endGroup();
        }
    }
    return iValues > 0 ? timer.elapsed() : -1;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 3 && QByteArray(argv[1]) == "--child")
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]),
                        argc >= 4 ? QString::fromLocal8Bit(argv[3]) : QString());

    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    ProjectGenerator::Options options;
    options.sCatalog = QStringLiteral("BENCH-VIEWER");
    QString sProject;
    int iRounds = 3;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString &sArg = args.at(i);
        if (sArg == QLatin1String("--project"))
            sProject = args.at(i + 1);
        else if (sArg == QLatin1String("--sections"))
            options.iSections = args.at(i + 1).toInt();
        else if (sArg == QLatin1String("--events"))
            options.iEventsPerSection = args.at(i + 1).toInt();
        else if (sArg == QLatin1String("--rounds"))
            iRounds = std::max(1, args.at(i + 1).toInt());
        else {
            std::fprintf(stderr, "usage: bench_viewer [--project DIR] [--sections N] [--events N] [--rounds N]\n");
            return 2;
        }
    }
    QTemporaryDir tmp;
    if (!tmp.isValid())
        return 1;
    const QString sInstallation = tmp.filePath(QStringLiteral("installation"));
    if (!ProjectGenerator::writeInstallation(sInstallation, options.sCatalog))
        return 1;
    if (sProject.isEmpty()) {
        sProject = tmp.filePath(QStringLiteral("project"));
        if (ProjectGenerator::writeProject(sProject, options) < 0)
            return 1;
    }

    qint64 iBare = bareSettingsPass(sProject); // also warms the file cache
    Start best;
    Start alone;
    for (int iRound = 0; iRound < iRounds; ++iRound) {
        const Start none = timeChild(sInstallation, QString());
        const Start full = timeChild(sInstallation, sProject);
        if (none.iShown < 0 || full.iShown < 0) {
            std::fprintf(stderr, "bench_viewer: the viewer did not settle\n");
            return 1;
        }
        if (alone.iShown < 0 || none.iShown < alone.iShown)
            alone = none;
        if (best.iShown < 0 || full.iShown < best.iShown)
            best = full;
        std::printf("round %d: viewer alone %lld ms; with the project: tree shown %lld ms, all expanded %lld ms\n",
                    iRound + 1, static_cast<long long>(none.iShown), static_cast<long long>(full.iShown),
                    static_cast<long long>(full.iExpanded));
        std::fflush(stdout);
    }
    iBare = std::min(iBare, bareSettingsPass(sProject));
    std::printf("best of %d, times from the process start, offscreen:\n", iRounds);
    std::printf("  viewer without a project: %lld ms\n", static_cast<long long>(alone.iShown));
    std::printf("  viewer with the tree of %d events shown: %lld ms (target 1000 ms: %s)\n", best.iEvents,
                static_cast<long long>(best.iShown), best.iShown <= 1000 ? "met" : "missed");
    std::printf("  the same with every section expanded: %lld ms\n", static_cast<long long>(best.iExpanded));
    std::printf("  the project's share %lld ms; bare settings pass over its files %lld ms; ratio %.3f\n",
                static_cast<long long>(best.iShown - alone.iShown), static_cast<long long>(iBare),
                iBare > 0 ? double(best.iShown - alone.iShown) / double(iBare) : 0.0);
    return 0;
}
