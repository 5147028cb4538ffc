#pragma once

#include <QString>

// Path helpers shared by storage and the user interface. Paths are texts
// with "/" as the only separator; only pathExists and directoryExists look
// at the file system.
namespace PathUtils {
// The one separator paths use.
inline constexpr QChar separator()
{
    return QLatin1Char('/');
}
// The eleven characters not allowed in file names, in their fixed order.
QString forbiddenFileNameCharacters();
} // namespace PathUtils

// Appends "/" unless the text is empty or already ends in "/".
void ensureTrailingSlash(QString &sPath);
// Removes one final "/" if there is one.
void removeTrailingSlash(QString &sPath);
// After removing one trailing "/", the text after the last "/".
QString lastPathComponent(const QString &sPath);
// Empty when the path ends in "/", else lastPathComponent.
QString fileNameOfPath(const QString &sPath);
// The path cut at its last "/" (unless it ends in "/"), with a trailing "/".
QString directoryOfPath(const QString &sPath);
// directoryOfPath of the path without one trailing "/".
QString parentDirectoryOf(const QString &sPath);
// The project directory with a trailing "/" followed by "project.dat".
QString projectFilePath(const QString &sProjectDirectory);
// Whether a file or directory of that path exists.
bool pathExists(const QString &sPath);
// bDirect: whether the directory exists. Otherwise whether the parent lists
// a sub-directory of that name, compared case-insensitively.
bool directoryExists(const QString &sPath, bool bDirect);
// Whether a path cannot be used because a name on it is not valid UTF-8:
// such bytes cannot be told apart once decoded (they turned into U+FFFD), so
// nothing of that name can be opened.
bool hasUndecodableName(const QString &sPath);
// A usable file name of the same length: control characters, characters
// outside 7-bit ASCII and forbidden characters become "_"; so do a leading
// or trailing blank or ".". An empty text gives "_".
QString validFileName(const QString &sText);
