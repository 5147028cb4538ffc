#include "storage/CIniReader.h"

#include "storage/CIniDocument.h"
#include "storage/ContainedFile.h"
#include "storage/IniValue.h"

#include <QFile>
#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {
// A key or group name as the settings class normalises it: no leading,
// trailing or doubled "/".
QString normalizedKey(const QString &sKey)
{
    // Most names have no "/" at all: shared as they are.
    if (!sKey.contains(u'/'))
        return sKey;
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

CIniReader::CIniReader() : m_uPrefixHash(CIniDocument::hashOf(QStringView()))
{
}

CIniReader::CIniReader(const QString &sPath) : CIniReader(sPath, QString())
{
}

CIniReader::CIniReader(const QString &sPath, const QString &sDirectory) : CIniReader()
{
    // No document at all for a directory, a missing file or one that lies
    // outside sDirectory: every query then answers empty.
    QFile file;
    m_bReadable = openFileInside(file, sDirectory, sPath);
    if (!m_bReadable)
        return;
    m_document = std::make_shared<const CIniDocument>(file.readAll());
}

CIniReader CIniReader::fromData(const QByteArray &data)
{
    CIniReader reader;
    reader.m_bReadable = true;
    reader.m_document = std::make_shared<const CIniDocument>(data);
    return reader;
}

CIniReader CIniReader::sharedReader() const
{
    CIniReader reader;
    reader.m_bReadable = m_bReadable;
    reader.m_document = m_document;
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
    m_levels.back().iPrefixBefore = m_sGroupPrefix.size();
    m_levels.back().uHashBefore = m_uPrefixHash;
    if (!level.sName.isEmpty()) {
        m_sGroupPrefix += level.sName;
        m_sGroupPrefix += u'/';
    }
    prefixChanged();
}

void CIniReader::prefixChanged()
{
    // Only the innermost level's part changes, and a named level's part
    // follows the prefix it was entered with.
    if (!m_levels.empty() && !m_levels.back().sName.isEmpty()) {
        const Level &level = m_levels.back();
        m_uPrefixHash =
            CIniDocument::hashOf(QStringView(m_sGroupPrefix).sliced(level.iPrefixBefore), level.uHashBefore);
        return;
    }
    m_uPrefixHash = CIniDocument::hashOf(m_sGroupPrefix, CIniDocument::hashOf(QStringView()));
}

void CIniReader::popLevel()
{
    if (m_levels.empty())
        return;
    const qsizetype iLength = m_levels.back().length();
    const bool bNamed = !m_levels.back().sName.isEmpty();
    const quint64 uHashBefore = m_levels.back().uHashBefore;
    m_levels.pop_back();
    if (iLength > 0)
        m_sGroupPrefix.truncate(m_sGroupPrefix.size() - (iLength + 1));
    if (bNamed)
        m_uPrefixHash = uHashBefore;
    else
        m_uPrefixHash = CIniDocument::hashOf(m_sGroupPrefix, CIniDocument::hashOf(QStringView()));
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

qint32 CIniReader::entryOf(const QString &sKey) const
{
    if (!m_document)
        return -1;
    // A plain key continues the prefix's hash; one with "/" is normalised.
    if (!sKey.isEmpty() && std::none_of(sKey.cbegin(), sKey.cend(), [](QChar ch) { return ch == u'/'; }))
        return m_document->findEntry(m_sGroupPrefix, m_uPrefixHash, sKey);
    return withFullKey(sKey, [this](QStringView sFullKey) { return m_document->findEntry(sFullKey); });
}

bool CIniReader::contains(const QString &sKey) const
{
    return entryOf(sKey) >= 0;
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
    const int iSize = arraySize();
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
    // "/" and the number, written on the stack.
    char16_t aNumber[24];
    qsizetype iDigits = 0;
    for (qsizetype n = level.iNumber; n > 0; n /= 10)
        aNumber[23 - iDigits++] = char16_t(u'0' + n % 10);
    aNumber[23 - iDigits] = u'/';
    const QStringView sNumber(aNumber + 23 - iDigits, iDigits + 1);
    const qsizetype iNamePos = m_sGroupPrefix.size() - iOldLength - 1 + level.sName.size();
    m_sGroupPrefix.replace(iNamePos, iOldLength - level.sName.size(), sNumber.data(), sNumber.size());
    prefixChanged();
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
    const qint32 iEntry = entryOf(sKey);
    return iEntry < 0 ? QVariant() : IniValue::decode(m_document->rawValue(iEntry));
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

QString CIniReader::rawToText(QByteArrayView raw)
{
    bool bPlain = false;
    QString sText = IniValue::plainText(raw, bPlain);
    return bPlain ? sText : variantToText(IniValue::decode(raw));
}

QString CIniReader::text(const QString &sKey) const
{
    if (sKey.isEmpty())
        return QString();
    const qint32 iEntry = entryOf(sKey);
    return iEntry < 0 ? QString() : rawToText(m_document->rawValue(iEntry));
}

bool CIniReader::readText(const QString &sKey, QString &sText) const
{
    const qint32 iEntry = sKey.isEmpty() ? -1 : entryOf(sKey);
    if (iEntry < 0) {
        sText.resize(0);
        return false;
    }
    const QByteArrayView raw = m_document->rawValue(iEntry);
    // Plain ASCII (no quotes, escapes or commas, no "@" form) is its own
    // text, widened in one pass.
    const QByteArrayView trimmed = IniValue::trimmedBlanks(raw);
    bool bPlain = trimmed.isEmpty() || trimmed.front() != '@';
    if (bPlain) {
        sText.resize(trimmed.size());
        char16_t *pOut = reinterpret_cast<char16_t *>(sText.data());
        for (const char c : trimmed) {
            const auto ch = static_cast<uchar>(c);
            if (ch >= 0x80 || ch == '\\' || ch == '"' || ch == ',') {
                bPlain = false;
                break;
            }
            *pOut++ = ch;
        }
        // (The blanks trimmed off hold no quote, escape or comma either.)
        if (bPlain)
            return true;
    }
    sText = rawToText(raw);
    return true;
}

namespace {
using IniValue::trimmedBlanks;

// Numbers are most often written as plain digits; those are read here
// without a text in between. Anything else (signs, blanks, exponents, other
// forms) goes the general way, so the results are the same either way.
bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

bool simpleInteger(QByteArrayView raw, bool bSigned, qint64 &iValue)
{
    raw = trimmedBlanks(raw);
    const bool bNegative = bSigned && !raw.isEmpty() && raw.front() == '-';
    if (bNegative)
        raw = raw.sliced(1);
    if (raw.isEmpty() || raw.size() > 9)
        return false;
    qint64 iResult = 0;
    for (const char ch : raw) {
        if (!isDigit(ch))
            return false;
        iResult = iResult * 10 + (ch - '0');
    }
    iValue = bNegative ? -iResult : iResult;
    return true;
}

bool simpleDecimal(QByteArrayView raw, double &dValue)
{
    raw = trimmedBlanks(raw);
    const qsizetype iStart = !raw.isEmpty() && raw.front() == '-' ? 1 : 0;
    qsizetype i = iStart;
    while (i < raw.size() && isDigit(raw.at(i)))
        ++i;
    if (i == iStart || i - iStart > 17)
        return false;
    if (i < raw.size() && raw.at(i) == '.') {
        const qsizetype iFraction = ++i;
        while (i < raw.size() && isDigit(raw.at(i)))
            ++i;
        if (i == iFraction || i - iFraction > 17)
            return false;
    }
    if (i != raw.size())
        return false;
    const auto result = std::from_chars(raw.data(), raw.data() + raw.size(), dValue);
    return result.ec == std::errc() && result.ptr == raw.data() + raw.size();
}
} // namespace

int CIniReader::arraySize() const
{
    static const QString sSizeKey = QStringLiteral("size");
    const qint32 iEntry = entryOf(sSizeKey);
    qint64 iValue = 0;
    if (iEntry >= 0 && simpleInteger(m_document->rawValue(iEntry), true, iValue))
        return static_cast<int>(iValue);
    return value(sSizeKey).toInt();
}

int CIniReader::toInt(const QString &sKey) const
{
    const qint32 iEntry = sKey.isEmpty() ? -1 : entryOf(sKey);
    if (iEntry < 0)
        return 0;
    const QByteArrayView raw = m_document->rawValue(iEntry);
    qint64 iValue = 0;
    if (simpleInteger(raw, true, iValue))
        return static_cast<int>(iValue);
    return textToInt(rawToText(raw));
}

unsigned int CIniReader::toUInt(const QString &sKey) const
{
    const qint32 iEntry = sKey.isEmpty() ? -1 : entryOf(sKey);
    if (iEntry < 0)
        return 0u;
    const QByteArrayView raw = m_document->rawValue(iEntry);
    qint64 iValue = 0;
    if (simpleInteger(raw, false, iValue))
        return static_cast<unsigned int>(iValue);
    bool bOk = false;
    const unsigned int uiValue = rawToText(raw).trimmed().toUInt(&bOk);
    return bOk ? uiValue : 0u;
}

double CIniReader::toDouble(const QString &sKey) const
{
    const qint32 iEntry = sKey.isEmpty() ? -1 : entryOf(sKey);
    if (iEntry < 0)
        return 0.0;
    const QByteArrayView raw = m_document->rawValue(iEntry);
    double dValue = 0.0;
    if (simpleDecimal(raw, dValue))
        return std::fabs(dValue) > std::numeric_limits<float>::max() ? 0.0 : dValue;
    return textToDouble(rawToText(raw));
}

bool CIniReader::toBool(const QString &sKey) const
{
    const QVariant vValue = value(sKey);
    if (!vValue.isValid())
        return false;
    const QString sText = variantToText(vValue).trimmed();
    return !(sText.isEmpty() || sText == QLatin1String("0")
             || sText.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0);
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
