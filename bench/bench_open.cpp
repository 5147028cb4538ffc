// Opens and closes a large project through the persistence facade, walks
// every value of the same files through CIniReader and, in the same run,
// reads them in a bare pass of the settings class, the baseline.
//   bench_open [--project DIR] [--sections N] [--events N]
//              [--section-properties N] [--event-properties N] [--rounds N]
//              [--threads N]   (event file threads, 0: one per core)
//              [--only facade|reader|bare]   (one side alone, for a profiler)
//   bench_open --matrix [--rounds N]
// Without --project a project of the given size is generated into a
// temporary directory, with a matching installation. --matrix runs each side
// alone in a process of its own (so each peak memory is its own) for
// 1,000 x 100, 100 x 1,000 and 10,000 x 10 sections x events.
#include "ProjectGenerator.h"

#include "app/CApplicationContext.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionSegment.h"
#include "storage/CBasePersistenceFacade.h"
#include "storage/CIniReader.h"
#include "storage/CProjectFileReader.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/IPersistenceFacade.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <malloc.h>
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

qint64 readerLevel(CIniReader &reader)
{
    qint64 iValues = 0;
    const QStringList keys = reader.childKeys();
    for (const QString &sKey : keys) {
        if (reader.value(sKey).isValid())
            ++iValues;
    }
    return iValues;
}

// Every value of every group of every file, through CIniReader: keys of the
// group, and every element of each array in it.
qint64 readerPass(const QStringList &files, qint64 &iEvents)
{
    qint64 iValues = 0;
    iEvents = 0;
    for (const QString &sPath : files) {
        CIniReader reader(sPath);
        const QStringList groups = reader.childGroups();
        if (sPath.endsWith(QLatin1String(".evtdat")))
            iEvents += groups.size();
        for (const QString &sGroup : groups) {
            reader.beginGroup(sGroup);
            iValues += readerLevel(reader);
            const QStringList arrays = reader.childGroups();
            for (const QString &sArray : arrays) {
                const int iSize = reader.beginReadArray(sArray);
                for (int i = 0; i < iSize; ++i) {
                    reader.setArrayIndex(i);
                    iValues += readerLevel(reader);
                }
                reader.endArray();
            }
            reader.endGroup();
        }
    }
    return iValues;
}

// Heap bytes a reader holds for the largest file, against its size.
void printReaderMemory(const QStringList &files)
{
    QString sLargest;
    qint64 iLargest = -1;
    for (const QString &sPath : files) {
        const qint64 iSize = QFileInfo(sPath).size();
        if (iSize > iLargest) {
            iLargest = iSize;
            sLargest = sPath;
        }
    }
    if (iLargest <= 0)
        return;
    const size_t uBefore = mallinfo2().uordblks + mallinfo2().hblkhd;
    size_t uHeld = 0;
    {
        CIniReader reader(sLargest);
        uHeld = mallinfo2().uordblks + mallinfo2().hblkhd - uBefore;
    }
    const size_t uAfter = mallinfo2().uordblks + mallinfo2().hblkhd;
    std::printf("reader memory for the largest file (%s, %lld bytes): %zu bytes held (%.2fx the file), %lld bytes "
                "left after it\n",
                qPrintable(QFileInfo(sLargest).fileName()), static_cast<long long>(iLargest), uHeld,
                double(uHeld) / double(iLargest), static_cast<long long>(uAfter) - static_cast<long long>(uBefore));
}

struct Figures
{
    qint64 iMs = -1;
    long lPeakKb = -1;
};

// Runs this program for one side alone and reads its best time and peak.
Figures runSide(const QString &sProject, const QString &sSide, int iRounds)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--project"), sProject, QStringLiteral("--only"), sSide, QStringLiteral("--rounds"),
                   QString::number(iRounds)});
    Figures figures;
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return figures;
    const QString sOut = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QRegularExpressionMatch time =
        QRegularExpression(QStringLiteral("best of \\d+: %1 (\\d+) ms").arg(sSide)).match(sOut);
    const QRegularExpressionMatch peak =
        QRegularExpression(QStringLiteral("peak memory \\(ru_maxrss\\): (\\d+) kB")).match(sOut);
    if (time.hasMatch())
        figures.iMs = time.captured(1).toLongLong();
    if (peak.hasMatch())
        figures.lPeakKb = peak.captured(1).toLong();
    return figures;
}

