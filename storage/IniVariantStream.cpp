#include "storage/IniVariantStream.h"

#include <QMetaType>
#include <QtEndian>

namespace {
// Type ids of the data stream's own numbering that QVariant::load maps
// before creating the value (see its handling of Qt 4 and Qt 5 streams).
constexpr quint32 kQt4UserType = 127;
constexpr quint32 kQt5UserType = 1024;
constexpr quint32 kQt5FirstGuiType = 64;
constexpr quint32 kQt5LastGuiType = 87;
constexpr quint32 kQt5SizePolicy = 121;
constexpr quint32 kQt5RegExp = 27;

// Qt::TimeSpec values as streamed inside a date-time.
constexpr quint8 kOffsetFromUtc = 2;
constexpr quint8 kTimeZone = 3;

class Walker
{
public:
    Walker(const QByteArray &bytes, QDataStream::Version eVersion)
        : m_pData(reinterpret_cast<const uchar *>(bytes.constData())), m_pEnd(m_pData + bytes.size()),
          m_iVersion(eVersion)
    {
    }

    bool variant(int iDepth)
    {
        if (iDepth > IniVariantStream::kMaxDepth)
            return false;
        quint32 uType = 0;
        if (!readU32(uType))
            return false;
        uType = mappedType(uType);
        if (m_iVersion >= QDataStream::Qt_4_2 && !skip(1)) // the null flag
            return false;
        if (uType == QMetaType::User)
            return false; // a user type named in the stream: never plain
        if (isPlainType(uType))
            return value(uType, iDepth);
        // An id no type is registered for reads as an invalid variant; older
        // streams carry an empty text in its place.
        if (!QMetaType(static_cast<int>(uType)).isValid())
            return m_iVersion < QDataStream::Qt_5_0 ? string() : true;
        return false;
    }

private:
    quint32 mappedType(quint32 uType) const
    {
        if (m_iVersion < QDataStream::Qt_5_0) {
            if (uType == kQt4UserType)
                uType = kQt5UserType;
            else if (uType >= 128 && uType != kQt5UserType)
                uType -= 97; // Qt 4's extended core types moved down
            else if (uType == 75)
                uType = kQt5SizePolicy;
            else if (uType > 75 && uType <= 86)
                uType -= 1;
        }
        if (m_iVersion < QDataStream::Qt_6_0) {
            if (uType == kQt5UserType)
                uType = QMetaType::User;
            else if (uType >= kQt5FirstGuiType && uType <= kQt5LastGuiType)
                uType += QMetaType::FirstGuiType - kQt5FirstGuiType;
            else if (uType == kQt5SizePolicy)
                uType = QMetaType::QSizePolicy;
            else if (uType == kQt5RegExp)
                uType = static_cast<quint32>(QMetaType::fromName("QRegExp").id());
        }
        return uType;
    }

    static bool isPlainType(quint32 uType)
    {
        switch (uType) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
        case QMetaType::QChar:
        case QMetaType::QVariantMap:
        case QMetaType::QVariantList:
        case QMetaType::QString:
        case QMetaType::QStringList:
        case QMetaType::QByteArray:
        case QMetaType::QDate:
        case QMetaType::QTime:
        case QMetaType::QDateTime:
        case QMetaType::QUrl:
        case QMetaType::QLocale:
        case QMetaType::QRect:
        case QMetaType::QRectF:
        case QMetaType::QSize:
        case QMetaType::QSizeF:
        case QMetaType::QLine:
        case QMetaType::QLineF:
        case QMetaType::QPoint:
        case QMetaType::QPointF:
        case QMetaType::QVariantHash:
        case QMetaType::QUuid:
        case QMetaType::Long:
        case QMetaType::Short:
        case QMetaType::Char:
        case QMetaType::ULong:
        case QMetaType::UShort:
        case QMetaType::UChar:
        case QMetaType::Float:
        case QMetaType::SChar:
        case QMetaType::QVariant:
        case QMetaType::QByteArrayList: return true;
        default: return false;
        }
    }

