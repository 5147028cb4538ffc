#pragma once

#include <QString>
#include <QStringList>

// The program's command line as one text: the arguments after the program
// name joined by single blanks, so that a start path with blanks works
// quoted or not.
QString commandLineText(const QStringList &cArguments);

// The start directory named in a command-line text, with "/" separators and
// a trailing "/"; relative paths are taken relative to the current
// directory. Either "/start_path=" followed by an existing directory, or
// (as a desktop entry passes it) the plain path of a directory or of a file,
// which gives the project directory holding it (projectDirectoryForPath).
// Empty when the text names none or it does not exist.
QString startPathFromCommandLine(const QString &sCommandLine);

// The directory to open for a path the user named (argument, drop): a
// directory itself, a file its directory. When that directory holds no
// "project.dat" but its parent does (a photo in "Photos", the "Videos"
// directory), the parent. With "/" separators and a trailing "/"; empty
// when nothing exists at the path. A "file:" URL counts as its local path.
QString projectDirectoryForPath(const QString &sPath);
