#include "storage/CIniDocument.h"

#include "storage/IniValue.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cstring>

namespace {
// Groups with at most this many keys are not sorted (see index()).
constexpr quint32 kScannedSectionSize = 512;

enum : char { Space = 0x1, Special = 0x2 };

// Space: '\t', '\n', '\r', ' '; Special: '\n', '\r', '"', ';', '=', '\\'.
constexpr char charTraits(uchar ch)
{
    switch (ch) {
    case '\t':
    case ' ': return Space;
    case '\n':
    case '\r': return Space | Special;
    case '"':
    case ';':
    case '=':
    case '\\': return Special;
    default: return 0;
    }
}

struct CharTraitTable
{
    char traits[256] = {};
    constexpr CharTraitTable()
    {
        for (int i = 0; i < 256; ++i)
            traits[i] = charTraits(uchar(i));
    }
};
constexpr CharTraitTable kTraits;

// One logical line, as the settings class splits INI text: leading blanks
// and empty lines skipped, ";" comments at the start of a line skipped,
// quotes spanning line ends, a backslash escaping the next character (and
// so continuing a line). equalsPos is the first "=" outside quotes, or -1.
bool readIniLine(const char *pData, qsizetype iDataLen, qsizetype &iDataPos, qsizetype &iLineStart, qsizetype &iLineLen,
                 qsizetype &iEqualsPos)
{
    bool bInQuotes = false;
    iEqualsPos = -1;
    iLineStart = iDataPos;
    while (iLineStart < iDataLen && (kTraits.traits[uchar(pData[iLineStart])] & Space))
        ++iLineStart;

    qsizetype i = iLineStart;
    while (i < iDataLen) {
        char ch = pData[i];
        while (!(kTraits.traits[uchar(ch)] & Special)) {
            if (++i == iDataLen)
                goto done;
            ch = pData[i];
        }
        ++i;
        if (ch == '=') {
            if (!bInQuotes && iEqualsPos == -1)
                iEqualsPos = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == iLineStart + 1) {
                ++iLineStart;
            } else if (!bInQuotes) {
                --i;
                goto done;
            }
        } else if (ch == '\\') {
            if (i < iDataLen) {
                const char escaped = pData[i++];
                if (i < iDataLen) {
                    const char next = pData[i];
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            bInQuotes = !bInQuotes;
        } else { // ';'
            if (i == iLineStart + 1) {
                while (i < iDataLen && pData[i] != '\n' && pData[i] != '\r')
                    ++i;
                while (i < iDataLen && (kTraits.traits[uchar(pData[i])] & Space))
                    ++i;
                iLineStart = i;
            } else if (!bInQuotes) {
                --i;
                goto done;
            }
        }
    }
done:
    iDataPos = i;
    iLineLen = i - iLineStart;
    return iLineLen > 0;
}

// Key and group name escapes: "\" is "/", "%XX" and "%UXXXX" are
// characters; a "%" not followed by enough hex digits stays.
QString unescapedKey(QByteArrayView key)
{
    const QString sDecoded = QString::fromUtf8(key);
    const qsizetype iSize = sDecoded.size();
    QString sResult;
    sResult.reserve(iSize);
    qsizetype i = 0;
    while (i < iSize) {
        char16_t ch = sDecoded.at(i).unicode();
        if (ch == u'\\') {
            sResult += u'/';
            ++i;
            continue;
        }
        if (ch != u'%' || i == iSize - 1) {
            sResult += QChar(ch);
            ++i;
            continue;
        }
        qsizetype iDigits = 2;
        qsizetype iFirstDigit = i + 1;
        if (sDecoded.at(i + 1) == u'U') {
            ++iFirstDigit;
            iDigits = 4;
        }
        if (iFirstDigit + iDigits > iSize) {
            sResult += u'%';
            ++i;
            continue;
        }
        bool bOk = false;
        ch = QStringView(sDecoded).sliced(iFirstDigit, iDigits).toUShort(&bOk, 16);
        if (!bOk) {
            sResult += u'%';
            ++i;
            continue;
        }
        sResult += QChar(ch);
        i = iFirstDigit + iDigits;
    }
    return sResult;
}

constexpr quint64 kHashBasis = 14695981039346656037ull;
constexpr quint64 kHashPrime = 1099511628211ull;

inline quint64 hashUnit(quint64 uHash, char16_t unit)
{
    return (uHash ^ unit) * kHashPrime;
}

inline quint64 hashUnits(quint64 uHash, QStringView sText)
{
    for (const QChar ch : sText)
        uHash = hashUnit(uHash, ch.unicode());
    return uHash;
}

// The low bits of an FNV hash depend only on the low bits of the units;
// mixing in the high bits spreads similar keys over the table.
inline size_t slotOf(quint64 uHash)
{
    return size_t(uHash ^ (uHash >> 29) ^ (uHash >> 47));
}

// What an entry keeps of its key's hash, and where it goes in the table.
inline quint32 entryHash(quint64 uHash)
{
    return quint32(slotOf(uHash));
}

inline char16_t keyUnit(char ch)
{
    return ch == '\\' ? u'/' : char16_t(uchar(ch));
}

// Length of the valid UTF-8 sequence at p (well-formed as the Unicode
// standard defines it: no overlong forms, no surrogates, at most U+10FFFF),
// or 0.
qsizetype validUtf8Length(const uchar *p, const uchar *pEnd)
{
    const uchar lead = *p;
    qsizetype iLength = 0;
    uchar lower = 0x80;
    uchar upper = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        iLength = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        iLength = 3;
        if (lead == 0xe0)
            lower = 0xa0;
        else if (lead == 0xed)
            upper = 0x9f;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        iLength = 4;
        if (lead == 0xf0)
            lower = 0x90;
        else if (lead == 0xf4)
            upper = 0x8f;
    } else {
        return 0;
    }
    if (pEnd - p < iLength)
        return 0;
    if (p[1] < lower || p[1] > upper)
        return 0;
    for (qsizetype i = 2; i < iLength; ++i) {
        if (p[i] < 0x80 || p[i] > 0xbf)
            return 0;
    }
    return iLength;
}
} // namespace

