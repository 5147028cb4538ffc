#pragma once

#include <QString>

class QFile;

// Keeps every read inside the directory it belongs to. A project directory
// (or the directory of the report logo) may hold symbolic links; a link to a
// file outside must not make the program read that file. Paths are compared
// after resolving every link, and the directory itself may be reached
// through a link: it is resolved first.

// The directory with every link resolved and a trailing "/"; empty when it
// does not exist.
QString resolvedDirectory(const QString &sDirectory);

// Whether sPath, with every link resolved, names an existing entry inside
// the resolved sDirectory (the directory itself does not count).
bool liesInside(const QString &sDirectory, const QString &sPath);

// Whether the plain text sName, appended to sDirectory, stays below it
// ("../" or an absolute name would leave it). Looks at the text only, for
// names that come from files of a trusted installation.
bool nameStaysInside(const QString &sDirectory, const QString &sName);

// Opens sPath read-only (with the given extra mode, e.g. QIODevice::Text)
// when it is a regular file inside sDirectory after resolving every link.
// The opened file itself is compared with the resolved path afterwards, so
// a link swapped in between the check and the open is caught; a pipe never
// blocks the open. With an empty sDirectory only the file kind is checked.
// False, with the file closed, otherwise.
bool openFileInside(QFile &file, const QString &sDirectory, const QString &sPath, int iExtraMode = 0);
