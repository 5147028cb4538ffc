// Opens and closes a large project through the persistence facade and, in
// the same run, reads the same files in a bare pass of the settings class,
// the floor any reader built on it can reach.
//   bench_open [--project DIR] [--sections N] [--events N]
//              [--section-properties N] [--event-properties N] [--rounds N]
//              [--only facade|bare]   (one side alone, for a profiler)
// Without --project a project of the given size is generated into a
// temporary directory, with a matching installation.
#include "ProjectGenerator.h"

#include "app/CApplicationContext.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionSegment.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/IPersistenceFacade.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {
long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// User plus system CPU time of the process: steadier than wall time on a
// machine that is busy with other work.
qint64 cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000
           + (qint64(usage.ru_utime.tv_usec) + usage.ru_stime.tv_usec) / 1000;
}

QStringList projectFiles(const QString &sDirectory)
{
    QStringList files;
    files << sDirectory + QStringLiteral("/project.dat") << sDirectory + QStringLiteral("/segments.dat");
    QDirIterator it(sDirectory, {QStringLiteral("*.evtdat")}, QDir::Files);
    while (it.hasNext())
        files << it.next();
    return files;
}

// Every value of every group of every file, through the settings class.
qint64 barePass(const QStringList &files, qint64 &iEvents)
{
    qint64 iValues = 0;
    iEvents = 0;
    for (const QString &sPath : files) {
        QSettings settings(sPath, QSettings::IniFormat);
        const QStringList groups = settings.childGroups();
        if (sPath.endsWith(QLatin1String(".evtdat")))
            iEvents += groups.size();
        for (const QString &sGroup : groups) {
            settings.beginGroup(sGroup);
            const QStringList keys = settings.allKeys();
            for (const QString &sKey : keys) {
                if (settings.value(sKey).isValid())
                    ++iValues;
            }
            settings.endGroup();
        }
    }
    return iValues;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        std::printf("usage: bench_open [--project DIR] [--sections N] [--events N] [--section-properties N]\n"
                    "                  [--event-properties N] [--rounds N] [--only facade|bare]\n"
                    "Without --project a project of the given size is generated into a temporary directory.\n");
        return 0;
    }
    ProjectGenerator::Options options;
    QString sProject;
    int iRounds = 2;
    QString sOnly;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString &sArg = args.at(i);
        const int iValue = args.at(i + 1).toInt();
        if (sArg == QLatin1String("--project"))
            sProject = args.at(i + 1);
        else if (sArg == QLatin1String("--sections"))
            options.iSections = iValue;
        else if (sArg == QLatin1String("--events"))
            options.iEventsPerSection = iValue;
        else if (sArg == QLatin1String("--section-properties"))
            options.iSectionProperties = iValue;
        else if (sArg == QLatin1String("--event-properties"))
            options.iEventProperties = iValue;
        else if (sArg == QLatin1String("--only"))
            sOnly = args.at(i + 1);
        else if (sArg == QLatin1String("--rounds"))
            iRounds = std::max(1, iValue);
        else {
            std::fprintf(stderr, "bench_open: unknown argument %s\n", qPrintable(sArg));
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
        QElapsedTimer timer;
        timer.start();
        if (ProjectGenerator::writeProject(sProject, options) < 0)
            return 1;
        std::printf("generated %d x %d (%d/%d properties) in %lld ms\n", options.iSections,
                    options.iEventsPerSection, options.iSectionProperties, options.iEventProperties,
                    static_cast<long long>(timer.elapsed()));
    }

    const QStringList files = projectFiles(sProject);
    qint64 iBytes = 0;
    for (const QString &sPath : files) {
        // Reading each file once also puts every run on a warm file cache.
        QFile file(sPath);
        if (file.open(QIODevice::ReadOnly))
            iBytes += file.readAll().size();
    }

    CApplicationContext::setInstance(new CApplicationContext(sInstallation, QStringLiteral("en_US")));
    IPersistenceFacade *cFacade = CApplicationContext::instance()->persistenceFacade();

    qint64 iFacadeMs = std::numeric_limits<qint64>::max();
    qint64 iBareMs = std::numeric_limits<qint64>::max();
    qint64 iFacadeCpuMs = std::numeric_limits<qint64>::max();
    qint64 iBareCpuMs = std::numeric_limits<qint64>::max();
    qint64 iFacadeEvents = 0;
    qint64 iBareEvents = 0;
    long lFacadePeakKb = 0;
    for (int iRound = 0; iRound < iRounds; ++iRound) {
        QElapsedTimer timer;
        timer.start();
        qint64 iCpuStart = cpuMs();
        if (sOnly == QLatin1String("bare")) {
            barePass(files, iBareEvents);
            iBareMs = std::min(iBareMs, timer.elapsed());
            iBareCpuMs = std::min(iBareCpuMs, cpuMs() - iCpuStart);
            continue;
        }
        CProjectRuntimeData *cData = nullptr;
        const int iCode = cFacade->openProject(sProject, cData);
        if (iCode != 0 || !cData || !cData->corvaneProject()) {
            std::fprintf(stderr, "bench_open: openProject gave %d\n", iCode);
            return 1;
        }
        iFacadeEvents = 0;
        const CCorvaneProject *cProject = cData->corvaneProject();
        for (int s = 0; s < cProject->sectionCount(); ++s)
            iFacadeEvents += cProject->sectionAt(s)->events()->count();
        lFacadePeakKb = std::max(lFacadePeakKb, peakRssKb());
        cFacade->closeProject(cData);
        const qint64 iFacadeRoundMs = timer.elapsed();
        const qint64 iFacadeRoundCpuMs = cpuMs() - iCpuStart;
        iFacadeMs = std::min(iFacadeMs, iFacadeRoundMs);
        iFacadeCpuMs = std::min(iFacadeCpuMs, iFacadeRoundCpuMs);

        if (sOnly == QLatin1String("facade"))
            continue;
        timer.restart();
        iCpuStart = cpuMs();
        barePass(files, iBareEvents);
        const qint64 iBareRoundMs = timer.elapsed();
        const qint64 iBareRoundCpuMs = cpuMs() - iCpuStart;
        iBareMs = std::min(iBareMs, iBareRoundMs);
        iBareCpuMs = std::min(iBareCpuMs, iBareRoundCpuMs);
        std::printf("round %d: facade open+close %lld ms (cpu %lld ms), bare settings pass %lld ms (cpu %lld ms)\n",
                    iRound + 1, static_cast<long long>(iFacadeRoundMs), static_cast<long long>(iFacadeRoundCpuMs),
                    static_cast<long long>(iBareRoundMs), static_cast<long long>(iBareRoundCpuMs));
    }
    CApplicationContext::destroyInstance();

    const double dRatio = iBareMs > 0 ? double(iFacadeMs) / double(iBareMs) : 0.0;
    const double dCpuRatio = iBareCpuMs > 0 ? double(iFacadeCpuMs) / double(iBareCpuMs) : 0.0;
    std::printf("files: %lld, bytes read: %lld (%.1f MB)\n", static_cast<long long>(files.size()),
                static_cast<long long>(iBytes), double(iBytes) / 1e6);
    std::printf("events: facade %lld, bare pass %lld\n", static_cast<long long>(iFacadeEvents),
                static_cast<long long>(iBareEvents));
    std::printf("best of %d: facade %lld ms (%.1f MB/s), bare settings pass %lld ms (%.1f MB/s), ratio %.2f\n",
                iRounds, static_cast<long long>(iFacadeMs), iFacadeMs ? double(iBytes) / 1e3 / double(iFacadeMs) : 0.0,
                static_cast<long long>(iBareMs), iBareMs ? double(iBytes) / 1e3 / double(iBareMs) : 0.0, dRatio);
    std::printf("best cpu time: facade %lld ms, bare settings pass %lld ms, ratio %.2f\n",
                static_cast<long long>(iFacadeCpuMs), static_cast<long long>(iBareCpuMs), dCpuRatio);
    std::printf("peak memory (ru_maxrss): %ld kB with the project open, %ld kB at the end\n", lFacadePeakKb,
                peakRssKb());
    return sOnly.isEmpty() && iFacadeEvents != iBareEvents ? 1 : 0;
}