CIniDocument::CIniDocument(const QByteArray &data)
{
    // Positions are held in 32 bits; no INI file comes near 4 GB, and one
    // that does reads as empty.
    if (data.size() < qsizetype(0xffff0000u))
        m_data = withLatin1Fallback(data);
    if (m_data.size() >= qsizetype(0xffff0000u))
        m_data.clear();
    parse();
}

QByteArray CIniDocument::withLatin1Fallback(const QByteArray &data)
{
    const auto *pBegin = reinterpret_cast<const uchar *>(data.constData());
    const uchar *pEnd = pBegin + data.size();
    const uchar *p = pBegin;
    // Most files are valid UTF-8 (mostly ASCII): only look, do not copy.
    while (p < pEnd) {
        if (pEnd - p >= 8) {
            quint64 uWord;
            std::memcpy(&uWord, p, 8);
            if ((uWord & 0x8080808080808080ull) == 0) {
                p += 8;
                continue;
            }
        }
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const qsizetype iLength = validUtf8Length(p, pEnd);
        if (iLength == 0)
            break;
        p += iLength;
    }
    if (p == pEnd)
        return data;

    QByteArray result;
    result.reserve(data.size() + (pEnd - p) + 16);
    result.append(data.constData(), p - pBegin);
    while (p < pEnd) {
        const qsizetype iLength = *p < 0x80 ? 1 : validUtf8Length(p, pEnd);
        if (iLength > 0) {
            result.append(reinterpret_cast<const char *>(p), iLength);
            p += iLength;
        } else {
            // A stray byte is the Latin-1 character of the same number.
            result.append(char(0xc0 | (*p >> 6)));
            result.append(char(0x80 | (*p & 0x3f)));
            ++p;
        }
    }
    return result;
}

