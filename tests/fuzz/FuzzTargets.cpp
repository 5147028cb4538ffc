#include "FuzzTargets.h"

#include "app/CApplicationContext.h"
#include "metadata/CInclinationData.h"
#include "metadata/CInclinationProfile.h"
#include "metadata/CInspectionStandard.h"
#include "metadata/InspectionStandardLoader.h"
#include "model/CCorvaneProject.h"
#include "model/CEventList.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "queries/CDataCoreObjectQuery.h"
#include "report/ReportJobBuilder.h"
#include "report/ReportRun.h"
#include "report/layout/CDamageClassList.h"
#include "report/layout/LayoutRow.h"
#include "report/layout/LayoutTable.h"
#include "report/layout/PrintoutLayout.h"
#include "report/layout/PrintoutLayoutReader.h"
#include "storage/CIniReader.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/CurrentProject.h"
#include "storage/IPersistenceFacade.h"
#include "storage/PathUtils.h"
#include "storage/ProjectDirectory.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include <memory>

using FuzzTargets::projectPartSeparator;

namespace {

// Stays alive for the whole process and is never destroyed: the fuzzing
// engine ends the process with exit(), after the toolkit's own statics are
// gone, so an application object destroyed then would crash.
struct Environment
{
    std::unique_ptr<QGuiApplication> pApplication;
    std::unique_ptr<QTemporaryDir> pScratch;
    QByteArray photo;
};

Environment &environment()
{
    static Environment *const pEnvironment = new Environment;
    return *pEnvironment;
}

// Damaged input makes the toolkit warn for nearly every run; printing that
// would cost more than the run itself.
void dropMessage(QtMsgType, const QMessageLogContext &, const QString &)
{
}

QString scratchPath(const QString &sName)
{
    return environment().pScratch->filePath(sName);
}

bool writeScratchFile(const QString &sPath, const QByteArray &data)
{
    QFile file(sPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

// Reads every value of every group and array, as the project readers walk
// them, so the decoding of each value is reached.
void walkIni(CIniReader &cReader, int iDepth)
{
    if (iDepth > 3)
        return;
    for (const QString &sKey : cReader.childKeys()) {
        (void)cReader.text(sKey);
        (void)cReader.toDouble(sKey);
        (void)cReader.toDate(sKey);
        (void)cReader.toBool(sKey);
    }
    for (const QString &sGroup : cReader.childGroups()) {
        cReader.beginGroup(sGroup);
        const int iSize = cReader.beginReadArray(QStringLiteral("property"));
        for (int i = 0; i < iSize; ++i) {
            cReader.setArrayIndex(i);
            (void)cReader.toInt(QStringLiteral("id"));
            (void)cReader.text(QStringLiteral("value"));
        }
        cReader.endArray();
        walkIni(cReader, iDepth + 1);
        cReader.endGroup();
    }
}

void fuzzIni(const QByteArray &input)
{
    CIniReader cReader = CIniReader::fromData(input);
    walkIni(cReader, 0);
}

void fuzzInclination(const QByteArray &input)
{
    const QString sPath = scratchPath(QStringLiteral("inclination.txt"));
    if (!writeScratchFile(sPath, input))
        return;
    const std::unique_ptr<CInclinationData> pData = readInclinationFile(sPath);
    if (!pData)
        return;
    const CInclinationProfile cProfile(nullptr, nullptr, pData->points());
    (void)cProfile.profile();
}

void walkTable(const LayoutTable *pTable, const PrintoutLayout &cLayout)
{
    if (!pTable)
        return;
    for (int iRow = 0; iRow < pTable->rowCount(); ++iRow) {
        const LayoutRow *pRow = pTable->rowAt(iRow);
        for (int iCell = 0; pRow && iCell < pRow->cellCount(); ++iCell) {
            const LayoutCell *pCell = pRow->cellAt(iCell);
            (void)cLayout.lookup(pCell);
            (void)pTable->rowContaining(pCell);
        }
    }
}

void fuzzLayout(const QByteArray &input)
{
    const QString sPath = scratchPath(QStringLiteral("layout.lay"));
    if (!writeScratchFile(sPath, input))
        return;
    const std::unique_ptr<PrintoutLayout> pLayout = readPrintoutLayout(sPath);
    if (!pLayout)
        return;
    for (int iGroup = 0; iGroup < PrintoutLayout::GroupCount; ++iGroup)
        walkTable(pLayout->table(iGroup), *pLayout);
}

// The same bytes as an inspection standard and as catalog printout data:
// both are small INI files of the catalog.
void fuzzStandard(const QByteArray &input)
{
    const QString sPath = scratchPath(QStringLiteral("catalog.std"));
    if (!writeScratchFile(sPath, input))
        return;
    if (const std::unique_ptr<CInspectionStandard> pStandard = loadInspectionStandard(sPath)) {
        for (int i = 0; i < pStandard->sectionPropertyCount(); ++i)
            (void)pStandard->sectionPropertyAt(i);
        for (int i = 0; i < pStandard->damageClassCount(); ++i)
            (void)pStandard->damageClassAt(i);
        (void)pStandard->usesDefaultNodeConvention();
    }
    if (const std::unique_ptr<CDamageClassList> pClasses = readCatalogPrintoutData(sPath)) {
        for (int i = 0; i < pClasses->count(); ++i)
            (void)pClasses->damageClassText(pClasses->entryAt(i)->value());
    }
}

// Every field of the object through the queries, as the export prints it.
void queryAll(const CDataCoreObject *pObject)
{
    const std::unique_ptr<CDataCoreObjectQuery> pQuery = createQuery(pObject);
    if (!pQuery)
        return;
    for (const int iId : pQuery->fieldIds()) {
        (void)pQuery->fieldCaption(iId);
        (void)pQuery->fieldValue(iId);
        (void)pQuery->fieldCode(iId);
    }
}

// A bare file name the project data names, written below sDirectory (at
// most a few per input). Names that would leave the directory are skipped,
// as the program skips them.
void writeMediaFile(const QString &sDirectory, const QString &sName, const QByteArray &data, QSet<QString> &written)
{
    if (written.size() >= 8 || written.contains(sName))
        return;
    const QString sPath = mediaFilePath(sDirectory, sName);
    if (sPath.isEmpty())
        return;
    written.insert(sName);
    writeScratchFile(sPath, data);
}

void fuzzProject(const QByteArray &input, bool bReport)
{
    const QString sDirectory = scratchPath(QStringLiteral("project"));
    QDir(sDirectory).removeRecursively();
    if (!QDir().mkpath(sDirectory + QStringLiteral("/Photos"))
        || !QDir().mkpath(sDirectory + QStringLiteral("/Inclination")))
        return;

    const QList<QByteArray> parts = input.split(projectPartSeparator());
    const auto part = [&parts](int iIndex) { return iIndex < parts.size() ? parts.at(iIndex) : QByteArray(); };
    writeScratchFile(projectFilePath(sDirectory), part(0));
    writeScratchFile(segmentsFilePath(sDirectory), part(1));

    // One event file per section, in the order of the sections' groups;
    // the last part is the inclination file of the first section naming one.
    CIniReader cSegments = CIniReader::fromData(part(1));
    const QStringList groups = cSegments.childGroups();
    int iPart = 2;
    QString sInclinationFile;
    for (const QString &sGroup : groups) {
        if (iPart >= parts.size() - 1)
            break;
        writeScratchFile(eventFilePath(sDirectory, CIniReader::textToInt(sGroup)), part(iPart++));
        cSegments.beginGroup(sGroup);
        if (sInclinationFile.isEmpty())
            sInclinationFile = cSegments.text(QStringLiteral("inclinationfile"));
        cSegments.endGroup();
    }
    QSet<QString> written;
    if (!sInclinationFile.isEmpty() && parts.size() > 2)
        writeMediaFile(inclinationDirectory(sDirectory), sInclinationFile, parts.last(), written);

    IPersistenceFacade *pFacade = CApplicationContext::instance()->persistenceFacade();
    CProjectRuntimeData *pRuntimeData = nullptr;
    if (pFacade->openProject(sDirectory, pRuntimeData) != 0 || !pRuntimeData)
        return;
    const CCorvaneProject *pProject = pRuntimeData->corvaneProject();
    if (pProject) {
        queryAll(pProject);
        for (int i = 0; i < pProject->sectionCount(); ++i) {
            const CInspectionSegment *pSection = pProject->sectionAt(i);
            queryAll(pSection);
            const CEventList *pEvents = pSection->events();
            for (int j = 0; j < pEvents->count(); ++j) {
                const CInspectionEvent *pEvent = pEvents->at(j);
                queryAll(pEvent);
                writeMediaFile(photosDirectory(sDirectory), pEvent->imageFile(), environment().photo, written);
                writeMediaFile(photosDirectory(sDirectory), pEvent->imageFile2(), environment().photo, written);
            }
        }
    }
    if (bReport && pProject && pRuntimeData->printoutLayout()) {
        // A small report: the first section with three photos per page.
        ReportChoices cChoices;
        cChoices.eSelection = ReportChoices::SectionsByIndex;
        cChoices.sectionKeys = {0};
        cChoices.iPhotosPerPage = 3;
        cChoices.sLogoDirectory = sDirectory;
        cChoices.sOutputFileName = scratchPath(QStringLiteral("report.pdf"));
        const std::unique_ptr<ReportJob> pJob =
            buildReportJob(cChoices, pProject, pRuntimeData->printoutLayout(), pRuntimeData->inspectionStandard(),
                           pRuntimeData->damageClassList());
        setCurrentRuntimeData(pRuntimeData);
        (void)runReport(*pJob);
        setCurrentRuntimeData(nullptr);
        QFile::remove(cChoices.sOutputFileName);
    }
    pFacade->closeProject(pRuntimeData);
}

QByteArray smallPhoto()
{
    QImage cImage(8, 6, QImage::Format_RGB32);
    cImage.fill(Qt::darkCyan);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    cImage.save(&buffer, "PNG");
    return data;
}

} // namespace

QStringList FuzzTargets::names()
{
    return {QStringLiteral("ini"),         QStringLiteral("project"), QStringLiteral("projectdata"),
            QStringLiteral("inclination"), QStringLiteral("layout"),  QStringLiteral("standard")};
}

void FuzzTargets::initialize()
{
    Environment &cEnvironment = environment();
    if (qEnvironmentVariableIsSet("CORVANE_FUZZ_QUIET"))
        qInstallMessageHandler(dropMessage);
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int iArgc = 1;
        static char sName[] = "corvane-fuzz";
        static char *argv[] = {sName, nullptr};
        cEnvironment.pApplication = std::make_unique<QGuiApplication>(iArgc, argv);
    }
    if (!CApplicationContext::instance())
        CApplicationContext::setInstance(new CApplicationContext(QCoreApplication::applicationDirPath()));
    if (!cEnvironment.pScratch) {
        // Memory-backed where there is such a file system: the targets write
        // their input for every run.
        const QString sBase =
            QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        cEnvironment.pScratch = std::make_unique<QTemporaryDir>(sBase + QStringLiteral("/corvane-fuzz-XXXXXX"));
        cEnvironment.photo = smallPhoto();
    }
}

bool FuzzTargets::run(const QString &sTarget, const QByteArray &input)
{
    if (sTarget == QLatin1String("ini"))
        fuzzIni(input);
    else if (sTarget == QLatin1String("project"))
        fuzzProject(input, true);
    else if (sTarget == QLatin1String("projectdata"))
        fuzzProject(input, false);
    else if (sTarget == QLatin1String("inclination"))
        fuzzInclination(input);
    else if (sTarget == QLatin1String("layout"))
        fuzzLayout(input);
    else if (sTarget == QLatin1String("standard"))
        fuzzStandard(input);
    else
        return false;
    return true;
}
