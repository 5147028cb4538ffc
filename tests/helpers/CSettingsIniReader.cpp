#include "CSettingsIniReader.h"

#include "storage/CIniReader.h"

#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <algorithm>
#include <cmath>
#include <limits>

CSettingsIniReader::CSettingsIniReader(const QString &sPath)
{
    const QFileInfo info(sPath);
    m_bReadable = info.isFile() && info.isReadable();
    // No settings object at all for a directory or a missing file: every
    // query then answers empty, and nothing is ever written back.
    if (m_bReadable) {
        m_settings = std::make_unique<QSettings>(sPath, QSettings::IniFormat);
        m_settings->allKeys();
    }
}

std::unique_ptr<CSettingsIniReader> CSettingsIniReader::fromData(const QByteArray &data)
{
    auto file = std::make_unique<QTemporaryFile>();
    if (!file->open() || file->write(data) != data.size() || !file->flush())
        return nullptr;
    auto reader = std::make_unique<CSettingsIniReader>(file->fileName());
    reader->m_file = std::move(file);
    return reader;
}

QString CSettingsIniReader::lazyText(const QByteArray &data, const QString &sGroup, const QString &sKey)
{
    QTemporaryFile file;
    if (!file.open() || file.write(data) != data.size() || !file.flush())
        return QStringLiteral("<not written>");
    QSettings settings(file.fileName(), QSettings::IniFormat);
    settings.beginGroup(sGroup);
    const QVariant vValue = settings.value(sKey);
    return vValue.userType() == QMetaType::QStringList ? vValue.toStringList().join(QStringLiteral(", "))
                                                       : vValue.toString();
}

CSettingsIniReader::~CSettingsIniReader() = default;

QStringList CSettingsIniReader::childGroups() const
{
    return m_bReadable ? m_settings->childGroups() : QStringList();
}

QStringList CSettingsIniReader::childKeys() const
{
    return m_bReadable ? m_settings->childKeys() : QStringList();
}

void CSettingsIniReader::beginGroup(const QString &sGroup)
{
    if (m_bReadable)
        m_settings->beginGroup(sGroup);
}

void CSettingsIniReader::endGroup()
{
    if (m_bReadable)
        m_settings->endGroup();
}

bool CSettingsIniReader::contains(const QString &sKey) const
{
    return m_bReadable && m_settings->contains(sKey);
}

namespace {
// Arrays up to this size whose last element exists are taken as written;
// looping over a few empty elements costs nothing. Larger ones are checked
// against the element numbers actually present.
constexpr int kTrustedArraySize = 1024;
} // namespace

int CSettingsIniReader::beginReadArray(const QString &sName)
{
    if (!m_bReadable)
        return 0;
    const int iSize = m_settings->beginReadArray(sName);
    m_arrayElements.emplace_back();
    if (iSize <= 0)
        return 0;
    if (iSize <= kTrustedArraySize) {
        // The common case, cheaply: the last element is there.
        m_settings->setArrayIndex(iSize - 1);
        const bool bLastPresent = !m_settings->childKeys().isEmpty() || !m_settings->childGroups().isEmpty();
        m_settings->setArrayIndex(0);
        if (bLastPresent)
            return iSize;
    }
    // Otherwise ask for the element numbers that exist, so a size key of two
    // billion with two elements costs two iterations.
    m_settings->endArray();
    m_settings->beginGroup(sName);
    const QStringList groups = m_settings->childGroups();
    m_settings->endGroup();
    m_settings->beginReadArray(sName);
    std::vector<int> elements;
    elements.reserve(static_cast<size_t>(groups.size()));
    for (const QString &sGroup : groups) {
        bool bOk = false;
        const int iNumber = sGroup.toInt(&bOk);
        if (bOk && iNumber >= 1 && iNumber <= iSize)
            elements.push_back(iNumber);
    }
    if (elements.empty())
        return 0;
    std::sort(elements.begin(), elements.end());
    elements.erase(std::unique(elements.begin(), elements.end()), elements.end());
    const int iHighest = elements.back();
    const int iPresent = static_cast<int>(elements.size());
    // Mostly dense: index i stays element i + 1, a gap reads as empty.
    if (iHighest <= 2 * iPresent + kTrustedArraySize)
        return iHighest;
    m_arrayElements.back() = std::move(elements);
    return iPresent;
}

void CSettingsIniReader::setArrayIndex(int iIndex)
{
    if (!m_bReadable)
        return;
    if (!m_arrayElements.empty() && !m_arrayElements.back().empty()) {
        const std::vector<int> &elements = m_arrayElements.back();
        if (iIndex >= 0 && iIndex < static_cast<int>(elements.size()))
            iIndex = elements[static_cast<size_t>(iIndex)] - 1;
    }
    m_settings->setArrayIndex(iIndex);
}

void CSettingsIniReader::endArray()
{
    if (!m_bReadable)
        return;
    if (!m_arrayElements.empty())
        m_arrayElements.pop_back();
    m_settings->endArray();
}

QVariant CSettingsIniReader::value(const QString &sKey) const
{
    return m_bReadable ? m_settings->value(sKey) : QVariant();
}

QString CSettingsIniReader::text(const QString &sKey) const
{
    return CIniReader::variantToText(value(sKey));
}

int CSettingsIniReader::toInt(const QString &sKey) const
{
    return CIniReader::textToInt(text(sKey));
}

unsigned int CSettingsIniReader::toUInt(const QString &sKey) const
{
    bool bOk = false;
    const unsigned int uiValue = text(sKey).trimmed().toUInt(&bOk);
    return bOk ? uiValue : 0u;
}

double CSettingsIniReader::toDouble(const QString &sKey) const
{
    return CIniReader::textToDouble(text(sKey));
}

bool CSettingsIniReader::toBool(const QString &sKey) const
{
    const QVariant vValue = value(sKey);
    if (!vValue.isValid())
        return false;
    const QString sText = CIniReader::variantToText(vValue).trimmed();
    return !(sText.isEmpty() || sText == QLatin1String("0")
             || sText.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0);
}

QDate CSettingsIniReader::toDate(const QString &sKey) const
{
    const QVariant vValue = value(sKey);
    if (vValue.userType() == QMetaType::QDate)
        return vValue.toDate();
    if (vValue.userType() == QMetaType::QDateTime)
        return vValue.toDateTime().date();
    return QDate::fromString(CIniReader::variantToText(vValue).trimmed(), Qt::ISODate);
}