void CIniDocument::parse()
{
    const char *pData = m_data.constData();
    const qsizetype iSize = m_data.size();
    sectionFor(QString()); // the general section, index 0

    // The settings class skips a leading byte-order mark when it looks for
    // group headers, but reads the keys before the first header from the
    // very first byte; those lines are read again below in that way.
    // Room for one entry per line, so that the entries are not moved while
    // they are added.
    const qsizetype iLines = std::count(pData, pData + iSize, '\n') + 1;
    m_entries.reserve(static_cast<size_t>(std::min<qsizetype>(iLines, iSize / 2 + 1)));
    size_t uTable = 64;
    while (uTable < m_entries.capacity() * 2)
        uTable *= 2;
    m_table.assign(uTable, -1);

    const bool bBom = iSize >= 3 && uchar(pData[0]) == 0xef && uchar(pData[1]) == 0xbb && uchar(pData[2]) == 0xbf;
    bool bBeforeFirstHeader = true;
    quint32 uSection = 0;
    QString sPendingSection;
    bool bPending = false;
    qsizetype iDataPos = bBom ? 3 : 0;
    qsizetype iLineStart = 0;
    qsizetype iLineLen = 0;
    qsizetype iEqualsPos = -1;
    while (readIniLine(pData, iSize, iDataPos, iLineStart, iLineLen, iEqualsPos)) {
        const QByteArrayView line(pData + iLineStart, iLineLen);
        if (line.startsWith('[')) {
            if (bBeforeFirstHeader && bBom)
                parseLines(iLineStart, 0);
            bBeforeFirstHeader = false;
            qsizetype iClose = line.indexOf(']');
            if (iClose < 0)
                iClose = line.size();
            const QByteArrayView name = line.first(iClose).sliced(1).trimmed();
            QString sName;
            if (name.compare("general", Qt::CaseInsensitive) != 0) {
                if (name.compare("%general", Qt::CaseInsensitive) == 0)
                    sName = QString::fromLatin1(name.sliced(1));
                else
                    sName = unescapedKey(name);
                sName += u'/';
            }
            // A group is only kept once it has a key: a file of a million
            // empty headers costs nothing.
            sPendingSection = sName;
            bPending = true;
            continue;
        }
        if (bBeforeFirstHeader && bBom)
            continue;
        if (iEqualsPos < 0)
            continue;
        if (bPending) {
            uSection = sectionFor(sPendingSection);
            bPending = false;
        }
        addEntry(uSection, iLineStart, iEqualsPos, iEqualsPos + 1, iLineStart + iLineLen);
    }
    if (bBeforeFirstHeader && bBom)
        parseLines(iSize, 0);

    m_sectionIndex = QHash<QString, quint32>();
    index();
}

