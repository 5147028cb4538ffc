#include "storage/CIniReader.h"

#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <cmath>
#include <limits>

CIniReader::CIniReader(const QString &sPath)
{
    const QFileInfo info(sPath);
    m_bReadable = info.isFile() && info.isReadable();
    // No settings object at all for a directory or a missing file: every
    // query then answers empty, and nothing is ever written back.
    if (m_bReadable)
        m_settings = std::make_unique<QSettings>(sPath, QSettings::IniFormat);
}

CIniReader::~CIniReader() = default;

QStringList CIniReader::childGroups() const
{
    return m_bReadable ? m_settings->childGroups() : QStringList();
}

QStringList CIniReader::childKeys() const
{
    return m_bReadable ? m_settings->childKeys() : QStringList();
}

void CIniReader::beginGroup(const QString &sGroup)
{
    if (m_bReadable)
        m_settings->beginGroup(sGroup);
}

void CIniReader::endGroup()
{
    if (m_bReadable)
        m_settings->endGroup();
}

bool CIniReader::contains(const QString &sKey) const
{
    return m_bReadable && m_settings->contains(sKey);
}

namespace {
// Arrays up to this size whose last element exists are taken as written;
// looping over a few empty elements costs nothing. Larger ones are checked
// against the element numbers actually present.
constexpr int kTrustedArraySize = 1024;
} // namespace

int CIniReader::beginReadArray(const QString &sName)
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

void CIniReader::setArrayIndex(int iIndex)
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

void CIniReader::endArray()
{
    if (!m_bReadable)
        return;
    if (!m_arrayElements.empty())
        m_arrayElements.pop_back();
    m_settings->endArray();
}

QVariant CIniReader::value(const QString &sKey) const
{
    return m_bReadable ? m_settings->value(sKey) : QVariant();
}

QString CIniReader::variantToText(const QVariant &vValue)
{
    if (vValue.userType() == QMetaType::QStringList)
        return vValue.toStringList().join(QStringLiteral(", "));
    return vValue.toString();
}

int CIniReader::textToInt(const QString &sText)
{
    bool bOk = false;
    const int iValue = sText.trimmed().toInt(&bOk);
    return bOk ? iValue : 0;
}

double CIniReader::textToDouble(const QString &sText)
{
    bool bOk = false;
    const double dValue = sText.trimmed().toDouble(&bOk);
    // Beyond single precision counts as unconvertible too: meter values are
    // held as floats and must never become infinite.
    if (!bOk || !std::isfinite(dValue) || std::fabs(dValue) > std::numeric_limits<float>::max())
        return 0.0;
    return dValue;
}

QString CIniReader::text(const QString &sKey) const
{
    return variantToText(value(sKey));
}

int CIniReader::toInt(const QString &sKey) const
{
    return textToInt(text(sKey));
}

unsigned int CIniReader::toUInt(const QString &sKey) const
{
    bool bOk = false;
    const unsigned int uiValue = text(sKey).trimmed().toUInt(&bOk);
    return bOk ? uiValue : 0u;
}

double CIniReader::toDouble(const QString &sKey) const
{
    return textToDouble(text(sKey));
}

bool CIniReader::toBool(const QString &sKey) const
{
    const QVariant vValue = value(sKey);
    if (!vValue.isValid())
        return false;
    const QString sText = variantToText(vValue).trimmed();
    return !(sText.isEmpty() || sText == QLatin1String("0") || sText.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0);
}

QDate CIniReader::toDate(const QString &sKey) const
{
    const QVariant vValue = value(sKey);
    if (vValue.userType() == QMetaType::QDate)
        return vValue.toDate();
    if (vValue.userType() == QMetaType::QDateTime)
        return vValue.toDateTime().date();
    return QDate::fromString(variantToText(vValue).trimmed(), Qt::ISODate);
}
