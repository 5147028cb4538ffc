#include "storage/IniValue.h"

#include "storage/IniVariantStream.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringDecoder>

#include <algorithm>

namespace {
// Escapes that stand for one character. The comma is ours: the settings
// class drops the backslash and the comma alike.
constexpr char kEscapeCodes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'},  {'t', '\t'},
                                    {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}, {',', ','}};

bool isHexDigit(char ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f');
}

int hexValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return ch - 'A' + 10;
}

// Trailing blanks go, but never those before limit (escaped ones).
void chopTrailingSpaces(QString &sText, qsizetype iLimit)
{
    qsizetype n = sText.size() - 1;
    while (n >= iLimit && (sText.at(n) == u' ' || sText.at(n) == u'\t'))
        sText.truncate(n--);
}

bool hasSpecialCharacter(QByteArrayView raw)
{
    for (const char ch : raw) {
        if (ch == '\\' || ch == '"' || ch == ',')
            return true;
    }
    return false;
}

// The arguments of "@Rect(1 2 3 4)" and its kin, split at single blanks up
// to the final parenthesis, exactly as the settings class splits them.
QStringList splitArguments(const QString &sText, qsizetype iOpening)
{
    QStringList result;
    QString sItem;
    for (qsizetype i = iOpening + 1; i < sText.size(); ++i) {
        const QChar ch = sText.at(i);
        if (ch == u')') {
            result.append(sItem);
        } else if (ch == u' ') {
            result.append(sItem);
            sItem.clear();
        } else {
            sItem.append(ch);
        }
    }
    return result;
}
} // namespace

bool IniValue::unescape(QByteArrayView raw, QString &sText, QStringList &list)
{
    // The state machine of the settings class's INI value reader; each label
    // is one of its states.
    bool bIsList = false;
    bool bInQuotes = false;
    bool bQuoted = false;
    char16_t escapeValue = 0;
    qsizetype i = 0;
    qsizetype iChopLimit = 0;
    char ch = 0;
    QStringDecoder fromUtf8(QStringDecoder::Utf8);

skipSpaces:
    while (i < raw.size() && (raw.at(i) == ' ' || raw.at(i) == '\t'))
        ++i;

normal:
    iChopLimit = sText.size();
    while (i < raw.size()) {
        switch (raw.at(i)) {
        case '\\':
            ++i;
            if (i >= raw.size())
                goto end;
            ch = raw.at(i++);
            for (const auto &code : kEscapeCodes) {
                if (ch == code[0]) {
                    sText += QLatin1Char(code[1]);
                    goto normal;
                }
            }
            if (ch == 'x') {
                escapeValue = 0;
                if (i >= raw.size())
                    goto end;
                if (isHexDigit(raw.at(i)))
                    goto hexEscape;
            } else if (ch >= '0' && ch <= '7') {
                escapeValue = char16_t(ch - '0');
                goto octalEscape;
            } else if (ch == '\n' || ch == '\r') {
                // A continued line: "\n", "\r", "\r\n" and "\n\r" end lines.
                if (i < raw.size()) {
                    const char next = raw.at(i);
                    if ((next == '\n' || next == '\r') && next != ch)
                        ++i;
                }
            }
            // Any other escaped character is dropped.
            iChopLimit = sText.size();
            break;
        case '"':
            ++i;
            bQuoted = true;
            bInQuotes = !bInQuotes;
            if (!bInQuotes)
                goto skipSpaces;
            break;
        case ',':
            if (!bInQuotes) {
                if (!bQuoted)
                    chopTrailingSpaces(sText, iChopLimit);
                if (!bIsList) {
                    bIsList = true;
                    list.clear();
                }
                list.append(sText);
                sText.clear();
                bQuoted = false;
                ++i;
                goto skipSpaces;
            }
            Q_FALLTHROUGH();
        default: {
            qsizetype j = i + 1;
            while (j < raw.size()) {
                const char next = raw.at(j);
                if (next == '\\' || next == '"' || next == ',')
                    break;
                ++j;
            }
            // The document's bytes are valid UTF-8 throughout, so a run
            // of ASCII is its own text and needs no decoder.
            const QByteArrayView run = raw.sliced(i, j - i);
            if (std::all_of(run.begin(), run.end(), [](char c) { return uchar(c) < 0x80; }))
                sText.append(QLatin1StringView(run.data(), run.size()));
            else
                sText += fromUtf8(run);
            i = j;
        }
        }
    }
    if (!bQuoted)
        chopTrailingSpaces(sText, iChopLimit);
    goto end;

hexEscape:
    while (i < raw.size() && isHexDigit(raw.at(i)))
        escapeValue = char16_t((escapeValue << 4) + hexValue(raw.at(i++)));
    sText += QChar(escapeValue);
    if (i >= raw.size())
        goto end;
    goto normal;

octalEscape:
    while (i < raw.size() && raw.at(i) >= '0' && raw.at(i) <= '7')
        escapeValue = char16_t((escapeValue << 3) + (raw.at(i++) - '0'));
    sText += QChar(escapeValue);
    if (i >= raw.size())
        goto end;
    goto normal;

end:
    if (bIsList)
        list.append(sText);
    return bIsList;
}