// Sorts the section names, and each section's keys so that the keys below
// a prefix are found by a binary search. Files written by the settings class
// hold their keys sorted already: then this only checks.
void CIniDocument::index()
{
    m_sortedSections.resize(m_sections.size());
    for (quint32 i = 0; i < m_sortedSections.size(); ++i) {
        m_sortedSections[i] = i;
        m_iMaxSectionDepth = std::max(m_iMaxSectionDepth, m_sections[i].sName.count(u'/'));
    }
    std::sort(m_sortedSections.begin(), m_sortedSections.end(),
              [this](quint32 a, quint32 b) { return m_sections[a].sName < m_sections[b].sName; });

    size_t uTableSize = 16;
    while (uTableSize < m_sections.size() * 2)
        uTableSize *= 2;
    m_sectionTable.assign(uTableSize, -1);
    for (quint32 i = 0; i < m_sections.size(); ++i) {
        size_t uSlot = slotOf(m_sections[i].uHash) & (uTableSize - 1);
        while (m_sectionTable[uSlot] >= 0)
            uSlot = (uSlot + 1) & (uTableSize - 1);
        m_sectionTable[uSlot] = static_cast<qint32>(i);
    }

    m_order.reserve(m_entries.size());
    const auto keyLess = [this](quint32 a, quint32 b) { return compareKeys(m_entries[a], m_entries[b]) < 0; };
    for (Section &section : m_sections) {
        section.uOrderBegin = static_cast<quint32>(m_order.size());
        for (qint32 i = section.iFirstEntry; i >= 0; i = m_entries[static_cast<size_t>(i)].iNextInSection)
            m_order.push_back(static_cast<quint32>(i));
        section.uOrderEnd = static_cast<quint32>(m_order.size());
        // A small group is scanned rather than searched: sorting the keys of
        // a hundred thousand small groups would cost more than every
        // look-up they get.
        if (section.uOrderEnd - section.uOrderBegin <= kScannedSectionSize)
            continue;
        section.bSorted = true;
        const auto begin = m_order.begin() + section.uOrderBegin;
        if (!std::is_sorted(begin, m_order.end(), keyLess))
            std::sort(begin, m_order.end(), keyLess);
    }
}

void CIniDocument::parseLines(qsizetype iEnd, quint32 uSection)
{
    qsizetype iDataPos = 0;
    qsizetype iLineStart = 0;
    qsizetype iLineLen = 0;
    qsizetype iEqualsPos = -1;
    while (readIniLine(m_data.constData(), iEnd, iDataPos, iLineStart, iLineLen, iEqualsPos)) {
        if (iEqualsPos >= 0)
            addEntry(uSection, iLineStart, iEqualsPos, iEqualsPos + 1, iLineStart + iLineLen);
    }
}

quint32 CIniDocument::sectionFor(const QString &sName)
{
    const auto it = m_sectionIndex.constFind(sName);
    if (it != m_sectionIndex.constEnd())
        return it.value();
    Section section;
    section.sName = sName;
    section.uHash = hashUnits(kHashBasis, sName);
    m_sections.push_back(std::move(section));
    const auto uIndex = static_cast<quint32>(m_sections.size() - 1);
    m_sectionIndex.insert(sName, uIndex);
    return uIndex;
}

void CIniDocument::addEntry(quint32 uSection, qsizetype iKeyBegin, qsizetype iKeyEnd, qsizetype iValueBegin,
                            qsizetype iValueEnd)
{
    const char *pData = m_data.constData();
    const QByteArrayView key = QByteArrayView(pData + iKeyBegin, iKeyEnd - iKeyBegin).trimmed();
    // Key sizes are kept in 31 bits; a key of two gigabytes is no key.
    if (key.size() > 0x7fffffff)
        return;
    const Section &section = m_sections[uSection];

    Entry entry;
    entry.uSection = uSection;
    entry.uValueBegin = static_cast<quint32>(iValueBegin);
    entry.uValueSize = static_cast<quint32>(iValueEnd - iValueBegin);
    entry.uValueRank = static_cast<quint32>(section.sName.size());
    // The common case, in one pass: the raw bytes are the key, "\" read
    // as "/".
    quint64 uHash = section.uHash;
    bool bPlain = true;
    for (const char ch : key) {
        bPlain = bPlain && uchar(ch) < 0x80 && ch != '%';
        uHash = hashUnit(uHash, keyUnit(ch));
    }
    if (bPlain) {
        entry.uKeyBegin = static_cast<quint32>(key.data() - pData);
        entry.uKeySize = static_cast<quint32>(key.size());
    } else {
        uHash = section.uHash;
        QString sKey = unescapedKey(key);
        uHash = hashUnits(uHash, sKey);
        entry.bDecodedKey = true;
        entry.uKeyBegin = static_cast<quint32>(m_decodedKeys.size());
        entry.uKeySize = static_cast<quint32>(sKey.size());
        m_decodedKeys.push_back(std::move(sKey));
    }
    entry.uHash = entryHash(uHash);

    size_t uFreeSlot = 0;
    {
        const size_t uMask = m_table.size() - 1;
        size_t uSlot = entry.uHash & uMask;
        for (; m_table[uSlot] >= 0; uSlot = (uSlot + 1) & uMask) {
            Entry &existing = m_entries[static_cast<size_t>(m_table[uSlot])];
            if (existing.uHash != entry.uHash || !fullKeyEquals(existing, section.sName + keyOf(entry)))
                continue;
            // A key seen before: a later line of the same group wins, and so
            // does a line of a longer group name (it is parsed later).
            if (entry.uValueRank >= existing.uValueRank) {
                existing.uValueBegin = entry.uValueBegin;
                existing.uValueSize = entry.uValueSize;
                existing.uValueRank = entry.uValueRank;
            }
            if (entry.bDecodedKey)
                m_decodedKeys.pop_back();
            return;
        }
        uFreeSlot = uSlot;
    }

    const auto uIndex = static_cast<quint32>(m_entries.size());
    m_entries.push_back(entry);
    Section &owner = m_sections[uSection];
    if (owner.iLastEntry >= 0)
        m_entries[static_cast<size_t>(owner.iLastEntry)].iNextInSection = static_cast<qint32>(uIndex);
    else
        owner.iFirstEntry = static_cast<qint32>(uIndex);
    owner.iLastEntry = static_cast<qint32>(uIndex);
    // The probe above ended on the free slot, unless the table must grow.
    if (m_entries.size() * 2 > m_table.size())
        insertIntoTable(uIndex);
    else
        m_table[uFreeSlot] = static_cast<qint32>(uIndex);
}

