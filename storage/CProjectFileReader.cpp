#include "storage/CProjectFileReader.h"

#include "model/CBaseProject.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CProperty.h"
#include "model/CPropertyList.h"
#include "model/CPropertyStore.h"
#include "storage/CIniReader.h"
#include "storage/IProjectOpenObserver.h"
#include "storage/PathUtils.h"
#include "storage/ProjectDirectory.h"
#include "storage/StorageErrors.h"

#include <QSet>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace {
// Keys are built once; the loops below ask for them millions of times in a
// large project.
const QString kProperty = QStringLiteral("property");
const QString kId = QStringLiteral("id");
const QString kValue = QStringLiteral("value");
const QString kCode = QStringLiteral("code");
const QString kName = QStringLiteral("name");
const QString kText = QStringLiteral("text");
const QString kAbbreviation = QStringLiteral("abbreviation");
const QString kImageFile = QStringLiteral("imagefile");
const QString kImageFile2 = QStringLiteral("imagefile2");
const QString kVideoFile = QStringLiteral("videofile");
const QString kMeterValue = QStringLiteral("metervalue");
const QString kVideoHour = QStringLiteral("video-hour");
const QString kVideoMinute = QStringLiteral("video-minute");
const QString kVideoSecond = QStringLiteral("video-second");
const QString kInclinationFile = QStringLiteral("inclinationfile");

// Runs work(i, iWorker) for every i from 0 to iCount - 1 on up to iThreads
// threads, the calling one included, and returns when all are done; iWorker
// (0 to iThreads - 1) tells the threads apart. Indexes are handed out one
// at a time; once stop() is true no further one is.
template <typename Work, typename Stop>
void forEachIndex(int iCount, int iThreads, const Work &work, const Stop &stop)
{
    std::atomic<int> iNext{0};
    const auto drain = [&](int iWorker) {
        for (int i = iNext.fetch_add(1); i < iCount && !stop(); i = iNext.fetch_add(1))
            work(i, iWorker);
    };
    const int iHelpers = std::min(iThreads, iCount) - 1;
    if (iHelpers <= 0) {
        drain(0);
        return;
    }
    // A pool of its own: the helpers never wait behind other work of the
    // program, and its threads end with it.
    QThreadPool cPool;
    cPool.setMaxThreadCount(iHelpers);
    for (int i = 1; i <= iHelpers; ++i)
        cPool.start([&drain, i] { drain(i); });
    drain(0);
    cPool.waitForDone();
}

constexpr qsizetype kLargestPooledText = 4096;

// One copy of every text that recurs in a file (codes, video names,
// standard observation texts), exactly sized.
class CTextPool
{
public:
    QString intern(const QString &sText)
    {
        if (sText.isEmpty())
            return QString();
        const auto it = m_texts.constFind(sText);
        if (it != m_texts.constEnd())
            return *it;
        const QString sCopy(sText.constData(), sText.size());
        m_texts.insert(sCopy);
        return sCopy;
    }

private:
    QSet<QString> m_texts;
};
} // namespace

PropertyListBuffers::PropertyListBuffers() = default;
PropertyListBuffers::~PropertyListBuffers() = default;
PropertyListBuffers::PropertyListBuffers(PropertyListBuffers &&) noexcept = default;
PropertyListBuffers &PropertyListBuffers::operator=(PropertyListBuffers &&) noexcept = default;

CProjectFileReader::CProjectFileReader(const QString &sProjectDirectory, const ProjectLoadOptions &cOptions)
    : m_sDirectory(sProjectDirectory), m_cOptions(cOptions)
{
    ensureTrailingSlash(m_sDirectory);
}

CProjectFileReader::~CProjectFileReader() = default;

int CProjectFileReader::threadCount(const ProjectLoadOptions &cOptions)
{
    return cOptions.iThreads > 0 ? cOptions.iThreads : std::max(1, QThread::idealThreadCount());
}

CIniReader &CProjectFileReader::projectFile() const
{
    if (!m_cProjectFile) {
        m_cProjectFile = std::make_unique<CIniReader>(projectFilePath(m_sDirectory), m_sDirectory);
        fileRead();
    }
    return *m_cProjectFile;
}

bool CProjectFileReader::isCanceled() const
{
    return m_cOptions.cObserver && m_cOptions.cObserver->isCanceled();
}

void CProjectFileReader::fileRead() const
{
    const int iRead = m_iFilesRead.fetch_add(1) + 1;
    if (m_cOptions.cObserver)
        m_cOptions.cObserver->filesRead(iRead, m_iFilesTotal.load());
}

