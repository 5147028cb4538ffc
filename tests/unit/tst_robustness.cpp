// Mutation test: damages a copy of the demo project and of the catalog
// files in many deterministic ways and drives everything that reads them
// (facade, queries, inclination profile, report run). Nothing may crash,
// hang, produce non-finite numbers or write into the project directory.
//
// Set CORVANE_ROBUSTNESS_VERBOSE=1 to print every round's mutation before it
// runs, so a crash names its cause.

#include "TestHelpers.h"

#include "app/CApplicationContext.h"
#include "metadata/CInclinationData.h"
#include "metadata/CInclinationProfile.h"
#include "metadata/CInspectionStandard.h"
#include "model/CBaseProject.h"
#include "model/CCorvaneProject.h"
#include "model/CEventList.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "queries/CDataCoreObjectQuery.h"
#include "queries/FieldIds.h"
#include "report/ReportJob.h"
#include "report/ReportJobBuilder.h"
#include "report/ReportRun.h"
#include "report/items/CTablePrintoutItem.h"
#include "report/items/PrintoutPage.h"
#include "report/layout/LayoutRecords.h"
#include "report/layout/LayoutTable.h"
#include "report/layout/PrintoutLayout.h"
#include "report/layout/PrintoutLayoutReader.h"
#include "report/paint/PageGeometry.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/CurrentProject.h"
#include "storage/IPersistenceFacade.h"
#include "storage/ProjectDirectory.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMap>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// A directory's files in memory (relative path → content) plus the paths
// that are to become directories. Mutations work on this, so a round is
// reproducible from the seed alone.
struct FileTree
{
    QMap<QString, QByteArray> files;
    QStringList directories;
};

enum MutationKind {
    Truncate,
    FlipBytes,
    InsertGarbage,
    DuplicateGroup,
    BadArraySize,
    BadNumber,
    HugeValue,
    DeleteFile,
    FileToDirectory,
    NonNumericGroup,
    HostileName,
    MutationKindCount
};

const char *kindName(int iKind)
{
    static const char *const names[] = {"truncate",    "flip bytes",  "insert garbage", "duplicate group",
                                        "array size",  "bad number",  "huge value",     "delete file",
                                        "file to dir", "group names", "hostile names"};
    return iKind >= 0 && iKind < MutationKindCount ? names[iKind] : "?";
}

bool isIniFile(const QString &sPath)
{
    return sPath.endsWith(QLatin1String(".dat")) || sPath.endsWith(QLatin1String(".evtdat"))
           || sPath.endsWith(QLatin1String(".std")) || sPath.endsWith(QLatin1String(".pod"))
           || sPath.endsWith(QLatin1String(".lay"));
}

bool isInclinationFile(const QString &sPath)
{
    return sPath.startsWith(QLatin1String("Inclination/"));
}

// Applies one mutation of a kind to a file tree. Every choice comes from
// the generator; describe() tells what was done.
class CMutator
{
public:
    CMutator(QRandomGenerator *cRandom, const QStringList &hostileNames)
        : m_cRandom(cRandom), m_hostileNames(hostileNames)
    {
    }

    // False when the kind applies to no file of the tree.
    bool apply(int iKind, FileTree &cTree)
    {
        const QStringList candidates = candidatesFor(iKind, cTree);
        if (candidates.isEmpty())
            return false;
        const QString sFile = candidates.at(pick(candidates.size()));
        m_sDescription = QStringLiteral("%1 on %2").arg(QLatin1String(kindName(iKind)), sFile);
        QByteArray &data = cTree.files[sFile];
        switch (iKind) {
        case Truncate: {
            const int iAt = pick(int(data.size()) + 1);
            data.truncate(iAt);
            note(QStringLiteral("at %1").arg(iAt));
            break;
        }
        case FlipBytes: {
            if (data.isEmpty())
                data = "x";
            const int iFlips = 1 + pick(8);
            for (int i = 0; i < iFlips; ++i) {
                const int iAt = pick(int(data.size()));
                data[iAt] = char(data.at(iAt) ^ char(1 + pick(255)));
            }
            note(QStringLiteral("%1 bytes").arg(iFlips));
            break;
        }
        case InsertGarbage: {
            QByteArray garbage;
            const int iLength = 1 + pick(512);
            static const char special[] = {'\0', '\n', '\r', '[', ']', '=', '\\', '"', ',', ';', '@'};
            for (int i = 0; i < iLength; ++i)
                garbage.append(pick(4) == 0 ? special[pick(int(sizeof special))] : char(pick(256)));
            const int iAt = pick(int(data.size()) + 1);
            data.insert(iAt, garbage);
            note(QStringLiteral("%1 bytes at %2").arg(iLength).arg(iAt));
            break;
        }
        case DuplicateGroup: duplicateGroup(data); break;
        case BadArraySize:
            replaceValues(data, QRegularExpression(QStringLiteral("^([^=]*size)=(.*)$")),
                          {"-1", "2000000000", "0", "2147483647", "-2147483648", "99999999999"}, 1 + pick(3));
            break;
        case BadNumber:
            if (isInclinationFile(sFile))
                replaceInclinationNumber(data);
            else
                replaceValues(data, QRegularExpression(QStringLiteral("^([^=]*)=(-?[0-9][0-9.]*|0x[0-9a-fA-F]+)$")),
                              {"nan", "inf", "-inf", "1e39", "-1e39", "-0", "12,5", "1e308", "-2147483649",
                               "4294967296", "0x7fffffff", "3.4028236e38"},
                              1 + pick(4));
            break;
        case HugeValue: replaceWithHugeText(data, isInclinationFile(sFile)); break;
        case DeleteFile: cTree.files.remove(sFile); break;
        case FileToDirectory:
            cTree.files.remove(sFile);
            cTree.directories.append(sFile);
            break;
        case NonNumericGroup: renameGroups(data); break;
        case HostileName:
            replaceValues(data,
                          QRegularExpression(QStringLiteral(
                              "^(imagefile|imagefile2|videofile|inclinationfile|videofile\\\\[0-9]+\\\\name|"
                              "[^=]*(BaseFileName|PrintoutDataFile|PrintoutLayoutFileName|LanguageFile))=(.*)$")),
                          m_hostileNames, 1 + pick(3));
            break;
        default: break;
        }
        return true;
    }

