// Report benchmark: the full report (protocol and photos at three per page)
// of a synthetic project with one 1280 x 960 JPEG per event, against a bare
// decode and smooth scale of the same photos to the size the report prints
// them at, in the same run.
//
//   bench_report [--sections N] [--events M] [--keep DIR]
//
// Prints pages per second, the time per photo against the bare decode and
// scale (their ratio), and the peak memory of each phase.

#include "metadata/CInspectionStandard.h"
#include "metadata/InspectionStandardLoader.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CProperty.h"
#include "model/CPropertyList.h"
#include "report/ReportJobBuilder.h"
#include "report/ReportRun.h"
#include "report/items/CPicturePrintoutItem.h"
#include "report/layout/CDamageClassList.h"
#include "report/layout/PrintoutLayout.h"
#include "report/layout/PrintoutLayoutReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <sys/resource.h>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

// Peak resident memory since the last reset, in MiB (Linux /proc).
double peakMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1.0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1.0;
}

double currentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1.0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1.0;
}

// Processor time of the whole process (all threads) so far, in seconds: on a
// machine that other work keeps busy, the wall-clock ratio also measures
// the competition; this one does not.
double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Lets the next peakMiB() report the peak of what follows only.
void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// A photo-like picture: gradients, shapes and noise, so that JPEG
// compression does about as much work as on a real camera frame.
QImage makePhoto(int iSeed)
{
    QImage image(1280, 960, QImage::Format_RGB32);
    QRandomGenerator random(static_cast<quint32>(iSeed) + 1);
    for (int y = 0; y < image.height(); ++y) {
        auto *pLine = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int iNoise = random.bounded(24);
            pLine[x] =
                qRgb((x / 5 + iSeed * 13 + iNoise) & 0xff, (y / 4 + iNoise) & 0xff, ((x + y) / 9 + iSeed * 7) & 0xff);
        }
    }
    QPainter painter(&image);
    painter.setPen(QPen(Qt::darkGray, 40));
    painter.setBrush(QColor(60, 50, 40));
    painter.drawEllipse(QPoint(640, 480), 380 + iSeed * 5, 380);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(48);
    painter.setFont(font);
    painter.drawText(QPoint(40, 900), QStringLiteral("Section photo %1").arg(iSeed));
    return image;
}

void addProperty(CPropertyList *pList, int iId, const QString &sValue, const QString &sCode = QString())
{
    auto pProperty = std::make_unique<CProperty>(iId);
    pProperty->setValue(sValue);
    pProperty->setCode(sCode);
    pList->add(std::move(pProperty));
}

std::unique_ptr<CCorvaneProject> makeProject(const QString &sDirectory, int iSections, int iEvents)
{
    auto *pClient = new CPropertyList;
    auto *pOfficer = new CPropertyList;
    auto *pContractor = new CPropertyList;
    addProperty(pClient, 1, QStringLiteral("City of Ostrel"));
    addProperty(pContractor, 1, QStringLiteral("Benchmark Pipe Services"));
    auto pProject = std::make_unique<CCorvaneProject>(pClient, pOfficer, pContractor);
    pProject->setName(QStringLiteral("Report benchmark"));
    pProject->setDirectory(sDirectory);
    pProject->setInspectionStandard(QStringLiteral("OSTREL-DEMO"));
    static const char *const kTexts[] = {
        "Crack, longitudinal at 12 o'clock", "Deposits, attached encrustation, 5 % cross-sectional area reduction",
        "Joint displaced, radially, medium", "Connection, open, at 3 o'clock",
        "Root intrusion, fine, at joint",    "Surface damage, aggregate visible"};
    for (int s = 1; s <= iSections; ++s) {
        auto *pProperties = new CPropertyList;
        addProperty(pProperties, 1, QStringLiteral("MH%1").arg(s, 4, 10, QLatin1Char('0')));
        addProperty(pProperties, 2, QStringLiteral("MH%1").arg(s + 1, 4, 10, QLatin1Char('0')));
        addProperty(pProperties, 3, QString::number(s));
        addProperty(pProperties, 4, QStringLiteral("downstream"),
                    s % 4 == 0 ? QStringLiteral("U") : QStringLiteral("D"));
        addProperty(pProperties, 6, QStringLiteral("300"));
        addProperty(pProperties, 29, QStringLiteral("Harbour Street"));
        addProperty(pProperties, 30, QStringLiteral("Ostrel"));
        auto *pSection = new CInspectionSegment(pProject.get(), pProperties, s);
        pSection->setName(QStringLiteral("MH%1 - MH%2").arg(s).arg(s + 1));
        for (int e = 1; e <= iEvents; ++e) {
            auto *pEventProperties = new CPropertyList;
            addProperty(pEventProperties, 200001, QString::number(e % 6));
            auto *pEvent = new CInspectionEvent(pSection, pEventProperties, s * 1000 + e);
            // Mostly spread out, with a few clusters that push rows.
            pEvent->setMeterValue(e % 7 == 0 ? e * 1.5f - 1.2f : e * 1.5f);
            pEvent->setText(QString::fromLatin1(kTexts[e % 6]));
            pEvent->setAbbreviation(QStringLiteral("BA%1").arg(QChar('A' + e % 6)));
            pEvent->setImageFile(
                QStringLiteral("S%1_%2.jpg").arg(s, 3, 10, QLatin1Char('0')).arg(e, 4, 10, QLatin1Char('0')));
            pEvent->setVideoTimeIndex(0, static_cast<unsigned>(e / 2), static_cast<unsigned>(e * 7 % 60));
            pSection->addEvent(pEvent);
        }
        pProject->addSection(pSection);
    }
    return pProject;
}

