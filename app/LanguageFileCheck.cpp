#include "app/LanguageFileCheck.h"

#include <QFile>

#include <algorithm>

namespace {
constexpr uchar kMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                              0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

// Parts of the file and tags of a message, as the translator knows them.
enum Part : uchar { Contexts = 0x2f, Hashes = 0x42, Messages = 0x69, NumerusRules = 0x88, Dependencies = 0x96 };
enum Tag : uchar {
    TagEnd = 1,
    TagTranslation = 3,
    TagObsolete1 = 5,
    TagSourceText = 6,
    TagContext = 7,
    TagComment = 8
};

quint32 read32(const uchar *p)
{
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

quint16 read16(const uchar *p)
{
    return quint16((p[0] << 8) | p[1]);
}

// One message from its start: its tags and their lengths stay inside the
// messages part until the end tag, an unknown tag (the look-up stops there)
// or the part's end.
bool isWellFormedMessage(const uchar *m, const uchar *end)
{
    while (m < end) {
        switch (*m++) {
        case TagEnd: return true;
        case TagObsolete1:
            if (end - m < 4)
                return false;
            m += 4;
            break;
        case TagTranslation:
        case TagSourceText:
        case TagContext:
        case TagComment: {
            const uchar cTag = m[-1];
            if (end - m < 4)
                return false;
            const quint32 uLength = read32(m);
            m += 4;
            if (cTag == TagTranslation && (uLength & 1))
                return true; // the look-up gives up on it
            if (quint64(end - m) < uLength)
                return false;
            m += uLength;
            break;
        }
        default: return true;
        }
    }
    return true;
}

// The contexts part: a hash table of 16-bit offsets to chains of
// length-prefixed names that end in a zero length.
bool isWellFormedContexts(const uchar *p, quint32 uLength)
{
    if (uLength < 2)
        return false;
    const quint32 uTableSize = read16(p);
    if (uTableSize == 0 || 2 + 2 * quint64(uTableSize) > uLength)
        return false;
    for (quint32 i = 0; i < uTableSize; ++i) {
        const quint32 uOffset = read16(p + 2 + 2 * i);
        if (uOffset == 0)
            continue;
        quint64 uAt = 2 + 2 * quint64(uTableSize) + 2 * quint64(uOffset);
        for (;;) {
            if (uAt >= uLength)
                return false;
            const quint32 uNameLength = p[uAt];
            if (uNameLength == 0)
                break;
            uAt += 1 + uNameLength;
        }
    }
    return true;
}
} // namespace

bool isWellFormedLanguageData(QByteArrayView data)
{
    const auto *pBegin = reinterpret_cast<const uchar *>(data.data());
    const uchar *pEnd = pBegin + data.size();
    if (data.size() < qsizetype(sizeof(kMagic)) || !std::equal(kMagic, kMagic + sizeof(kMagic), pBegin))
        return false;
    const uchar *pContexts = nullptr;
    const uchar *pHashes = nullptr;
    const uchar *pMessages = nullptr;
    quint32 uContexts = 0;
    quint32 uHashes = 0;
    quint32 uMessages = 0;
    // The parts, as the translator walks them when it loads the file.
    const uchar *p = pBegin + sizeof(kMagic);
    while (pEnd - p > 5) {
        const uchar cPart = *p++;
        const quint32 uLength = read32(p);
        p += 4;
        if (cPart == 0 || uLength == 0)
            break;
        if (quint64(pEnd - p) < uLength)
            return false;
        switch (cPart) {
        case Contexts:
            pContexts = p;
            uContexts = uLength;
            break;
        case Hashes:
            pHashes = p;
            uHashes = uLength;
            break;
        case Messages:
            pMessages = p;
            uMessages = uLength;
            break;
        case Dependencies: return false;
        default: break;
        }
        p += uLength;
    }
    if (pContexts && !isWellFormedContexts(pContexts, uContexts))
        return false;
    // Every message the hash table points at.
    if (uHashes % 8 != 0)
        return false;
    for (quint32 i = 0; i < uHashes; i += 8) {
        const quint32 uOffset = read32(pHashes + i + 4);
        if (!pMessages || uOffset >= uMessages || !isWellFormedMessage(pMessages + uOffset, pMessages + uMessages))
            return false;
    }
    return true;
}

bool isWellFormedLanguageFile(const QString &sPath)
{
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    return isWellFormedLanguageData(data);
}