void CIniDocument::insertIntoTable(quint32 uEntry)
{
    // Kept at most half full so probe runs stay short.
    if (m_entries.size() * 2 > m_table.size()) {
        m_table.assign(std::max<size_t>(64, m_table.size() * 2), -1);
        const size_t uMask = m_table.size() - 1;
        for (quint32 i = 0; i < uEntry; ++i) {
            size_t uSlot = m_entries[i].uHash & uMask;
            while (m_table[uSlot] >= 0)
                uSlot = (uSlot + 1) & uMask;
            m_table[uSlot] = static_cast<qint32>(i);
        }
    }
    const size_t uMask = m_table.size() - 1;
    size_t uSlot = m_entries[uEntry].uHash & uMask;
    while (m_table[uSlot] >= 0)
        uSlot = (uSlot + 1) & uMask;
    m_table[uSlot] = static_cast<qint32>(uEntry);
}

qint32 CIniDocument::find(QStringView sKey) const
{
    if (m_table.empty())
        return -1;
    const quint32 uHash = entryHash(hashUnits(kHashBasis, sKey));
    const size_t uMask = m_table.size() - 1;
    for (size_t uSlot = uHash & uMask; m_table[uSlot] >= 0; uSlot = (uSlot + 1) & uMask) {
        const qint32 iEntry = m_table[uSlot];
        const Entry &entry = m_entries[static_cast<size_t>(iEntry)];
        if (entry.uHash == uHash && fullKeyEquals(entry, sKey))
            return iEntry;
    }
    return -1;
}

qint32 CIniDocument::findSection(QStringView sName, quint64 uHash) const
{
    const size_t uMask = m_sectionTable.size() - 1;
    for (size_t uSlot = slotOf(uHash) & uMask; m_sectionTable[uSlot] >= 0; uSlot = (uSlot + 1) & uMask) {
        const Section &section = m_sections[static_cast<size_t>(m_sectionTable[uSlot])];
        if (section.uHash == uHash && QStringView(section.sName) == sName)
            return m_sectionTable[uSlot];
    }
    return -1;
}

