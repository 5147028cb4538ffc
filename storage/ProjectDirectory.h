#pragma once

#include <QString>

class QFile;

// The fixed entries of a project directory and the paths of its media
// files. Each directory function takes the project directory (with or
// without a trailing "/") and answers with a trailing "/", or empty for an
// empty directory text.
QString photosDirectory(const QString &sProjectDirectory);
QString videosDirectory(const QString &sProjectDirectory);
QString inclinationDirectory(const QString &sProjectDirectory);

// The path of a media file named in the project data. Names come from the
// project files and are bare file names; anything that could leave the
// media directory ("/", "\\", ".", "..") or an empty name gives an empty
// path, so no caller ever opens a file outside it. So does an existing entry
// that is not a regular file (a pipe would block its reader for good), and
// one that a link leads out of the project directory (the media directory's
// parent).
QString mediaFilePath(const QString &sMediaDirectory, const QString &sName);

// Opens a path made by mediaFilePath read-only, only when the file still
// lies inside the project directory when it is opened.
bool openMediaFile(QFile &file, const QString &sMediaFilePath);

// File names inside the project directory.
QString segmentsFilePath(const QString &sProjectDirectory);
QString eventFilePath(const QString &sProjectDirectory, int iSectionId);
