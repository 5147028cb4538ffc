#include "app/TranslationFile.h"

#include <QtEndian>

namespace {
// The blocks of a .qm file and the tags of a message, as the toolkit
// writes and reads them.
constexpr uchar kMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                              0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
constexpr uchar kTagContexts = 0x2f;
constexpr uchar kTagHashes = 0x42;
constexpr uchar kTagMessages = 0x69;
// Names of further files the translator would load from the same folder
// (and from each of those, without end): our files never have any.
constexpr uchar kTagDependencies = 0x96;

enum MessageTag : uchar {
    TagEnd = 1,
    TagSourceText16 = 2,
    TagTranslation = 3,
    TagContext16 = 4,
    TagObsolete1 = 5,
    TagSourceText = 6,
    TagContext = 7,
    TagComment = 8,
    TagObsolete2 = 9
};

struct Block
{
    const uchar *pData = nullptr;
    quint32 uiLength = 0;
};

// A message: tags with length-prefixed texts up to the end tag (or the end
// of the block, which the translator also takes as the end).
bool messageFits(const Block &messages, quint32 uiOffset)
{
    quint64 uiPos = uiOffset;
    const quint64 uiEnd = messages.uiLength;
    while (uiPos < uiEnd) {
        const uchar cTag = messages.pData[uiPos++];
        switch (cTag) {
        case TagEnd: return true;
        case TagObsolete1:
        case TagObsolete2: uiPos += 4; break;
        case TagTranslation:
        case TagSourceText16:
        case TagContext16:
        case TagSourceText:
        case TagContext:
        case TagComment: {
            if (uiPos + 4 > uiEnd)
                return false;
            const quint32 uiLength = qFromBigEndian<quint32>(messages.pData + uiPos);
            uiPos += 4;
            // An odd translation length means "no translation" to the reader.
            if (cTag == TagTranslation && (uiLength & 1))
                break;
            if (uiPos + uiLength > uiEnd)
                return false;
            uiPos += uiLength;
            break;
        }
        default: return false;
        }
    }
    return uiPos <= uiEnd;
}

// The context table: a hash table of 16-bit offsets into a list of
// length-prefixed context names ending in a zero length.
bool contextsFit(const Block &contexts)
{
    if (contexts.uiLength == 0)
        return true;
    if (contexts.uiLength < 2)
        return false;
    const quint32 uiTableSize = qFromBigEndian<quint16>(contexts.pData);
    // The translator divides by the table size.
    if (uiTableSize == 0)
        return false;
    const quint64 uiListStart = 2 + quint64(uiTableSize) * 2;
    if (uiListStart > contexts.uiLength)
        return false;
    for (quint32 i = 0; i < uiTableSize; ++i) {
        const quint16 uiOffset = qFromBigEndian<quint16>(contexts.pData + 2 + i * 2);
        if (uiOffset == 0)
            continue;
        quint64 uiPos = uiListStart + quint64(uiOffset) * 2;
        for (;;) {
            if (uiPos >= contexts.uiLength)
                return false;
            const uchar cLength = contexts.pData[uiPos];
            if (cLength == 0)
                break;
            uiPos += 1 + cLength;
            uiPos += uiPos & 1; // entries are aligned to two bytes
        }
    }
    return true;
}
} // namespace

bool isWellFormedTranslation(const QByteArray &data)
{
    const auto *pData = reinterpret_cast<const uchar *>(data.constData());
    const quint64 uiSize = static_cast<quint64>(data.size());
    if (uiSize < sizeof(kMagic) || memcmp(pData, kMagic, sizeof(kMagic)) != 0)
        return false;
    Block contexts;
    Block hashes;
    Block messages;
    quint64 uiPos = sizeof(kMagic);
    while (uiPos < uiSize) {
        if (uiPos + 5 > uiSize)
            return false;
        const uchar cTag = pData[uiPos];
        const quint32 uiLength = qFromBigEndian<quint32>(pData + uiPos + 1);
        uiPos += 5;
        if (uiPos + uiLength > uiSize)
            return false;
        const Block block{pData + uiPos, uiLength};
        if (cTag == kTagDependencies && uiLength > 0)
            return false;
        if (cTag == kTagContexts)
            contexts = block;
        else if (cTag == kTagHashes)
            hashes = block;
        else if (cTag == kTagMessages)
            messages = block;
        uiPos += uiLength;
    }
    // Pairs of (hash, offset into the messages).
    if (hashes.uiLength % 8 != 0)
        return false;
    for (quint32 i = 0; i < hashes.uiLength; i += 8) {
        const quint32 uiOffset = qFromBigEndian<quint32>(hashes.pData + i + 4);
        if (uiOffset >= messages.uiLength || !messageFits(messages, uiOffset))
            return false;
    }
    return contextsFit(contexts);
}