// Key order is the settings class's order of texts: by UTF-16 code units.
int CIniDocument::compareKeys(const Entry &a, const Entry &b) const
{
    if (a.bDecodedKey || b.bDecodedKey)
        return QString::compare(keyOf(a), keyOf(b));
    const char *pA = m_data.constData() + a.uKeyBegin;
    const char *pB = m_data.constData() + b.uKeyBegin;
    const quint32 uCommon = std::min(a.uKeySize, b.uKeySize);
    quint32 i = 0;
    // Equal bytes are equal units: skip them eight at a time.
    for (; i + 8 <= uCommon; i += 8) {
        quint64 uA;
        quint64 uB;
        std::memcpy(&uA, pA + i, 8);
        std::memcpy(&uB, pB + i, 8);
        if (uA != uB)
            break;
    }
    for (; i < uCommon; ++i) {
        if (pA[i] == pB[i])
            continue;
        const char16_t unitA = keyUnit(pA[i]);
        const char16_t unitB = keyUnit(pB[i]);
        if (unitA != unitB)
            return unitA < unitB ? -1 : 1;
    }
    return a.uKeySize == b.uKeySize ? 0 : (a.uKeySize < b.uKeySize ? -1 : 1);
}

bool CIniDocument::keyLessThan(const Entry &entry, QStringView sKey) const
{
    if (entry.bDecodedKey)
        return QStringView(m_decodedKeys[entry.uKeyBegin]) < sKey;
    const char *pKey = m_data.constData() + entry.uKeyBegin;
    const qsizetype iCommon = std::min<qsizetype>(entry.uKeySize, sKey.size());
    for (qsizetype i = 0; i < iCommon; ++i) {
        const char16_t unit = keyUnit(pKey[i]);
        if (unit != sKey.at(i).unicode())
            return unit < sKey.at(i).unicode();
    }
    return entry.uKeySize < sKey.size();
}

QString CIniDocument::keyOf(const Entry &entry) const
{
    if (entry.bDecodedKey)
        return m_decodedKeys[entry.uKeyBegin];
    QString sKey = QString::fromLatin1(m_data.constData() + entry.uKeyBegin, entry.uKeySize);
    sKey.replace(u'\\', u'/');
    return sKey;
}

bool CIniDocument::keyEquals(const Entry &entry, QStringView sKey) const
{
    if (entry.bDecodedKey)
        return sKey == m_decodedKeys[entry.uKeyBegin];
    return sKey.size() == entry.uKeySize && keyStartsWith(entry, sKey);
}

bool CIniDocument::keyStartsWith(const Entry &entry, QStringView sPrefix) const
{
    if (entry.bDecodedKey)
        return QStringView(m_decodedKeys[entry.uKeyBegin]).startsWith(sPrefix);
    if (sPrefix.size() > entry.uKeySize)
        return false;
    const char *pKey = m_data.constData() + entry.uKeyBegin;
    for (qsizetype i = 0; i < sPrefix.size(); ++i) {
        if (sPrefix.at(i).unicode() != keyUnit(pKey[i]))
            return false;
    }
    return true;
}

bool CIniDocument::fullKeyEquals(const Entry &entry, QStringView sKey) const
{
    const QString &sSection = m_sections[entry.uSection].sName;
    return sKey.size() >= sSection.size()
           && (sSection.isEmpty()
               || std::memcmp(sKey.data(), sSection.constData(), size_t(sSection.size()) * sizeof(QChar)) == 0)
           && keyEquals(entry, sKey.sliced(sSection.size()));
}

quint64 CIniDocument::hashOf(QStringView sText)
{
    return hashUnits(kHashBasis, sText);
}

quint64 CIniDocument::hashOf(QStringView sText, quint64 uStart)
{
    return hashUnits(uStart, sText);
}