    QString description() const { return m_sDescription; }

private:
    int pick(int iBound) { return iBound > 0 ? int(m_cRandom->bounded(quint32(iBound))) : 0; }
    void note(const QString &sText) { m_sDescription += QStringLiteral(" (") + sText + QLatin1Char(')'); }

    QStringList candidatesFor(int iKind, const FileTree &cTree) const
    {
        QStringList result;
        for (auto it = cTree.files.cbegin(); it != cTree.files.cend(); ++it) {
            const QString &sPath = it.key();
            const bool bIni = isIniFile(sPath);
            const bool bText = bIni || isInclinationFile(sPath);
            switch (iKind) {
            case DuplicateGroup:
            case BadArraySize:
            case NonNumericGroup:
                if (bIni)
                    result << sPath;
                break;
            case BadNumber:
            case HugeValue:
                if (bText)
                    result << sPath;
                break;
            case HostileName:
                if (sPath.endsWith(QLatin1String(".evtdat")) || sPath == QLatin1String("segments.dat")
                    || sPath == QLatin1String("Catalogs.dat") || sPath == QLatin1String("Locales.dat"))
                    result << sPath;
                break;
            default: result << sPath;
            }
        }
        return result;
    }

    static QList<QByteArray> lines(const QByteArray &data) { return data.split('\n'); }

    void duplicateGroup(QByteArray &data)
    {
        QList<QByteArray> all = lines(data);
        QList<int> headers;
        for (int i = 0; i < all.size(); ++i) {
            if (all.at(i).startsWith('['))
                headers << i;
        }
        if (headers.isEmpty())
            return;
        const int iWhich = pick(int(headers.size()));
        const int iBegin = headers.at(iWhich);
        const int iEnd = iWhich + 1 < headers.size() ? headers.at(iWhich + 1) : int(all.size());
        const QList<QByteArray> block = all.mid(iBegin, iEnd - iBegin);
        // Somewhere at a group boundary, often right behind the original.
        const int iAt = pick(2) == 0 ? iEnd : headers.at(pick(int(headers.size())));
        for (int i = 0; i < block.size(); ++i)
            all.insert(iAt + i, block.at(i));
        data = all.join('\n');
        note(QStringLiteral("group %1 at line %2").arg(QString::fromUtf8(block.first())).arg(iAt + 1));
    }

    // Replaces the value (last capture) of up to iCount matching lines by
    // one of the texts.
    void replaceValues(QByteArray &data, const QRegularExpression &cPattern, const QStringList &texts, int iCount)
    {
        QList<QByteArray> all = lines(data);
        QList<int> matching;
        for (int i = 0; i < all.size(); ++i) {
            if (cPattern.match(QString::fromUtf8(all.at(i))).hasMatch())
                matching << i;
        }
        if (matching.isEmpty()) {
            note(QStringLiteral("no matching line"));
            return;
        }
        for (int n = 0; n < iCount; ++n) {
            const int iLine = matching.at(pick(int(matching.size())));
            const QString sLine = QString::fromUtf8(all.at(iLine));
            const QString sText = texts.at(pick(int(texts.size())));
            const int iEquals = sLine.indexOf(QLatin1Char('='));
            all[iLine] = (sLine.left(iEquals + 1) + sText).toUtf8();
            note(QStringLiteral("line %1 = %2").arg(iLine + 1).arg(sText));
        }
        data = all.join('\n');
    }

    void replaceInclinationNumber(QByteArray &data)
    {
        static const char *const texts[] = {"nan",  "inf",   "-inf", "1e39",  "-1e39", "-0",
                                            "12,5", "1e308", "1e38", "-3e38", ""};
        QList<QByteArray> all = lines(data);
        if (all.isEmpty())
            return;
        const int iLine = pick(int(all.size()));
        QByteArray &line = all[iLine];
        const QByteArray text = texts[pick(int(sizeof texts / sizeof texts[0]))];
        const int iColon = line.indexOf(':');
        const int iSemicolon = line.indexOf(';');
        if (iColon >= 0)
            line = line.left(iColon + 1) + text;
        else if (iSemicolon >= 0)
            line = pick(2) == 0 ? text + line.mid(iSemicolon) : line.left(iSemicolon + 1) + text;
        else
            line = text;
        data = all.join('\n');
        note(QStringLiteral("line %1 -> %2").arg(iLine + 1).arg(QString::fromUtf8(line)));
    }

    void replaceWithHugeText(QByteArray &data, bool bInclination)
    {
        QByteArray huge;
        huge.reserve(100 * 1024);
        static const char alphabet[] = "abcXYZ0123456789 ,.;:%|\"\\";
        while (huge.size() < 100 * 1024)
            huge.append(alphabet[pick(int(sizeof alphabet) - 1)]);
        QList<QByteArray> all = lines(data);
        QList<int> candidates;
        for (int i = 0; i < all.size(); ++i) {
            if (all.at(i).contains(bInclination ? ';' : '=') || (bInclination && all.at(i).contains(':')))
                candidates << i;
        }
        if (candidates.isEmpty()) {
            data.append('\n' + huge);
            note(QStringLiteral("appended"));
            return;
        }
        const int iLine = candidates.at(pick(int(candidates.size())));
        QByteArray &line = all[iLine];
        const int iAt = line.indexOf(bInclination ? (line.contains(':') ? ':' : ';') : '=');
        line = line.left(iAt + 1) + huge;
        data = all.join('\n');
        note(QStringLiteral("line %1").arg(iLine + 1));
    }

