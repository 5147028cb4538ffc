#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QVariant>

// Serialized variants inside INI values ("@Variant(...)" in stream version
// Qt_4_0, "@DateTime(...)" in Qt_5_6). The bytes are checked by a small
// depth-limited walker before the data stream sees them, so a hostile value
// cannot exhaust the stack or memory: only plain core types (numbers, texts,
// byte arrays, dates and times, lists, maps, string lists, rects, sizes,
// points, ...) are accepted, nested at most kMaxDepth levels, and every
// length must fit into the bytes actually present.
namespace IniVariantStream {
inline constexpr int kMaxDepth = 32;

// Whether the walker accepts the bytes: true when the data stream can read a
// variant from them completely and cheaply.
bool isPlain(const QByteArray &bytes, QDataStream::Version eVersion);

// The variant the bytes hold, or an invalid variant when the walker rejects
// them (too deep, truncated, a non-plain type such as an image or a user
// type).
QVariant decode(const QByteArray &bytes, QDataStream::Version eVersion);
} // namespace IniVariantStream