qint32 CIniDocument::findEntry(QStringView sPrefix, quint64 uPrefixHash, QStringView sKey) const
{
    if (m_table.empty())
        return -1;
    const quint32 uHash = entryHash(hashUnits(uPrefixHash, sKey));
    const size_t uMask = m_table.size() - 1;
    for (size_t uSlot = uHash & uMask; m_table[uSlot] >= 0; uSlot = (uSlot + 1) & uMask) {
        const qint32 iEntry = m_table[uSlot];
        const Entry &entry = m_entries[static_cast<size_t>(iEntry)];
        if (entry.uHash == uHash && fullKeyEquals(entry, sPrefix, sKey))
            return iEntry;
    }
    return -1;
}

QByteArrayView CIniDocument::rawValue(qint32 iEntry) const
{
    if (iEntry < 0 || size_t(iEntry) >= m_entries.size())
        return QByteArrayView();
    const Entry &entry = m_entries[static_cast<size_t>(iEntry)];
    return QByteArrayView(m_data.constData() + entry.uValueBegin, entry.uValueSize);
}

// Whether the entry's full key (its section's name and its key) is the
// prefix followed by the key.
bool CIniDocument::fullKeyEquals(const Entry &entry, QStringView sPrefix, QStringView sKey) const
{
    const QStringView sSection(m_sections[entry.uSection].sName);
    if (sSection.size() <= sPrefix.size()) {
        // (An empty section name or prefix may have no data at all, which
        // memcmp must not be given even for no bytes.)
        return (sSection.isEmpty()
                || std::memcmp(sSection.data(), sPrefix.data(), size_t(sSection.size()) * sizeof(QChar)) == 0)
               && keyEquals(entry, sPrefix.sliced(sSection.size()), sKey);
    }
    const qsizetype iInKey = sSection.size() - sPrefix.size();
    return iInKey <= sKey.size() && sSection.first(sPrefix.size()) == sPrefix
           && sSection.sliced(sPrefix.size()) == sKey.first(iInKey) && keyEquals(entry, sKey.sliced(iInKey));
}

// Whether the entry's key is the first text followed by the second.
bool CIniDocument::keyEquals(const Entry &entry, QStringView sFirst, QStringView sSecond) const
{
    if (qsizetype(entry.uKeySize) != sFirst.size() + sSecond.size())
        return false;
    if (entry.bDecodedKey) {
        const QStringView sKey(m_decodedKeys[entry.uKeyBegin]);
        return sKey.first(sFirst.size()) == sFirst && sKey.sliced(sFirst.size()) == sSecond;
    }
    const char *pKey = m_data.constData() + entry.uKeyBegin;
    for (qsizetype i = 0; i < sFirst.size(); ++i) {
        if (sFirst.at(i).unicode() != keyUnit(pKey[i]))
            return false;
    }
    pKey += sFirst.size();
    for (qsizetype i = 0; i < sSecond.size(); ++i) {
        if (sSecond.at(i).unicode() != keyUnit(pKey[i]))
            return false;
    }
    return true;
}

QVariant CIniDocument::value(QStringView sKey) const
{
    const qint32 iEntry = find(sKey);
    if (iEntry < 0)
        return QVariant();
    const Entry &entry = m_entries[static_cast<size_t>(iEntry)];
    return IniValue::decode(QByteArrayView(m_data.constData() + entry.uValueBegin, entry.uValueSize));
}

// Calls visit with a key from iFrom on, as UTF-16 on the stack for a plain
// key.
template <typename Visit>
bool CIniDocument::visitKey(const Entry &entry, qsizetype iFrom, Visit &visit) const
{
    if (entry.bDecodedKey)
        return visit(QStringView(m_decodedKeys[entry.uKeyBegin]).sliced(iFrom));
    QVarLengthArray<char16_t, 128> units(qsizetype(entry.uKeySize) - iFrom);
    const char *pKey = m_data.constData() + entry.uKeyBegin + iFrom;
    for (qsizetype i = 0; i < units.size(); ++i)
        units[i] = keyUnit(pKey[i]);
    return visit(QStringView(units.constData(), units.size()));
}