int runMatrix(int iRounds)
{
    const struct
    {
        int iSections;
        int iEvents;
    } sizes[] = {{1000, 100}, {100, 1000}, {10000, 10}};
    // Memory in MB of 10^6 bytes, like the project's size; the limit is
    // 1.5 x the bytes + 60 MB.
    std::printf("%-12s %8s | %-18s | %-18s | %-18s | %-11s %-11s | %-8s %-10s\n", "sections x ev", "MB",
                "facade ms / MB", "reader ms / MB", "settings ms / MB", "facade/bare", "reader/bare", "limit MB",
                "peak/limit");
    for (const auto &size : sizes) {
        QTemporaryDir tmp;
        if (!tmp.isValid())
            return 1;
        ProjectGenerator::Options options;
        options.iSections = size.iSections;
        options.iEventsPerSection = size.iEvents;
        const QString sProject = tmp.filePath(QStringLiteral("project"));
        if (ProjectGenerator::writeProject(sProject, options) < 0)
            return 1;
        qint64 iBytes = 0;
        for (const QString &sPath : projectFiles(sProject))
            iBytes += QFileInfo(sPath).size();
        const Figures facade = runSide(sProject, QStringLiteral("facade"), iRounds);
        const Figures reader = runSide(sProject, QStringLiteral("reader"), iRounds);
        const Figures bare = runSide(sProject, QStringLiteral("bare"), iRounds);
        const auto ratio = [&bare](const Figures &figures) {
            return bare.iMs > 0 ? double(figures.iMs) / double(bare.iMs) : 0.0;
        };
        const auto mb = [](long lKb) { return double(lKb) * 1024.0 / 1e6; };
        const double dLimit = 1.5 * double(iBytes) / 1e6 + 60.0;
        std::printf(
            "%5d x %-5d %8.1f | %7lld / %7.1f | %7lld / %7.1f | %7lld / %7.1f | %-11.3f %-11.3f | %8.1f %-10.2f\n",
            size.iSections, size.iEvents, double(iBytes) / 1e6, static_cast<long long>(facade.iMs), mb(facade.lPeakKb),
            static_cast<long long>(reader.iMs), mb(reader.lPeakKb), static_cast<long long>(bare.iMs), mb(bare.lPeakKb),
            ratio(facade), ratio(reader), dLimit, mb(facade.lPeakKb) / dLimit);
        std::fflush(stdout);
    }
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        std::printf("usage: bench_open [--project DIR] [--sections N] [--events N] [--section-properties N]\n"
                    "                  [--event-properties N] [--rounds N] [--threads N]\n"
                    "                  [--only facade|reader|bare]\n"
                    "       bench_open --matrix [--rounds N]\n"
                    "Without --project a project of the given size is generated into a temporary directory.\n"
                    "--matrix measures each side alone for 1000 x 100, 100 x 1000 and 10000 x 10.\n");
        return 0;
    }
    if (args.contains(QLatin1String("--matrix"))) {
        const qsizetype iRounds = args.indexOf(QLatin1String("--rounds"));
        return runMatrix(iRounds > 0 && iRounds + 1 < args.size() ? std::max(1, args.at(iRounds + 1).toInt()) : 2);
    }
    ProjectGenerator::Options options;
    QString sProject;
    int iRounds = 2;
    int iThreads = 0;
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
        else if (sArg == QLatin1String("--threads"))
            iThreads = std::max(0, iValue);
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
        std::printf("generated %d x %d (%d/%d properties) in %lld ms\n", options.iSections, options.iEventsPerSection,
                    options.iSectionProperties, options.iEventProperties, static_cast<long long>(timer.elapsed()));
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
    if (auto *cBase = dynamic_cast<CBasePersistenceFacade *>(cFacade))
        cBase->setLoadThreadCount(iThreads);
    std::printf("event files read on %d threads\n",
                CProjectFileReader::threadCount(ProjectLoadOptions{iThreads, nullptr}));

    struct Side
    {
        const char *pszName;
        qint64 iMs = std::numeric_limits<qint64>::max();
        qint64 iCpuMs = std::numeric_limits<qint64>::max();
        qint64 iEvents = 0;
        long lPeakKb = 0;
        bool bRun = false;
    };
    Side facade{"facade"};
    Side reader{"reader"};
    Side bare{"bare"};
    facade.bRun = sOnly.isEmpty() || sOnly == QLatin1String("facade");
    reader.bRun = sOnly.isEmpty() || sOnly == QLatin1String("reader");
    bare.bRun = sOnly.isEmpty() || sOnly == QLatin1String("bare");
    if (!facade.bRun && !reader.bRun && !bare.bRun) {
        std::fprintf(stderr, "bench_open: --only takes facade, reader or bare\n");
        return 2;
    }

    if (reader.bRun)
        printReaderMemory(files);
    qint64 iCloseMs = std::numeric_limits<qint64>::max();
    for (int iRound = 0; iRound < iRounds; ++iRound) {
        const auto measure = [](Side &side, const auto &pass) {
            if (!side.bRun)
                return true;
            QElapsedTimer timer;
            timer.start();
            const qint64 iCpuStart = cpuMs();
            if (!pass(side.iEvents))
                return false;
            side.iMs = std::min(side.iMs, timer.elapsed());
            side.iCpuMs = std::min(side.iCpuMs, cpuMs() - iCpuStart);
            return true;
        };
        // Closing is timed on its own: the target is the open.
        CProjectRuntimeData *cData = nullptr;
        const bool bOk = measure(facade, [&](qint64 &iEvents) {
            const int iCode = cFacade->openProject(sProject, cData);
            if (iCode != 0 || !cData || !cData->corvaneProject()) {
                std::fprintf(stderr, "bench_open: openProject gave %d\n", iCode);
                return false;
            }
            iEvents = 0;
            const CCorvaneProject *cProject = cData->corvaneProject();
            for (int s = 0; s < cProject->sectionCount(); ++s)
                iEvents += cProject->sectionAt(s)->events()->count();
            // The project's own memory: the peak while it is open.
            facade.lPeakKb = std::max(facade.lPeakKb, peakRssKb());
            return true;
        });
        if (!bOk)
            return 1;
        if (cData) {
            QElapsedTimer closeTimer;
            closeTimer.start();
            cFacade->closeProject(cData);
            cData = nullptr;
            iCloseMs = std::min(iCloseMs, closeTimer.elapsed());
        }
        measure(reader, [&](qint64 &iEvents) {
            readerPass(files, iEvents);
            reader.lPeakKb = std::max(reader.lPeakKb, peakRssKb());
            return true;
        });
        measure(bare, [&](qint64 &iEvents) {
            barePass(files, iEvents);
            bare.lPeakKb = std::max(bare.lPeakKb, peakRssKb());
            return true;
        });
        std::printf("round %d:", iRound + 1);
        for (const Side *side : {&facade, &reader, &bare}) {
            if (side->bRun)
                std::printf(" %s %lld ms (cpu %lld ms)", side->pszName, static_cast<long long>(side->iMs),
                            static_cast<long long>(side->iCpuMs));
        }
        std::printf("\n");
    }
    CApplicationContext::destroyInstance();

    std::printf("files: %lld, bytes read: %lld (%.1f MB)\n", static_cast<long long>(files.size()),
                static_cast<long long>(iBytes), double(iBytes) / 1e6);
    for (const Side *side : {&facade, &reader, &bare}) {
        if (!side->bRun)
            continue;
        std::printf("best of %d: %s %lld ms (%.1f MB/s), cpu %lld ms, events %lld, peak memory after it %ld kB\n",
                    iRounds, side->pszName, static_cast<long long>(side->iMs),
                    side->iMs ? double(iBytes) / 1e3 / double(side->iMs) : 0.0, static_cast<long long>(side->iCpuMs),
                    static_cast<long long>(side->iEvents), side->lPeakKb);
    }
    if (facade.bRun) {
        std::printf("facade close (not in the open's time): %lld ms\n", static_cast<long long>(iCloseMs));
        const double dLimitMb = 1.5 * double(iBytes) / 1e6 + 60.0;
        const double dPeakMb = double(facade.lPeakKb) * 1024.0 / 1e6;
        std::printf("facade peak %.1f MB against 1.5 x bytes + 60 MB = %.1f MB: %.2f of it\n", dPeakMb, dLimitMb,
                    dPeakMb / dLimitMb);
    }
    if (bare.bRun && bare.iMs > 0) {
        if (facade.bRun)
            std::printf("ratio facade / bare settings pass: %.3f (cpu %.3f)\n", double(facade.iMs) / double(bare.iMs),
                        double(facade.iCpuMs) / double(std::max<qint64>(1, bare.iCpuMs)));
        if (reader.bRun)
            std::printf("ratio reader / bare settings pass: %.3f (cpu %.3f)\n", double(reader.iMs) / double(bare.iMs),
                        double(reader.iCpuMs) / double(std::max<qint64>(1, bare.iCpuMs)));
    }
    // ru_maxrss only grows: with all sides in one process, run --matrix for
    // each side's own peak.
    std::printf("peak memory (ru_maxrss): %ld kB\n", peakRssKb());
    const bool bEventsAgree = (!facade.bRun || !bare.bRun || facade.iEvents == bare.iEvents)
                              && (!reader.bRun || !bare.bRun || reader.iEvents == bare.iEvents);
    return bEventsAgree ? 0 : 1;
}
