#include "storage/CIniReader.h"

#include "storage/CIniDocument.h"
#include "storage/ContainedFile.h"

#include <QFile>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// A key or group name as the settings class normalises it: no leading,
// trailing or doubled "/".
QString normalizedKey(QStringView sKey)
{
    QString sResult;
    sResult.reserve(sKey.size());
    for (const QStringView sPart : sKey.tokenize(u'/', Qt::SkipEmptyParts)) {
        if (!sResult.isEmpty())
            sResult += u'/';
        sResult += sPart;
    }
    return sResult;
}
} // namespace

CIniReader::CIniReader() = default;

CIniReader::CIniReader(const QString &sPath)
    : CIniReader(sPath, QString())
{
}

CIniReader::CIniReader(const QString &sPath, const QString &sDirectory)
{
    // No document at all for a directory, a missing file or one that lies
    // outside sDirectory: every query then answers empty.
    QFile file;
    m_bReadable = openFileInside(file, sDirectory, sPath);
    if (!m_bReadable)
        return;
    m_document = std::make_unique<const CIniDocument>(file.readAll());
}

CIniReader CIniReader::fromData(const QByteArray &data)
{
    CIniReader reader;
    reader.m_bReadable = true;
    reader.m_document = std::make_unique<const CIniDocument>(data);
    return reader;
}

CIniReader::~CIniReader() = default;
CIniReader::CIniReader(CIniReader &&) noexcept = default;
CIniReader &CIniReader::operator=(CIniReader &&) noexcept = default;

qsizetype CIniReader::Level::length() const
{
    qsizetype iLength = sName.size();
    if (iNumber > 0) {
        ++iLength; // the "/"
        for (qsizetype n = iNumber; n > 0; n /= 10)
            ++iLength;
    }
    return iLength;
}

void CIniReader::pushLevel(const Level &level)
{
    m_levels.push_back(level);
    if (!level.sName.isEmpty())
        m_sGroupPrefix += level.sName + u'/';
}

void CIniReader::popLevel()
{
    if (m_levels.empty())
        return;
    const qsizetype iLength = m_levels.back().length();
    m_levels.pop_back();
    if (iLength > 0)
        m_sGroupPrefix.truncate(m_sGroupPrefix.size() - (iLength + 1));
}

template <typename Use>
auto CIniReader::withFullKey(const QString &sKey, Use use) const
{
    // Built on the stack: a lookup allocates nothing for the key.
    QVarLengthArray<QChar, 256> key;
    key.append(m_sGroupPrefix.constData(), m_sGroupPrefix.size());
    if (!sKey.contains(u'/')) {
        key.append(sKey.constData(), sKey.size());
    } else {
        bool bFirst = true;
        for (const QStringView sPart : QStringView(sKey).tokenize(u'/', Qt::SkipEmptyParts)) {
            if (!bFirst)
                key.append(u'/');
            key.append(sPart.data(), sPart.size());
            bFirst = false;
        }
    }
    return use(QStringView(key.constData(), key.size()));
}

QStringList CIniReader::childGroups() const
{
    return m_document ? m_document->childGroups(m_sGroupPrefix) : QStringList();
}

QStringList CIniReader::childKeys() const
{
    return m_document ? m_document->childKeys(m_sGroupPrefix) : QStringList();
}

void CIniReader::beginGroup(const QString &sGroup)
{
    if (m_bReadable)
        pushLevel(Level{normalizedKey(sGroup), -1});
}

void CIniReader::endGroup()
{
    if (m_bReadable)
        popLevel();
}

bool CIniReader::contains(const QString &sKey) const
{
    return m_document && withFullKey(sKey, [this](QStringView sFullKey) { return m_document->contains(sFullKey); });
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
    const QString sArray = normalizedKey(sName);
    pushLevel(Level{sArray, 0});
    const int iSize = value(QStringLiteral("size")).toInt();
    m_arrayElements.emplace_back();
    if (iSize <= 0)
        return 0;
    if (iSize <= kTrustedArraySize) {
        // The common case, cheaply: the last element is there.
        setArrayIndex(iSize - 1);
        const bool bLastPresent = m_document->hasKeysBelow(m_sGroupPrefix);
        setArrayIndex(0);
        if (bLastPresent)
            return iSize;
    }
    // Otherwise ask for the element numbers that exist, so a size key of two
    // billion with two elements costs two iterations.
    popLevel();
    const QStringList groups = m_document->childGroups(m_sGroupPrefix + (sArray.isEmpty() ? QString() : sArray + u'/'));
    pushLevel(Level{sArray, 0});
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
    if (!m_bReadable || m_levels.empty() || !m_levels.back().isArray())
        return;
    if (!m_arrayElements.empty() && !m_arrayElements.back().empty()) {
        const std::vector<int> &elements = m_arrayElements.back();
        if (iIndex >= 0 && iIndex < static_cast<int>(elements.size()))
            iIndex = elements[static_cast<size_t>(iIndex)] - 1;
    }
    // The settings class replaces the innermost level's part of the prefix,
    // which precedes its final "/".
    Level &level = m_levels.back();
    const qsizetype iOldLength = level.length();
    level.iNumber = std::max(iIndex, 0) + 1;
    QString sNumber = QString::number(level.iNumber);
    sNumber.prepend(u'/');
    const qsizetype iNamePos = m_sGroupPrefix.size() - iOldLength - 1 + level.sName.size();
    m_sGroupPrefix.replace(iNamePos, iOldLength - level.sName.size(), sNumber);
}

void CIniReader::endArray()
{
    if (!m_bReadable)
        return;
    if (!m_arrayElements.empty())
        m_arrayElements.pop_back();
    popLevel();
}

QVariant CIniReader::value(const QString &sKey) const
{
    if (!m_document || sKey.isEmpty())
        return QVariant();
    return withFullKey(sKey, [this](QStringView sFullKey) { return m_document->value(sFullKey); });
}

QString CIniReader::variantToText(const QVariant &vValue)
{
    if (vValue.userType() == QMetaType::QStringList)
        return vValue.toStringList().join(QStringLiteral(", "));
    if (vValue.userType() == QMetaType::QVariantList) {
        // A comma list with an element starting with "@": each element as
        // its own text.
        const QVariantList elements = vValue.toList();
        QStringList texts;
        texts.reserve(elements.size());
        for (const QVariant &vElement : elements)
            texts.append(vElement.userType() == QMetaType::QStringList
                             ? vElement.toStringList().join(QStringLiteral(", "))
                             : vElement.toString());
        return texts.join(QStringLiteral(", "));
    }
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