    void renameGroups(QByteArray &data)
    {
        static const char *const names[] = {"abc",        "-5", "0",     "99999999999", "1e3",     " 12",
                                            "2147483648", "",   "12abc", "%U0041",      "General", "\xc3\xa4"};
        QList<QByteArray> all = lines(data);
        QList<int> headers;
        for (int i = 0; i < all.size(); ++i) {
            if (all.at(i).startsWith('['))
                headers << i;
        }
        const int iCount = 1 + pick(3);
        for (int n = 0; n < iCount && !headers.isEmpty(); ++n) {
            const int iLine = headers.at(pick(int(headers.size())));
            const QByteArray name = names[pick(int(sizeof names / sizeof names[0]))];
            all[iLine] = '[' + name + ']';
            note(QStringLiteral("line %1 -> [%2]").arg(iLine + 1).arg(QString::fromUtf8(name)));
        }
        data = all.join('\n');
    }

    QRandomGenerator *m_cRandom;
    QStringList m_hostileNames;
    QString m_sDescription;
};

FileTree readTree(const QString &sDirectory, const std::function<bool(const QString &)> &take)
{
    FileTree cTree;
    QDirIterator it(sDirectory, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sPath = it.next();
        const QString sRelative = QDir(sDirectory).relativeFilePath(sPath);
        if (!take(sRelative))
            continue;
        QFile file(sPath);
        if (file.open(QIODevice::ReadOnly))
            cTree.files.insert(sRelative, file.readAll());
    }
    return cTree;
}

bool writeTree(const FileTree &cTree, const QString &sDirectory)
{
    QDir(sDirectory).removeRecursively();
    if (!QDir().mkpath(sDirectory))
        return false;
    for (auto it = cTree.files.cbegin(); it != cTree.files.cend(); ++it) {
        const QString sPath = sDirectory + QLatin1Char('/') + it.key();
        QDir().mkpath(QFileInfo(sPath).absolutePath());
        QFile file(sPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size())
            return false;
    }
    for (const QString &sPath : cTree.directories) {
        if (!QDir().mkpath(sDirectory + QLatin1Char('/') + sPath + QStringLiteral("/inner")))
            return false;
    }
    return true;
}

// Names, kinds, sizes, modes and contents of everything below a directory.
QByteArray treeHash(const QString &sDirectory)
{
    QStringList entries;
    QDirIterator it(sDirectory, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QString sEntry = QDir(sDirectory).relativeFilePath(info.filePath()) + QLatin1Char(' ')
                         + QString::number(int(info.permissions()));
        if (info.isDir()) {
            sEntry += QStringLiteral(" dir");
        } else if (info.isFile()) {
            QFile file(info.filePath());
            if (file.open(QIODevice::ReadOnly))
                sEntry +=
                    QLatin1Char(' ')
                    + QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex());
        } else {
            sEntry += QStringLiteral(" other");
        }
        entries << sEntry;
    }
    entries.sort();
    return QCryptographicHash::hash(entries.join(QLatin1Char('\n')).toUtf8(), QCryptographicHash::Sha1);
}

// A named pipe outside every media directory. Whoever opens it for reading
// would block forever; a watcher thread opens its write end, so such a
// reader wakes up again and the test records that the file was opened.
class CSentinelPipe
{
public:
    explicit CSentinelPipe(const QString &sPath) : m_sPath(sPath)
    {
#ifdef Q_OS_UNIX
        m_bValid = ::mkfifo(QFile::encodeName(sPath).constData(), 0600) == 0;
        if (m_bValid)
            m_watcher = std::thread([this] { watch(); });
#endif
    }
    ~CSentinelPipe()
    {
#ifdef Q_OS_UNIX
        if (!m_bValid)
            return;
        m_bStopping = true;
        // Our own read end releases the watcher from its open().
        const int iFd = ::open(QFile::encodeName(m_sPath).constData(), O_RDONLY | O_NONBLOCK);
        m_watcher.join();
        if (iFd >= 0)
            ::close(iFd);
#endif
    }
    CSentinelPipe(const CSentinelPipe &) = delete;
    CSentinelPipe &operator=(const CSentinelPipe &) = delete;

    bool isValid() const
    {
        return m_bValid;
    }
    int openCount() const
    {
        return m_iOpened;
    }

private:
    void watch()
    {
#ifdef Q_OS_UNIX
        const QByteArray path = QFile::encodeName(m_sPath);
        while (!m_bStopping) {
            // Blocks until a reader comes.
            const int iFd = ::open(path.constData(), O_WRONLY);
            if (iFd < 0)
                return;
            if (!m_bStopping)
                ++m_iOpened;
            // The reader sees the end of the file.
            ::close(iFd);
            // One reader counts once: wait while it keeps the pipe open
            // (a writer can open without blocking only while it does).
            for (;;) {
                const int iProbe = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
                if (iProbe < 0)
                    break;
                ::close(iProbe);
                if (m_bStopping)
                    break;
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        }
#endif
    }

    QString m_sPath;
    bool m_bValid = false;
    std::atomic<bool> m_bStopping{false};
    std::atomic<int> m_iOpened{0};
    std::thread m_watcher;
};

// The units helper's debug line would drown the test's own output.
QtMessageHandler s_previousHandler = nullptr;
void quietHandler(QtMsgType eType, const QMessageLogContext &cContext, const QString &sMessage)
{
    if (eType != QtDebugMsg && s_previousHandler)
        s_previousHandler(eType, cContext, sMessage);
}

bool isFinite(float fValue)
{
    return std::isfinite(fValue);
}

} // namespace