int CProjectFileReader::readProjectFile(ProjectFileInfo &cInfo) const
{
    cInfo = ProjectFileInfo();
    // An empty text would name the current directory: it is no project.
    if (m_sDirectory.isEmpty() || !directoryExists(m_sDirectory, true))
        return ProjectAccess::NoDirectory;

    CIniReader &reader = projectFile();
    reader.beginGroup(QStringLiteral("projectfile"));
    cInfo.iVersion = reader.toInt(QStringLiteral("version"));
    reader.endGroup();
    if (cInfo.iVersion < 1 || cInfo.iVersion > 3)
        return ProjectAccess::UnsupportedVersion;

    reader.beginGroup(QStringLiteral("projectdata"));
    cInfo.sName = reader.text(kName);
    cInfo.sInspectionStandard = reader.text(QStringLiteral("inspectionstandard"));
    cInfo.bExtended = reader.toBool(QStringLiteral("extendedproject"));
    if (!cInfo.sName.isEmpty()) {
        cInfo.lastModified = reader.toDate(QStringLiteral("lastmodified"));
        cInfo.created = reader.toDate(QStringLiteral("created"));
    }
    // Left before answering: the same reader serves the address blocks.
    reader.endGroup();
    return cInfo.sName.isEmpty() ? ProjectAccess::NoProjectName : ProjectAccess::Ok;
}

void CProjectFileReader::fillProject(const ProjectFileInfo &cInfo, CBaseProject *cProject) const
{
    if (!cProject)
        return;
    cProject->setName(cInfo.sName);
    cProject->setInspectionStandard(cInfo.sInspectionStandard);
    cProject->setLastModified(cInfo.lastModified);
    cProject->setCreated(cInfo.created);
    cProject->setVersion(cInfo.iVersion);
    cProject->setDirectory(m_sDirectory);
}

bool CProjectFileReader::readInspectionData(CCorvaneProject *cProject) const
{
    if (!cProject)
        return true;
    readAddressBlocks(cProject);
    if (!readSections(cProject))
        return false;
    cProject->sortSections();
    return true;
}

void CProjectFileReader::readAddressBlocks(CCorvaneProject *cProject) const
{
    CIniReader &reader = projectFile();
    const struct
    {
        const char *pszGroup;
        CPropertyList *cList;
    } blocks[] = {{"client", cProject->client()},
                  {"officer", cProject->officer()},
                  {"contractor", cProject->contractor()}};
    for (const auto &block : blocks) {
        reader.beginGroup(QLatin1String(block.pszGroup));
        readPropertyArray(reader, block.cList, MergeProperties);
        reader.endGroup();
    }
}

std::unique_ptr<CInspectionSegment> CProjectFileReader::readSection(CIniReader &cReader, const QString &sGroup,
                                                                    CCorvaneProject *cProject,
                                                                    PropertyListBuffers &cBuffers)
{
    cReader.beginGroup(sGroup);
    const QString sName = cReader.text(kName);
    auto cProperties = std::make_unique<CPropertyList>();
    readPropertyArray(cReader, cProperties.get(), ReplaceProperties, &cBuffers);
    auto cSection = std::make_unique<CInspectionSegment>(cProject, cProperties.release(), idOfGroupName(sGroup));
    cSection->setName(sName);
    cSection->setInclinationFile(cReader.text(kInclinationFile));
    const int iVideos = cReader.beginReadArray(kVideoFile);
    for (int i = 0; i < iVideos; ++i) {
        cReader.setArrayIndex(i);
        cSection->addVideoFile(cReader.text(kName));
    }
    cReader.endArray();
    cReader.endGroup();
    return cSection;
}

bool CProjectFileReader::readSections(CCorvaneProject *cProject) const
{
    // Two rounds on several threads, each filling only its own section: the
    // section groups from the one parsed "segments.dat", which is let go
    // before the event files are read, one file per section. Each thread
    // puts its property lists into a store of its own, which the project
    // keeps (declared before the sections, so it outlives them here too).
    const int iThreads = threadCount(m_cOptions);
    std::vector<PropertyListBuffers> buffers(static_cast<size_t>(iThreads));
    for (PropertyListBuffers &cBuffers : buffers)
        cBuffers.cStore = std::make_unique<CPropertyStore>();
    std::vector<std::unique_ptr<CInspectionSegment>> sections;
    const auto stop = [this] { return isCanceled(); };
    {
        const CIniReader segments(segmentsFilePath(m_sDirectory), m_sDirectory);
        const QStringList groups = segments.childGroups();
        sections.resize(static_cast<size_t>(groups.size()));
        forEachIndex(
            static_cast<int>(groups.size()), iThreads,
            [&](int i, int iWorker) {
                CIniReader reader = segments.sharedReader();
                sections[static_cast<size_t>(i)] =
                    readSection(reader, groups.at(i), cProject, buffers[static_cast<size_t>(iWorker)]);
            },
            stop);
    }
    // "project.dat", "segments.dat" and one event file per section.
    m_iFilesTotal.store(2 + static_cast<int>(sections.size()));
    fileRead();
    if (isCanceled())
        return false;

    forEachIndex(
        static_cast<int>(sections.size()), iThreads,
        [&](int i, int iWorker) {
            readEvents(sections[static_cast<size_t>(i)].get(), buffers[static_cast<size_t>(iWorker)]);
            fileRead();
        },
        stop);
    if (isCanceled())
        return false;

    for (auto &cSection : sections)
        cProject->addSection(cSection.release());
    for (PropertyListBuffers &cBuffers : buffers)
        cProject->adoptPropertyStore(std::move(cBuffers.cStore));
    return true;
}