QVariant IniValue::textToVariant(const QString &sText)
{
    if (!sText.startsWith(u'@'))
        return QVariant(sText);
    if (sText.endsWith(u')')) {
        if (sText.startsWith(QLatin1String("@ByteArray(")))
            return QVariant(QStringView(sText).sliced(11).chopped(1).toLatin1());
        if (sText.startsWith(QLatin1String("@String(")))
            return QVariant(QStringView(sText).sliced(8).chopped(1).toString());
        if (sText.startsWith(QLatin1String("@Variant(")))
            // The closing parenthesis stays with the bytes; the stream
            // ignores what follows the variant.
            return IniVariantStream::decode(QStringView(sText).sliced(9).toLatin1(), QDataStream::Qt_4_0);
        if (sText.startsWith(QLatin1String("@DateTime(")))
            return IniVariantStream::decode(QStringView(sText).sliced(10).toLatin1(), QDataStream::Qt_5_6);
        if (sText.startsWith(QLatin1String("@Rect("))) {
            const QStringList args = splitArguments(sText, 5);
            if (args.size() == 4)
                return QVariant(QRect(args[0].toInt(), args[1].toInt(), args[2].toInt(), args[3].toInt()));
        } else if (sText.startsWith(QLatin1String("@Size("))) {
            const QStringList args = splitArguments(sText, 5);
            if (args.size() == 2)
                return QVariant(QSize(args[0].toInt(), args[1].toInt()));
        } else if (sText.startsWith(QLatin1String("@Point("))) {
            const QStringList args = splitArguments(sText, 6);
            if (args.size() == 2)
                return QVariant(QPoint(args[0].toInt(), args[1].toInt()));
        } else if (sText == QLatin1String("@Invalid()")) {
            return QVariant();
        }
    }
    if (sText.startsWith(QLatin1String("@@")))
        return QVariant(sText.sliced(1));
    return QVariant(sText);
}

QVariant IniValue::listToVariant(const QStringList &list)
{
    QStringList result = list;
    for (qsizetype i = 0; i < result.size(); ++i) {
        const QString &sElement = result.at(i);
        if (!sElement.startsWith(u'@'))
            continue;
        if (sElement.size() < 2 || sElement.at(1) != u'@') {
            QVariantList variants;
            variants.reserve(list.size());
            for (const QString &sText : list)
                variants.append(textToVariant(sText));
            return variants;
        }
        result[i].remove(0, 1);
    }
    return result;
}

QByteArrayView IniValue::trimmedBlanks(QByteArrayView raw)
{
    while (!raw.isEmpty() && (raw.front() == ' ' || raw.front() == '\t'))
        raw = raw.sliced(1);
    while (!raw.isEmpty() && (raw.back() == ' ' || raw.back() == '\t'))
        raw.chop(1);
    return raw;
}

QString IniValue::plainText(QByteArrayView raw, bool &bPlain)
{
    bPlain = false;
    if (hasSpecialCharacter(raw))
        return QString();
    const QByteArrayView trimmed = trimmedBlanks(raw);
    if (!trimmed.isEmpty() && trimmed.front() == '@')
        return QString();
    QString sText = QString::fromUtf8(trimmed);
    if (sText.isNull())
        sText.reserve(0); // an empty value is an empty, not a null, text
    bPlain = true;
    return sText;
}

QVariant IniValue::decode(QByteArrayView raw)
{
    // Most values are plain texts: no escapes, quotes or commas.
    bool bPlain = false;
    QString sPlain = plainText(raw, bPlain);
    if (bPlain)
        return QVariant(std::move(sPlain));
    if (!hasSpecialCharacter(raw)) {
        // A plain value in an "@" form.
        return textToVariant(QString::fromUtf8(trimmedBlanks(raw)));
    }
    // Reserved, so that an empty value (or first list element) is an empty
    // text rather than a null one, as in the settings class.
    QString sText;
    sText.reserve(raw.size());
    QStringList list;
    if (unescape(raw, sText, list))
        return listToVariant(list);
    return textToVariant(sText);
}