class TestRobustness : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void sentinelNoticesReaders();
    void projectMutations_data();
    void projectMutations();
    void catalogMutations_data();
    void catalogMutations();
    void damagedProjects_data();
    void damagedProjects();
    void damagedCatalogs_data();
    void damagedCatalogs();
    void layoutRectangles_data();
    void layoutRectangles();
    void bodyBelowHugeHeader();

private:
    // Opens, queries, profiles and (when bReport) reports the working
    // project with the working installation; fails the test on any fault.
    // Returns the facade's result code.
    int exercise(const QString &sRound, bool bReport);
    void checkObjectQueries(const CDataCoreObject *cObject, const QString &sRound);
    void checkProfiles(const CProjectRuntimeData *cRuntimeData, const QString &sRound);
    void checkReport(const CProjectRuntimeData *cRuntimeData, const QString &sRound);
    void runRounds(const QString &sTarget, int iKind, quint32 uiSeed, int iRounds, int iReportEvery);
    // Every round writes its trees to new directories: the settings class
    // caches files by path and would not notice a rewrite of equal size
    // within the same millisecond.
    bool writeTrees(const FileTree &cProject, const FileTree &cInstall);
    QString projectPath() const { return m_root.path() + QStringLiteral("/p/project-%1").arg(m_iGeneration); }
    QString installPath() const { return m_root.path() + QStringLiteral("/p/install-%1").arg(m_iGeneration); }
    QString outputPath() const { return m_root.path() + QStringLiteral("/out/report.pdf"); }
    // "../../secret" from any media or catalog directory.
    QString sentinelPath() const { return m_root.path() + QStringLiteral("/p/secret"); }

    QTemporaryDir m_root;
    FileTree m_project;
    FileTree m_install;
    QStringList m_hostileNames;
    std::unique_ptr<CSentinelPipe> m_sentinel;
    bool m_bVerbose = false;
    int m_iReports = 0;
    int m_iGeneration = 0;
    int m_iSentinelSelfTest = 0;
};

bool TestRobustness::writeTrees(const FileTree &cProject, const FileTree &cInstall)
{
    QDir(projectPath()).removeRecursively();
    QDir(installPath()).removeRecursively();
    ++m_iGeneration;
    return writeTree(cProject, projectPath()) && writeTree(cInstall, installPath());
}

void TestRobustness::initTestCase()
{
    QVERIFY(m_root.isValid());
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_bVerbose = qEnvironmentVariableIsSet("CORVANE_ROBUSTNESS_VERBOSE");
    s_previousHandler = qInstallMessageHandler(quietHandler);

    // The project without most of its media: two photos are enough to run
    // the photo pages, and the videos are never read by the core.
    const QStringList photos = {QStringLiteral("Photos/5_0077.jpg"), QStringLiteral("Photos/104_0089.jpg")};
    m_project = readTree(TestHelpers::demoProjectDir(), [&photos](const QString &sPath) {
        return sPath.endsWith(QLatin1String(".dat")) || sPath.endsWith(QLatin1String(".evtdat"))
               || sPath.startsWith(QLatin1String("Inclination/")) || sPath == QLatin1String("logo.txt")
               || photos.contains(sPath);
    });
    QVERIFY2(m_project.files.contains(QStringLiteral("project.dat")), "demo project missing");
    QVERIFY(m_project.files.contains(QStringLiteral("Photos/5_0077.jpg")));

    m_install = readTree(TestHelpers::installDir(), [](const QString &sPath) {
        return sPath.endsWith(QLatin1String(".dat")) || sPath.startsWith(QLatin1String("CatalogBaseData/"))
               || sPath.startsWith(QLatin1String("CatalogPrintoutData/"))
               || sPath.startsWith(QLatin1String("PrintoutLayouts/"))
               || sPath.startsWith(QLatin1String("LanguageFiles/"));
    });
    QVERIFY2(m_install.files.contains(QStringLiteral("Catalogs.dat")), "installation data missing");
    QVERIFY(m_install.files.contains(QStringLiteral("PrintoutLayouts/OstrelDemo_A4.lay")));

    QVERIFY(QDir().mkpath(m_root.path() + QStringLiteral("/p")));
    m_sentinel = std::make_unique<CSentinelPipe>(sentinelPath());
#ifdef Q_OS_UNIX
    QVERIFY(m_sentinel->isValid());
#endif
    // Names that leave the media (or catalog) directory; the relative ones
    // lead to the sentinel pipe from every directory the readers use.
    m_hostileNames = {QStringLiteral("../../etc/passwd"),
                      QStringLiteral("/etc/passwd"),
                      QStringLiteral(".."),
                      QStringLiteral("."),
                      QStringLiteral("../../secret"),
                      QStringLiteral("../../../secret"),
                      QStringLiteral("..\\..\\secret"),
                      sentinelPath(),
                      QStringLiteral("Photos/../../secret"),
                      QString(),
                      QStringLiteral("../project.dat"),
                      QStringLiteral("/dev/null")};
    QVERIFY(QDir().mkpath(m_root.path() + QStringLiteral("/out")));
}

void TestRobustness::cleanupTestCase()
{
    const int iOpened = m_sentinel ? m_sentinel->openCount() - m_iSentinelSelfTest : 0;
    m_sentinel.reset();
    qInstallMessageHandler(s_previousHandler);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(iOpened, 0);
}

