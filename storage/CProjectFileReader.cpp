#include "storage/CProjectFileReader.h"

#include "model/CBaseProject.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CProperty.h"
#include "model/CPropertyList.h"
#include "storage/CIniReader.h"
#include "storage/PathUtils.h"
#include "storage/ProjectDirectory.h"
#include "storage/StorageErrors.h"

#include <memory>

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
} // namespace

CProjectFileReader::CProjectFileReader(const QString &sProjectDirectory)
    : m_sDirectory(sProjectDirectory)
{
    ensureTrailingSlash(m_sDirectory);
}

CProjectFileReader::~CProjectFileReader() = default;

CIniReader &CProjectFileReader::projectFile() const
{
    if (!m_cProjectFile)
        m_cProjectFile = std::make_unique<CIniReader>(projectFilePath(m_sDirectory), m_sDirectory);
    return *m_cProjectFile;
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

void CProjectFileReader::readInspectionData(CCorvaneProject *cProject) const
{
    if (!cProject)
        return;
    readAddressBlocks(cProject);
    readSections(cProject);
    cProject->sortSections();
}

void CProjectFileReader::readAddressBlocks(CCorvaneProject *cProject) const
{
    CIniReader &reader = projectFile();
    const struct {
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

void CProjectFileReader::readSections(CCorvaneProject *cProject) const
{
    CIniReader reader(segmentsFilePath(m_sDirectory), m_sDirectory);
    const QStringList groups = reader.childGroups();
    for (const QString &sGroup : groups) {
        reader.beginGroup(sGroup);
        const int iId = idOfGroupName(sGroup);
        const QString sName = reader.text(kName);
        auto cProperties = std::make_unique<CPropertyList>();
        readPropertyArray(reader, cProperties.get(), ReplaceProperties);
        auto cSection = std::make_unique<CInspectionSegment>(cProject, cProperties.release(), iId);
        cSection->setName(sName);
        cSection->setInclinationFile(reader.text(kInclinationFile));
        const int iVideos = reader.beginReadArray(kVideoFile);
        for (int i = 0; i < iVideos; ++i) {
            reader.setArrayIndex(i);
            cSection->addVideoFile(reader.text(kName));
        }
        reader.endArray();
        reader.endGroup();
        readEvents(cSection.get());
        cProject->addSection(cSection.release());
    }
}

void CProjectFileReader::readEvents(CInspectionSegment *cSection) const
{
    CIniReader reader(eventFilePath(m_sDirectory, cSection->id()), m_sDirectory);
    const QStringList groups = reader.childGroups();
    for (const QString &sGroup : groups) {
        reader.beginGroup(sGroup);
        const QString sText = reader.text(kText);
        const QString sAbbreviation = reader.text(kAbbreviation);
        const QString sImageFile = reader.text(kImageFile);
        const QString sImageFile2 = reader.text(kImageFile2);
        const QString sVideoFile = reader.text(kVideoFile);
        const float fMeterValue = static_cast<float>(reader.toDouble(kMeterValue));
        const unsigned int uiHour = reader.toUInt(kVideoHour);
        const unsigned int uiMinute = reader.toUInt(kVideoMinute);
        const unsigned int uiSecond = reader.toUInt(kVideoSecond);
        auto cProperties = std::make_unique<CPropertyList>();
        readPropertyArray(reader, cProperties.get(), ReplaceProperties);
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

void CProjectFileReader::readPropertyArray(CIniReader &cReader, CPropertyList *cList, PropertyMode eMode)
{
    if (!cList)
        return;
    if (eMode == ReplaceProperties)
        cList->clear();
    const int iCount = cReader.beginReadArray(kProperty);
    for (int i = 0; i < iCount; ++i) {
        cReader.setArrayIndex(i);
        const int iId = cReader.toInt(kId);
        if (eMode == ReplaceProperties) {
            auto cProperty = std::make_unique<CProperty>(iId);
            cProperty->setValue(cReader.text(kValue));
            cProperty->setCode(cReader.text(kCode));
            cList->add(std::move(cProperty));
        } else if (CProperty *cProperty = cList->findProperty(iId)) {
            cProperty->setValue(cReader.text(kValue));
            cProperty->setCode(cReader.text(kCode));
        }
    }
    cReader.endArray();
}

int CProjectFileReader::idOfGroupName(const QString &sGroup)
{
    bool bOk = false;
    const int iId = sGroup.toInt(&bOk, 10);
    return bOk ? iId : 0;
}