// Calls visit with the rest, after the prefix, of every full key below the
// prefix (or, for a whole group below it, the rest of the group's name up to
// its first "/"), until visit returns true.
template <typename Visit>
bool CIniDocument::visitChildren(QStringView sPrefix, Visit visit) const
{
    // Groups named by the prefix or below it; none when the prefix is
    // deeper than every group name.
    const qsizetype iDepth = sPrefix.count(u'/');
    auto it = iDepth > m_iMaxSectionDepth ? m_sortedSections.end()
                                          : std::lower_bound(m_sortedSections.begin(), m_sortedSections.end(), sPrefix,
                                                             [this](quint32 uSection, QStringView sText) {
                                                                 return QStringView(m_sections[uSection].sName) < sText;
                                                             });
    for (; it != m_sortedSections.end(); ++it) {
        const Section &section = m_sections[*it];
        if (!QStringView(section.sName).startsWith(sPrefix))
            break;
        if (section.uOrderBegin == section.uOrderEnd)
            continue;
        const QStringView sRest = QStringView(section.sName).sliced(sPrefix.size());
        if (!sRest.isEmpty()) {
            if (visit(sRest))
                return true;
            continue;
        }
        for (quint32 i = section.uOrderBegin; i < section.uOrderEnd; ++i) {
            if (visitKey(m_entries[m_order[i]], 0, visit))
                return true;
        }
    }
    // Groups whose name is a part of the prefix: their keys that continue it,
    // found by a binary search among the group's sorted keys.
    quint64 uHash = kHashBasis;
    for (qsizetype iLength = 0; iLength < sPrefix.size(); ++iLength) {
        if (iLength > 0) {
            uHash = hashUnit(uHash, sPrefix.at(iLength - 1).unicode());
            if (sPrefix.at(iLength - 1) != u'/')
                continue;
        }
        const qint32 iSection = findSection(sPrefix.first(iLength), uHash);
        if (iSection < 0)
            continue;
        const Section &section = m_sections[static_cast<size_t>(iSection)];
        const QStringView sNeeded = sPrefix.sliced(iLength);
        const auto end = m_order.begin() + section.uOrderEnd;
        if (!section.bSorted) {
            for (auto entryIt = m_order.begin() + section.uOrderBegin; entryIt != end; ++entryIt) {
                if (keyStartsWith(m_entries[*entryIt], sNeeded) && visitKey(m_entries[*entryIt], sNeeded.size(), visit))
                    return true;
            }
            continue;
        }
        auto entryIt =
            std::lower_bound(m_order.begin() + section.uOrderBegin, end, sNeeded,
                             [this](quint32 uEntry, QStringView sKey) { return keyLessThan(m_entries[uEntry], sKey); });
        for (; entryIt != end && keyStartsWith(m_entries[*entryIt], sNeeded); ++entryIt) {
            if (visitKey(m_entries[*entryIt], sNeeded.size(), visit))
                return true;
        }
    }
    return false;
}

QStringList CIniDocument::children(QStringView sPrefix, Children eWhich) const
{
    QStringList result;
    visitChildren(sPrefix, [&result, eWhich](QStringView sRest) {
        const qsizetype iSlash = sRest.indexOf(u'/');
        if (iSlash < 0 && eWhich == Children::Keys)
            result.append(sRest.toString());
        else if (iSlash >= 0 && eWhich == Children::Groups
                 && (result.isEmpty() || result.constLast() != sRest.first(iSlash)))
            result.append(sRest.first(iSlash).toString());
        return false;
    });
    if (!std::is_sorted(result.begin(), result.end()))
        std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

QStringList CIniDocument::childKeys(QStringView sPrefix) const
{
    return children(sPrefix, Children::Keys);
}

QStringList CIniDocument::childGroups(QStringView sPrefix) const
{
    return children(sPrefix, Children::Groups);
}

bool CIniDocument::hasKeysBelow(QStringView sPrefix) const
{
    return visitChildren(sPrefix, [](QStringView) { return true; });
}