void TestRobustness::checkObjectQueries(const CDataCoreObject *cObject, const QString &sRound)
{
    const std::unique_ptr<CDataCoreObjectQuery> cQuery = createQuery(cObject);
    QVERIFY2(cQuery, qPrintable(sRound));
    QList<int> ids = cQuery->fieldIds();
    ids << 0 << -1 << std::numeric_limits<int>::max() << std::numeric_limits<int>::min()
        << FieldIds::SectionPropertyBase << FieldIds::EventPropertyBase + 2000000000;
    for (int iId : qAsConst(ids)) {
        const QString sValue = cQuery->fieldValue(iId);
        (void)cQuery->fieldCaption(iId);
        (void)cQuery->fieldCode(iId);
        if (iId == FieldIds::EventMeterValue || iId == FieldIds::SectionCalculatedLength) {
            const QString sLower = sValue.toLower();
            QVERIFY2(!sLower.contains(QLatin1String("nan")) && !sLower.contains(QLatin1String("inf")),
                     qPrintable(sRound + QStringLiteral(": field %1 is '%2'").arg(iId).arg(sValue)));
        }
    }
    QCOMPARE(cQuery->fieldValues().size(), cQuery->fieldIds().size());
    QCOMPARE(cQuery->fieldCaptions().size(), cQuery->fieldIds().size());
}

void TestRobustness::checkProfiles(const CProjectRuntimeData *cRuntimeData, const QString &sRound)
{
    const CCorvaneProject *cProject = cRuntimeData->corvaneProject();
    const CInspectionStandard *cStandard = cRuntimeData->inspectionStandard();
    for (int i = 0; i < cProject->sectionCount(); ++i) {
        const CInspectionSegment *cSection = cProject->sectionAt(i);
        const QString sWhere = sRound + QStringLiteral(": section %1").arg(cSection->id());
        QVERIFY2(isFinite(cSection->calculatedLength()), qPrintable(sWhere));
        for (int e = 0; e < cSection->events()->count(); ++e)
            QVERIFY2(isFinite(cSection->events()->at(e)->meterValue()),
                     qPrintable(sWhere
                                + QStringLiteral(" event %1 meter value %2")
                                      .arg(e)
                                      .arg(double(cSection->events()->at(e)->meterValue()))));
        if (cStandard) {
            QVERIFY2(isFinite(cStandard->pipeDiameterCm(cSection)), qPrintable(sWhere));
            QVERIFY2(isFinite(cStandard->startManholeAltitude(cSection)), qPrintable(sWhere));
            QVERIFY2(isFinite(cStandard->endManholeAltitude(cSection)), qPrintable(sWhere));
            const int iDirection = cStandard->inspectionDirection(cSection);
            QVERIFY2(iDirection >= 0 && iDirection <= 2, qPrintable(sWhere));
        }

        const QString sPath = mediaFilePath(inclinationDirectory(cProject->directory()), cSection->inclinationFile());
        if (sPath.isEmpty())
            continue;
        QVERIFY2(QFileInfo(sPath).absoluteFilePath().startsWith(projectPath() + QStringLiteral("/Inclination/")),
                 qPrintable(sWhere + QStringLiteral(" reads ") + sPath));
        const std::unique_ptr<CInclinationData> cData = readInclinationFile(sPath);
        if (!cData)
            continue;
        const CInclinationProfile cProfile(cStandard, cSection, cData->points());
        const float values[] = {cProfile.minDistance(),          cProfile.maxDistance(),  cProfile.minInclination(),
                                cProfile.maxInclination(),       cProfile.minAltitude(),  cProfile.maxAltitude(),
                                cProfile.startAltitude(),        cProfile.endAltitude(),  cProfile.pipeDiameter(),
                                cProfile.firstDistance(),        cProfile.lastDistance(), cProfile.measuredLength(),
                                cProfile.inclinationCorrection()};
        for (float fValue : values)
            QVERIFY2(isFinite(fValue), qPrintable(sWhere + QStringLiteral(" profile value")));
        for (const InclinationPoints &cPoints : {cProfile.points(), cProfile.correctedPoints(), cProfile.profile()}) {
            for (const InclinationPoint &cPoint : cPoints)
                QVERIFY2(isFinite(cPoint.fX) && isFinite(cPoint.fY), qPrintable(sWhere + QStringLiteral(" point")));
        }
        QVERIFY2(cProfile.minAltitude() <= cProfile.maxAltitude(), qPrintable(sWhere));
    }
}

void TestRobustness::checkReport(const CProjectRuntimeData *cRuntimeData, const QString &sRound)
{
    ReportChoices cChoices;
    cChoices.iPhotosPerPage = 3;
    cChoices.sLogoDirectory = projectPath();
    cChoices.sOutputFileName = outputPath();
    const std::unique_ptr<ReportJob> cJob =
        buildReportJob(cChoices, cRuntimeData->corvaneProject(), cRuntimeData->printoutLayout(),
                       cRuntimeData->inspectionStandard(), cRuntimeData->damageClassList());
    QVERIFY2(cJob, qPrintable(sRound));
    QFile::remove(outputPath());
    const ReportResult eResult = runReport(*cJob);
    if (eResult == ReportResult::Written) {
        QFile file(outputPath());
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(sRound + QStringLiteral(": no PDF")));
        QVERIFY2(file.read(5) == "%PDF-", qPrintable(sRound + QStringLiteral(": not a PDF")));
    } else {
        QVERIFY2(eResult == ReportResult::IncompleteJob || !QFileInfo::exists(outputPath()),
                 qPrintable(sRound + QStringLiteral(": partial PDF left behind")));
    }
}