void CProjectFileReader::readEvents(CInspectionSegment *cSection, PropertyListBuffers &cBuffers) const
{
    CIniReader reader(eventFilePath(m_sDirectory, cSection->id()), m_sDirectory);
    const QStringList groups = reader.childGroups();
    CTextPool pool;
    QString sScratch;
    const auto pooledText = [&](const QString &sKey) {
        reader.readText(sKey, sScratch);
        // A huge text is taken as it is: no hashing, no second copy.
        if (sScratch.size() > kLargestPooledText)
            return std::exchange(sScratch, QString());
        return pool.intern(sScratch);
    };
    for (const QString &sGroup : groups) {
        reader.beginGroup(sGroup);
        const QString sText = pooledText(kText);
        const QString sAbbreviation = pooledText(kAbbreviation);
        const QString sImageFile = pooledText(kImageFile);
        const QString sImageFile2 = pooledText(kImageFile2);
        const QString sVideoFile = pooledText(kVideoFile);
        const float fMeterValue = static_cast<float>(reader.toDouble(kMeterValue));
        const unsigned int uiHour = reader.toUInt(kVideoHour);
        const unsigned int uiMinute = reader.toUInt(kVideoMinute);
        const unsigned int uiSecond = reader.toUInt(kVideoSecond);
        auto cProperties = std::make_unique<CPropertyList>();
        readPropertyArray(reader, cProperties.get(), ReplaceProperties, &cBuffers);
        reader.endGroup();

        auto cEvent = std::make_unique<CInspectionEvent>(cSection, cProperties.release(), idOfGroupName(sGroup));
        cEvent->setText(sText);
        cEvent->setAbbreviation(sAbbreviation);
        cEvent->setImageFile(sImageFile);
        cEvent->setImageFile2(sImageFile2);
        cEvent->setVideoFile(sVideoFile);
        cEvent->setMeterValue(fMeterValue);
        cEvent->setVideoTimeIndex(uiHour, uiMinute, uiSecond);
        cSection->addEvent(cEvent.release());
    }
}

void CProjectFileReader::readPropertyArray(CIniReader &cReader, CPropertyList *cList, PropertyMode eMode,
                                           PropertyListBuffers *cBuffers)
{
    if (!cList)
        return;
    if (eMode == ReplaceProperties)
        cList->clear();
    PropertyListBuffers cOwnBuffers;
    PropertyListBuffers &buffers = cBuffers ? *cBuffers : cOwnBuffers;
    buffers.cBuilder.clear();
    const int iCount = cReader.beginReadArray(kProperty);
    for (int i = 0; i < iCount; ++i) {
        cReader.setArrayIndex(i);
        const int iId = cReader.toInt(kId);
        if (eMode == ReplaceProperties) {
            cReader.readText(kValue, buffers.sValue);
            cReader.readText(kCode, buffers.sCode);
            buffers.cBuilder.append(iId, buffers.sValue, buffers.sCode);
        } else if (CProperty *cProperty = cList->findProperty(iId)) {
            cProperty->setValue(cReader.text(kValue));
            cProperty->setCode(cReader.text(kCode));
        }
    }
    cReader.endArray();
    if (eMode == ReplaceProperties)
        cList->assign(buffers.cBuilder, buffers.cStore.get());
    // A huge value (only a hostile file has one) leaves no huge buffers.
    constexpr qsizetype kKeptCapacity = 64 * 1024;
    if (buffers.sValue.capacity() > kKeptCapacity || buffers.sCode.capacity() > kKeptCapacity) {
        buffers.sValue = QString();
        buffers.sCode = QString();
        buffers.cBuilder = CPropertyList::Builder();
    }
}

int CProjectFileReader::idOfGroupName(const QString &sGroup)
{
    bool bOk = false;
    const int iId = sGroup.toInt(&bOk, 10);
    return bOk ? iId : 0;
}