struct RunFigures
{
    double dSeconds = 0.0;
    double dCpuSeconds = 0.0;
    int iPages = 0;
    double dPeakMiB = 0.0;
    double dBuiltMiB = 0.0;
    qint64 iBytes = 0;
};

RunFigures runOnce(const CCorvaneProject *pProject, const PrintoutLayout *pLayout, const CInspectionStandard *pStandard,
                   const CDamageClassList *pDamageClasses, int iPhotos, const QString &sOutput)
{
    ReportChoices choices;
    choices.iPhotosPerPage = iPhotos;
    choices.sOutputFileName = sOutput;
    const auto pJob = buildReportJob(choices, pProject, pLayout, pStandard, pDamageClasses);
    RunFigures figures;
    bool bBuilt = false;
    resetPeak();
    const double dCpuStart = cpuSeconds();
    QElapsedTimer timer;
    timer.start();
    const ReportResult result = runReport(*pJob, [&](const ReportProgress &progress) {
        if (progress.eStep == ReportProgress::PagePrinted) {
            figures.iPages = progress.iCount;
            if (!bBuilt) {
                // All pages are built before the first one is printed.
                bBuilt = true;
                figures.dBuiltMiB = currentMiB();
            }
        }
    });
    figures.dSeconds = timer.elapsed() / 1000.0;
    figures.dCpuSeconds = cpuSeconds() - dCpuStart;
    figures.dPeakMiB = peakMiB();
    figures.iBytes = QFileInfo(sOutput).size();
    if (result != ReportResult::Written) {
        // Figures of a report that was not written would mean nothing.
        out() << "report run failed (" << static_cast<int>(result) << ")\n";
        out().flush();
        std::exit(1);
    }
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    int iSections = 200;
    int iEvents = 30;
    QString sKeep;
    const QStringList args = app.arguments();
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        out() << "usage: bench_report [--sections N] [--events M] [--keep DIR]\n"
                 "Writes the full report (protocol, photos at three per page) of a generated project\n"
                 "and prints pages per second, time per photo and peak memory.\n";
        return 0;
    }
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--sections"))
            iSections = qMax(1, args.at(i + 1).toInt());
        else if (args.at(i) == QLatin1String("--events"))
            iEvents = qMax(1, args.at(i + 1).toInt());
        else if (args.at(i) == QLatin1String("--keep"))
            sKeep = args.at(i + 1);
    }

    const QString sInstall = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const auto pLayout = readPrintoutLayout(sInstall + QStringLiteral("PrintoutLayouts/OstrelDemo_A4.lay"));
    if (!pLayout) {
        out() << "no printout layout beside the program\n";
        return 1;
    }
    std::unique_ptr<CInspectionStandard> pStandard =
        loadInspectionStandard(sInstall + QStringLiteral("CatalogBaseData/OstrelDemo.std"));
    if (!pStandard)
        pStandard = std::make_unique<CInspectionStandard>();
    std::unique_ptr<CDamageClassList> pDamageClasses =
        readCatalogPrintoutData(sInstall + QStringLiteral("CatalogPrintoutData/OstrelDemo.pod"));
    if (!pDamageClasses)
        pDamageClasses = std::make_unique<CDamageClassList>();

    QTemporaryDir tempDir;
    // The reports go beside the project: a report is never written into the
    // project it reads.
    const QString sBase = sKeep.isEmpty() ? tempDir.path() + QLatin1Char('/') : sKeep + QLatin1Char('/');
    const QString sProject = sBase + QStringLiteral("project/");
    QDir().mkpath(sProject + QStringLiteral("Photos"));

    // Photos: a dozen distinct frames, copied to one file per event.
    QElapsedTimer timer;
    timer.start();
    const int iDistinct = 12;
    QStringList sources;
    for (int i = 0; i < iDistinct; ++i) {
        const QString sPath = sProject + QStringLiteral("source_%1.jpg").arg(i);
        makePhoto(i).save(sPath, "JPEG", 85);
        sources.append(sPath);
    }
    QStringList photos;
    for (int s = 1; s <= iSections; ++s) {
        for (int e = 1; e <= iEvents; ++e) {
            const QString sName =
                QStringLiteral("S%1_%2.jpg").arg(s, 3, 10, QLatin1Char('0')).arg(e, 4, 10, QLatin1Char('0'));
            const QString sPath = sProject + QStringLiteral("Photos/") + sName;
            QFile::remove(sPath);
            QFile::copy(sources.at((s * 31 + e) % iDistinct), sPath);
            photos.append(sPath);
        }
    }
    const auto pProject = makeProject(sProject, iSections, iEvents);
    out() << "project: " << iSections << " sections x " << iEvents << " events, " << photos.size()
          << " photos of 1280 x 960 (" << QFileInfo(photos.first()).size() / 1024 << " KiB each), generated in "
          << timer.elapsed() / 1000.0 << " s\n";
    out().flush();

    // Bare decode and smooth scale of every photo to the size the
    // three-per-page frame of this layout prints it at.
    const QSize cPrinted =
        CPicturePrintoutItem::photoPixelBound(CPicturePrintoutItem::pictureRectOf(pLayout->smallPicture(), true));
    resetPeak();
    const double dBareCpuStart = cpuSeconds();
    timer.restart();
    qint64 iPixels = 0;
    for (const QString &sPath : photos) {
        const QImage scaled = QImage(sPath).scaled(cPrinted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        iPixels += scaled.width();
    }
    const double dBareSeconds = timer.elapsed() / 1000.0;
    const double dBareCpu = cpuSeconds() - dBareCpuStart;
    const double dBarePeak = peakMiB();
    out() << "bare decode and scale to " << cPrinted.width() << " x " << cPrinted.height() << ": " << dBareSeconds
          << " s, " << dBareSeconds * 1000.0 / photos.size() << " ms per photo, peak " << dBarePeak << " MiB ("
          << iPixels % 7 << ")\n";
    out().flush();

    const RunFigures without = runOnce(pProject.get(), pLayout.get(), pStandard.get(), pDamageClasses.get(), 0,
                                       sBase + QStringLiteral("report_nophotos.pdf"));
    out() << "report without photos: " << without.iPages << " pages in " << without.dSeconds << " s, "
          << without.iPages / qMax(without.dSeconds, 0.001) << " pages/s, pages built at " << without.dBuiltMiB
          << " MiB, peak " << without.dPeakMiB << " MiB, " << without.iBytes / 1024 << " KiB\n";
    out().flush();

    const RunFigures with = runOnce(pProject.get(), pLayout.get(), pStandard.get(), pDamageClasses.get(), 3,
                                    sBase + QStringLiteral("report_photos3.pdf"));
    out() << "report with photos (3 per page): " << with.iPages << " pages in " << with.dSeconds << " s, "
          << with.iPages / qMax(with.dSeconds, 0.001) << " pages/s, pages built at " << with.dBuiltMiB << " MiB, peak "
          << with.dPeakMiB << " MiB, " << with.iBytes / (1024 * 1024) << " MiB\n";
    const double dPerPhoto = (with.dSeconds - without.dSeconds) * 1000.0 / photos.size();
    const double dBarePerPhoto = dBareSeconds * 1000.0 / photos.size();
    out() << "time per photo in the report: " << dPerPhoto << " ms (bare decode and scale " << dBarePerPhoto
          << " ms): ratio " << dPerPhoto / qMax(dBarePerPhoto, 0.001) << "\n";
    const double dCpuPerPhoto = (with.dCpuSeconds - without.dCpuSeconds) * 1000.0 / photos.size();
    const double dBareCpuPerPhoto = dBareCpu * 1000.0 / photos.size();
    out() << "processor time per photo: " << dCpuPerPhoto << " ms (bare " << dBareCpuPerPhoto << " ms): ratio "
          << dCpuPerPhoto / qMax(dBareCpuPerPhoto, 0.001) << "\n";
    return 0;
}