int TestRobustness::exercise(const QString &sRound, bool bReport)
{
    CApplicationContext::setInstance(new CApplicationContext(installPath(), QStringLiteral("de_DE")));
    IPersistenceFacade *cFacade = CApplicationContext::instance()->persistenceFacade();
    CProjectRuntimeData *cRuntimeData = nullptr;
    const int iCode = cFacade->openProject(projectPath(), cRuntimeData);
    if (iCode != 0 || !cRuntimeData) {
        CApplicationContext::destroyInstance();
        if (cRuntimeData)
            QTest::qFail(qPrintable(sRound + QStringLiteral(": runtime data with code %1").arg(iCode)), __FILE__,
                         __LINE__);
        return iCode;
    }
    setCurrentRuntimeData(cRuntimeData);
    // The project is closed on every way out, failures included.
    const auto close = qScopeGuard([cFacade, cRuntimeData] {
        setCurrentRuntimeData(nullptr);
        cFacade->closeProject(cRuntimeData);
        CApplicationContext::destroyInstance();
    });

    const CBaseProject *cBase = cRuntimeData->project();
    if (!cBase) {
        QTest::qFail(qPrintable(sRound + QStringLiteral(": no project")), __FILE__, __LINE__);
        return iCode;
    }
    checkObjectQueries(cBase, sRound);
    const CCorvaneProject *cProject = cRuntimeData->corvaneProject();
    if (!cProject || !cRuntimeData->hasInspectionData() || QTest::currentTestFailed())
        return iCode;
    for (int i = 0; i < cProject->sectionCount() && !QTest::currentTestFailed(); ++i) {
        const CInspectionSegment *cSection = cProject->sectionAt(i);
        checkObjectQueries(cSection, sRound);
        for (int e = 0; e < cSection->events()->count() && !QTest::currentTestFailed(); ++e)
            checkObjectQueries(cSection->events()->at(e), sRound);
    }
    if (!QTest::currentTestFailed())
        checkProfiles(cRuntimeData, sRound);
    if (bReport && !QTest::currentTestFailed()) {
        checkReport(cRuntimeData, sRound);
        ++m_iReports;
    }
    return iCode;
}

void TestRobustness::runRounds(const QString &sTarget, int iKind, quint32 uiSeed, int iRounds, int iReportEvery)
{
    QRandomGenerator cRandom(uiSeed);
    CMutator cMutator(&cRandom, m_hostileNames);
    QMap<int, int> codes;
    m_iReports = 0;
    for (int iRound = 0; iRound < iRounds; ++iRound) {
        // Both trees start pristine; one of them gets the mutation.
        FileTree cProject = m_project;
        FileTree cInstall = m_install;
        FileTree &cTarget = sTarget == QLatin1String("project") ? cProject : cInstall;
        if (!cMutator.apply(iKind, cTarget))
            QSKIP("the mutation applies to no file");
        QVERIFY(writeTrees(cProject, cInstall));
        const QString sRound =
            QStringLiteral("round %1 (seed %2): %3").arg(iRound).arg(uiSeed).arg(cMutator.description());
        if (m_bVerbose)
            qInfo("%s", qPrintable(sRound));

        const QByteArray before = treeHash(projectPath());
        const int iSentinelOpens = m_sentinel->openCount();
        QElapsedTimer cTimer;
        cTimer.start();
        ++codes[exercise(sRound, iReportEvery > 0 && iRound % iReportEvery == 0)];
        if (QTest::currentTestFailed())
            return;
        const qint64 iElapsed = cTimer.elapsed();
        QVERIFY2(iElapsed < 20000, qPrintable(sRound + QStringLiteral(" took %1 ms").arg(iElapsed)));
        QVERIFY2(treeHash(projectPath()) == before, qPrintable(sRound + QStringLiteral(": project directory changed")));
        QVERIFY2(m_sentinel->openCount() == iSentinelOpens,
                 qPrintable(sRound + QStringLiteral(": a file outside the project was opened")));
    }
    QStringList summary;
    for (auto it = codes.cbegin(); it != codes.cend(); ++it)
        summary << QStringLiteral("code %1: %2").arg(it.key()).arg(it.value());
    qInfo("%d rounds, %s, %d reports", iRounds, qPrintable(summary.join(QStringLiteral(", "))), m_iReports);
}

// The harness itself: reading the sentinel neither blocks nor goes unseen.
void TestRobustness::sentinelNoticesReaders()
{
#ifdef Q_OS_UNIX
    const int iBefore = m_sentinel->openCount();
    {
        QFile file(sentinelPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().isEmpty());
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_sentinel->openCount(), iBefore + 1, 5000);
    m_iSentinelSelfTest = 1;
#else
    QSKIP("needs named pipes");
#endif
}

void TestRobustness::projectMutations_data()
{
    QTest::addColumn<int>("iKind");
    for (int iKind = 0; iKind < MutationKindCount; ++iKind)
        QTest::addRow("%s", kindName(iKind)) << iKind;
}

void TestRobustness::projectMutations()
{
    QFETCH(int, iKind);
    // The sanitized run takes the first rounds of each kind (same seeds).
    runRounds(QStringLiteral("project"), iKind, 0x5eed0000u + quint32(iKind), 30 / TestHelpers::timeFactor(), 6);
}

void TestRobustness::catalogMutations_data()
{
    projectMutations_data();
}

void TestRobustness::catalogMutations()
{
    QFETCH(int, iKind);
    runRounds(QStringLiteral("install"), iKind, 0xca7a0000u + quint32(iKind), 16 / TestHelpers::timeFactor(), 5);
}