    bool value(quint32 uType, int iDepth)
    {
        switch (uType) {
        case QMetaType::Bool:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar: return skip(1);
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::QChar: return skip(2);
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::QTime: return skip(4);
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::Double:
        case QMetaType::QSize:
        case QMetaType::QPoint: return skip(8);
        case QMetaType::Float:
            // Streams from Qt 4.6 on write floats in double precision.
            return skip(m_iVersion >= QDataStream::Qt_4_6 ? 8 : 4);
        case QMetaType::QRect:
        case QMetaType::QLine:
        case QMetaType::QSizeF:
        case QMetaType::QPointF:
        case QMetaType::QUuid: return skip(16);
        case QMetaType::QRectF:
        case QMetaType::QLineF: return skip(32);
        case QMetaType::QString:
        case QMetaType::QLocale: return string();
        case QMetaType::QByteArray:
        case QMetaType::QUrl: return byteArray();
        case QMetaType::QDate: return date();
        case QMetaType::QDateTime: return dateTime();
        case QMetaType::QVariant: return variant(iDepth + 1);
        case QMetaType::QStringList: return sequence([this] { return string(); });
        case QMetaType::QByteArrayList: return sequence([this] { return byteArray(); });
        case QMetaType::QVariantList: return sequence([this, iDepth] { return variant(iDepth + 1); });
        case QMetaType::QVariantMap:
        case QMetaType::QVariantHash: return sequence([this, iDepth] { return string() && variant(iDepth + 1); });
        default: return false;
        }
    }

    // A count followed by that many elements; every element takes at least
    // one byte, so a huge count fails as soon as the bytes run out.
    template <typename Element>
    bool sequence(Element element)
    {
        quint32 uCount = 0;
        if (!readU32(uCount))
            return false;
        for (quint32 i = 0; i < uCount; ++i) {
            if (!element())
                return false;
        }
        return true;
    }

    bool date() { return skip(m_iVersion >= QDataStream::Qt_5_0 ? 8 : 4); }

    bool dateTime()
    {
        if (!date() || !skip(4))
            return false;
        if (m_iVersion < QDataStream::Qt_5_2)
            return skip(1);
        if (m_pEnd - m_pData < 1)
            return false;
        const quint8 uSpec = *m_pData++;
        if (uSpec == kOffsetFromUtc)
            return skip(4);
        if (uSpec == kTimeZone)
            return timeZone();
        return true;
    }

    // A zone is streamed as its id; a custom offset zone as a marker
    // followed by id, offset, name, abbreviation, territory and comment.
    bool timeZone()
    {
        const uchar *pId = m_pData;
        if (!string())
            return false;
        static const QByteArray marker = [] {
            const QString sMarker = QStringLiteral("OffsetFromUtc");
            QByteArray bytes;
            for (const QChar ch : sMarker) {
                bytes.append(char(ch.unicode() >> 8));
                bytes.append(char(ch.unicode() & 0xff));
            }
            return bytes;
        }();
        const QByteArrayView id(pId + 4, m_pData - pId - 4);
        if (id != marker)
            return true;
        return string() && skip(4) && string() && string() && skip(4) && string();
    }

    bool string()
    {
        quint32 uBytes = 0;
        if (!readU32(uBytes))
            return false;
        if (uBytes == 0xffffffffu)
            return true; // a null text
        return (uBytes & 1u) == 0 && skip(uBytes);
    }

    bool byteArray()
    {
        quint32 uBytes = 0;
        if (!readU32(uBytes))
            return false;
        return uBytes == 0xffffffffu || skip(uBytes);
    }

    bool readU32(quint32 &uValue)
    {
        if (m_pEnd - m_pData < 4)
            return false;
        uValue = qFromBigEndian<quint32>(m_pData);
        m_pData += 4;
        return true;
    }

    bool skip(quint64 uBytes)
    {
        if (quint64(m_pEnd - m_pData) < uBytes)
            return false;
        m_pData += uBytes;
        return true;
    }

    const uchar *m_pData;
    const uchar *m_pEnd;
    int m_iVersion;
};
} // namespace

bool IniVariantStream::isPlain(const QByteArray &bytes, QDataStream::Version eVersion)
{
    return Walker(bytes, eVersion).variant(0);
}

QVariant IniVariantStream::decode(const QByteArray &bytes, QDataStream::Version eVersion)
{
    if (!isPlain(bytes, eVersion))
        return QVariant();
    QDataStream stream(bytes);
    stream.setVersion(eVersion);
    QVariant vResult;
    stream >> vResult;
    return stream.status() == QDataStream::Ok ? vResult : QVariant();
}
