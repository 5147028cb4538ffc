#pragma once

#include <QString>
#include <QStringList>

// The program's command line as one text: the arguments after the program
// name joined by single blanks, so that a start path with blanks works
// quoted or not.
QString commandLineText(const QStringList &cArguments);

// The start directory named by "/start_path=" in a command-line text, with
// "/" separators and a trailing "/"; relative paths are taken relative to
// the current directory. Empty when the text names none or the directory
// does not exist.
QString startPathFromCommandLine(const QString &sCommandLine);
