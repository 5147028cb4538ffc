// The viewer's start with a large project: time from the start of a fresh
// process until the main window shows the whole tree of 100,000 events
// (every section expanded) and has painted it, offscreen. Baselines in the
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
// The viewer as the entry function makes it, opening sProject, then the
// whole tree expanded and painted. Prints the milliseconds since main().
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
    const qint64 iShown = timer.elapsed();
    cWindow->openProjectAt(sProject);
    const qint64 iOpened = timer.elapsed();
    int iEvents = 0;
    if (currentRuntimeData()) {
        cWindow->tvProject->expandAll();
        iEvents = cWindow->tvProject->treeModel()->eventCount();
    }
    QCoreApplication::processEvents();
    cWindow->grab(); // painted once, the tree included
    const qint64 iSettled = timer.elapsed();
    std::printf("child: window %lld ms, open %lld ms, settled %lld ms, events %d\n", static_cast<long long>(iShown),
                static_cast<long long>(iOpened), static_cast<long long>(iSettled), iEvents);
    std::fflush(stdout);
    delete cWindow;
    CApplicationContext::destroyInstance();
    return 0;
}

// Spawns the child and measures from the start of the process to the line
// it prints when settled.
qint64 timeChild(const QString &sInstallation, const QString &sProject, int &iEvents)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--child"), sInstallation, sProject});
    qint64 iSettled = -1;
    while (process.waitForReadyRead(60000)) {
        const QByteArray line = process.readAll();
        if (line.contains("settled")) {
            iSettled = timer.elapsed();
            const qsizetype iAt = line.indexOf("events ");
            iEvents = iAt >= 0 ? line.mid(iAt + 7).trimmed().toInt() : 0;
            break;
        }
    }
    process.waitForFinished(60000);
    return iSettled;
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
    if (argc == 4 && QByteArray(argv[1]) == "--child")
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));

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
    const QString sEmpty = tmp.filePath(QStringLiteral("empty"));
    QDir().mkpath(sEmpty);

    qint64 iBare = bareSettingsPass(sProject); // also warms the file cache
    qint64 iAlone = std::numeric_limits<qint64>::max();
    qint64 iWithProject = std::numeric_limits<qint64>::max();
    int iEvents = 0;
    for (int iRound = 0; iRound < iRounds; ++iRound) {
        int iNone = 0;
        const qint64 iStart = timeChild(sInstallation, sEmpty, iNone);
        const qint64 iFull = timeChild(sInstallation, sProject, iEvents);
        if (iStart < 0 || iFull < 0) {
            std::fprintf(stderr, "bench_viewer: the viewer did not settle\n");
            return 1;
        }
        iAlone = std::min(iAlone, iStart);
        iWithProject = std::min(iWithProject, iFull);
        std::printf("round %d: viewer alone %lld ms, with the project %lld ms\n", iRound + 1,
                    static_cast<long long>(iStart), static_cast<long long>(iFull));
        std::fflush(stdout);
    }
    iBare = std::min(iBare, bareSettingsPass(sProject));
    std::printf("best of %d: events in the tree %d\n", iRounds, iEvents);
    std::printf("viewer start without a project: %lld ms\n", static_cast<long long>(iAlone));
    std::printf("viewer start until the whole tree shows: %lld ms (target 1000 ms: %s)\n",
                static_cast<long long>(iWithProject), iWithProject <= 1000 ? "met" : "missed");
    std::printf("the project's share: %lld ms; bare settings pass over its files: %lld ms; ratio %.3f\n",
                static_cast<long long>(iWithProject - iAlone), static_cast<long long>(iBare),
                iBare > 0 ? double(iWithProject - iAlone) / double(iBare) : 0.0);
    return 0;
}
