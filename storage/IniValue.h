#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QVariant>

// One INI value, from its raw bytes (everything after the "=" of its line)
// to the variant the settings class of Qt 6.4 reads for it: blanks trimmed,
// quotes, escapes ("\n", "\"", octal, greedy "\x" hex), unquoted commas
// splitting a list, and the "@" forms ("@ByteArray(...)", "@Variant(...)",
// "@DateTime(...)", "@Rect(...)", "@Size(...)", "@Point(...)",
// "@Invalid()", "@@"). Unlike the settings class an escaped comma "\," keeps
// its comma (and never splits a list), and serialized variants are checked
// before they are decoded (see IniVariantStream).
//
// Raw values are valid UTF-8, as CIniDocument hands them out.
namespace IniValue {
// The value without the blanks and tabs around it.
QByteArrayView trimmedBlanks(QByteArrayView raw);

// The unescaped text, or the list when an unquoted comma split the value.
// Returns true for a list.
bool unescape(QByteArrayView raw, QString &sText, QStringList &list);

// The "@" forms of a single text.
QVariant textToVariant(const QString &sText);
// A list whose elements start with "@" (other than "@@") becomes a list of
// variants; otherwise it stays a string list with "@@" reduced to "@".
QVariant listToVariant(const QStringList &list);

QVariant decode(QByteArrayView raw);

// Most values are plain: no quotes, escapes or commas, and no "@" form.
// For those bPlain becomes true and the result is their text (blanks
// trimmed, never a null text), exactly what decode gives as a string;
// otherwise bPlain is false and the result empty.
QString plainText(QByteArrayView raw, bool &bPlain);
} // namespace IniValue