// Hand-made damage that random mutation rarely hits exactly.
void TestRobustness::damagedProjects_data()
{
    QTest::addColumn<QString>("sFile");
    QTest::addColumn<QString>("sFind");
    QTest::addColumn<QString>("sReplace");

    QTest::addRow("meter value beyond float") << "12.evtdat"
                                              << "metervalue=1.68"
                                              << "metervalue=1e39";
    QTest::addRow("meter value nan") << "12.evtdat"
                                     << "metervalue=1.68"
                                     << "metervalue=nan";
    QTest::addRow("negative meter value beyond float") << "5.evtdat"
                                                       << "metervalue=-0.4"
                                                       << "metervalue=-1e300";
    QTest::addRow("video hour huge") << "5.evtdat"
                                     << "video-hour=0"
                                     << "video-hour=4294967295";
    QTest::addRow("video second negative") << "5.evtdat"
                                           << "video-second=4"
                                           << "video-second=-1";
    QTest::addRow("section length beyond float") << "segments.dat"
                                                 << "property\\10\\value=2.50"
                                                 << "property\\10\\value=1e39";
    QTest::addRow("inclination distance beyond float") << "Inclination/INC_0003.txt"
                                                       << "2.00;0.78"
                                                       << "1e39;0.78";
    QTest::addRow("inclination all huge") << "Inclination/INC_0003.txt"
                                          << "4.00;0.94"
                                          << "3e38;3e38\n-3e38;-3e38";
    QTest::addRow("start altitude beyond float") << "Inclination/INC_0003.txt"
                                                 << "Start Altitude:767.22"
                                                 << "Start Altitude:1e39";
    QTest::addRow("photo name leaves directory") << "5.evtdat"
                                                 << "imagefile=5_0077.jpg"
                                                 << "imagefile=../../secret";
    QTest::addRow("inclination name absolute") << "segments.dat"
                                               << "inclinationfile=INC_0012.txt"
                                               << "inclinationfile=" + sentinelPath();
    QTest::addRow("property size two billion") << "5.evtdat"
                                               << "property\\size=2"
                                               << "property\\size=2000000000";
    QTest::addRow("event file is a directory") << "12.evtdat"
                                               << ""
                                               << "";
    QTest::addRow("events at both ends of float") << "12.evtdat"
                                                  << "metervalue=0\n"
                                                  << "metervalue=-3.4e38\n";
    QTest::addRow("event far beyond the section") << "12.evtdat"
                                                  << "metervalue=1.68"
                                                  << "metervalue=3.4e38";
    QTest::addRow("inclination at both ends of float") << "Inclination/INC_0003.txt"
                                                       << "2.00;0.78"
                                                       << "-3.4e38;3.4e38\n3.4e38;-3.4e38";
    QTest::addRow("variant list of two billion") << "project.dat"
                                                 << "created=2024-04-15"
                                                 << "created=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)";
    QTest::addRow("variant of unknown type") << "segments.dat"
                                             << "name=S12 - S13"
                                             << "name=@Variant(\\0\\0\\0\\x7f\\xff\\xff\\xff)";
}

void TestRobustness::damagedProjects()
{
    QFETCH(QString, sFile);
    QFETCH(QString, sFind);
    QFETCH(QString, sReplace);
    FileTree cProject = m_project;
    QVERIFY2(cProject.files.contains(sFile), qPrintable(sFile));
    if (sFind.isEmpty()) {
        cProject.files.remove(sFile);
        cProject.directories << sFile;
    } else {
        QByteArray &data = cProject.files[sFile];
        QVERIFY2(data.contains(sFind.toUtf8()), qPrintable(sFind));
        data.replace(sFind.toUtf8(), sReplace.toUtf8());
    }
    QVERIFY(writeTrees(cProject, m_install));
    const QByteArray before = treeHash(projectPath());
    exercise(QString::fromLatin1(QTest::currentDataTag()), true);
    QCOMPARE(treeHash(projectPath()), before);
}

// Every value of a key in a catalog file set to one extreme; the layout's
// numbers become coordinates, counts and loop bounds of the report.
void TestRobustness::damagedCatalogs_data()
{
    QTest::addColumn<QString>("sFile");
    QTest::addColumn<QString>("sKey");
    QTest::addColumn<QString>("sValue");

    const QString sLayout = QStringLiteral("PrintoutLayouts/OstrelDemo_A4.lay");
    const QString sData = QStringLiteral("CatalogPrintoutData/OstrelDemo.pod");
    const QString sStandard = QStringLiteral("CatalogBaseData/OstrelDemo.std");
    const struct
    {
        const char *pszKey;
        const char *pszValue;
    } layoutCases[] = {{"width", "2000000000"},
                       {"width", "-2000000000"},
                       {"width", "0"},
                       {"height", "2000000000"},
                       {"height", "-2000000000"},
                       {"height", "0"},
                       {"font-size", "2000000000"},
                       {"font-size", "-12"},
                       {"font-size", "0"},
                       {"text-alignment", "-1"},
                       {"link-type", "2147483647"},
                       {"id", "-2147483648"},
                       {"color", "0x"},
                       {"style", "-7"},
                       {"size", "2000000000"},
                       {"rect-[a-z]+", "2000000000"},
                       {"rect-[a-z]+", "-2000000000"},
                       {"grid-[xy]-sections", "2000000000"},
                       {"grid-[xy]-sections", "-1"},
                       {"grid-[a-z]+-width|gird-border-width", "2000000000"},
                       {"circle-diameter", "2000000000"},
                       {"line-distance", "0"},
                       {"line-distance", "-2000000000"},
                       {"max-node-text-width", "-1"},
                       {"text-[xy]|width[123]", "2000000000"},
                       {"[^=\\n]+", "nan"},
                       // Every size at the int limit: no arithmetic on them may overflow.
                       {"width|height|font-size|circle-diameter|line-distance|max-node-text-width|text-[xy]|"
                        "width[123]|rect-[a-z]+|grid-[a-z]+-width|gird-border-width",
                        "2147483647"}};
    for (const auto &cCase : layoutCases)
        QTest::addRow("layout %s=%s", cCase.pszKey, cCase.pszValue)
            << sLayout << QString::fromLatin1(cCase.pszKey) << QString::fromLatin1(cCase.pszValue);
    QTest::addRow("damage class colours garbage") << sData << "color"
                                                  << "#zz";
    QTest::addRow("damage class values equal") << sData << "value"
                                               << "0";
    QTest::addRow("damage class texts huge") << sData << "text" << QString(100000, QLatin1Char('W'));
    QTest::addRow("standard units unknown") << sStandard << "[a-z-]+-unit"
                                            << "parsec";
    QTest::addRow("standard delimiter long") << sStandard << "text-delimiter" << QString(5000, QLatin1Char('|'));
    QTest::addRow("standard directions empty") << sStandard << "[a-z-]+-dir"
                                               << "";
    QTest::addRow("standard property ids negative") << sStandard << "id"
                                                    << "-1";
}

