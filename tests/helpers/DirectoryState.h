#pragma once

#include <QByteArray>
#include <QString>

namespace TestHelpers {
// Everything below a directory, one line per entry in name order: relative
// name, mode, size, modification time in nanoseconds, link target and the
// hash of a regular file's bytes. Links are not followed. Two equal states
// mean nothing was added, removed, written, touched or re-permissioned.
QByteArray directoryState(const QString &sDirectory);
} // namespace TestHelpers