void TestRobustness::damagedCatalogs()
{
    QFETCH(QString, sFile);
    QFETCH(QString, sKey);
    QFETCH(QString, sValue);
    FileTree cInstall = m_install;
    QVERIFY2(cInstall.files.contains(sFile), qPrintable(sFile));
    const QRegularExpression cPattern(QStringLiteral("^((?:[^=\\n]*\\\\)?(?:%1))=[^\\n]*$").arg(sKey),
                                      QRegularExpression::MultilineOption);
    QString sText = QString::fromUtf8(cInstall.files.value(sFile));
    QVERIFY2(cPattern.match(sText).hasMatch(), qPrintable(sKey));
    sText.replace(cPattern,
                  QStringLiteral("\\1=") + QString(sValue).replace(QLatin1Char('\\'), QStringLiteral("\\\\")));
    cInstall.files[sFile] = sText.toUtf8();
    QVERIFY(writeTrees(m_project, cInstall));
    const QByteArray before = treeHash(projectPath());
    QElapsedTimer cTimer;
    cTimer.start();
    exercise(QString::fromLatin1(QTest::currentDataTag()), true);
    QVERIFY2(cTimer.elapsed() < 20000 * TestHelpers::timeFactor(),
             qPrintable(QStringLiteral("took %1 ms").arg(cTimer.elapsed())));
    QCOMPARE(treeHash(projectPath()), before);
}

void TestRobustness::layoutRectangles_data()
{
    QTest::addColumn<int>("iX");
    QTest::addColumn<int>("iY");
    QTest::addColumn<int>("iWidth");
    QTest::addColumn<int>("iHeight");
    QTest::addColumn<QRect>("cExpected");
    const int iMax = std::numeric_limits<int>::max();
    QTest::addRow("as written") << 16000 << 600 << 8000 << 1200 << QRect(16000, 600, 8000, 1200);
    QTest::addRow("right edge beyond int")
        << 2000000000 << 0 << 2000000000 << 10 << QRect(2000000000, 0, iMax - 2000000000, 10);
    QTest::addRow("bottom edge beyond int")
        << 0 << 2000000000 << 10 << 2000000000 << QRect(0, 2000000000, 10, iMax - 2000000000);
    QTest::addRow("lowest int position") << std::numeric_limits<int>::min() << std::numeric_limits<int>::min() << 0 << 0
                                         << QRect(-iMax, -iMax, 0, 0);
    QTest::addRow("negative position, huge size")
        << -2000000000 << -2000000000 << iMax << iMax << QRect(-2000000000, -2000000000, iMax, iMax);
    QTest::addRow("negative size") << 10 << 10 << -5 << -2000000000 << QRect(10, 10, 0, 0);
}

// Rectangles of a damaged layout keep their edges inside the int range, so
// width and height read back as stored instead of wrapping.
void TestRobustness::layoutRectangles()
{
    QFETCH(int, iX);
    QFETCH(int, iY);
    QFETCH(int, iWidth);
    QFETCH(int, iHeight);
    QFETCH(QRect, cExpected);
    // A file of its own per row: see writeTrees.
    const QString sPath =
        m_root.path() + QStringLiteral("/rect-%1.lay").arg(QString::fromLatin1(QTest::currentDataTag()));
    QFile file(sPath);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QStringLiteral("[inclination-legend]\nrect-x=%1\nrect-y=%2\nrect-width=%3\nrect-height=%4\n")
                   .arg(iX)
                   .arg(iY)
                   .arg(iWidth)
                   .arg(iHeight)
                   .toUtf8());
    file.close();
    const std::unique_ptr<PrintoutLayout> cLayout = readPrintoutLayout(sPath);
    QVERIFY(cLayout);
    const QRect cRect = cLayout->inclinationLegend()->rect();
    QCOMPARE(cRect, cExpected);
    QCOMPARE(cRect.width(), cExpected.width());
    QVERIFY(qint64(cRect.x()) + cRect.width() <= std::numeric_limits<int>::max());
    QVERIFY(qint64(cRect.y()) + cRect.height() <= std::numeric_limits<int>::max());
}

// A header of saturated height pushes the body down without wrapping it
// above the page.
void TestRobustness::bodyBelowHugeHeader()
{
    LayoutTable cTable(1000);
    cTable.appendRow(std::numeric_limits<int>::max());
    QCOMPARE(cTable.height(), std::numeric_limits<int>::max());
    PrintoutPage cPage;
    cPage.setHeader(std::make_unique<CTablePrintoutItem>(&cTable));
    const QRect cBody = bodyArea(cPage);
    QVERIFY2(cBody.top() > 0, qPrintable(QString::number(cBody.top())));
    QCOMPARE(cBody.height(), pageRectangle().height());
    QVERIFY(cBody.bottom() > cBody.top());
}

QTEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
