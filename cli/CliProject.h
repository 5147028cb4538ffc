#pragma once

#include <QString>

class CProjectRuntimeData;

// Exit codes shared by the commands of the headless tool.
enum CliExitCode { ExitOk = 0, ExitUsage = 1, ExitOpenFailed = 2, ExitUnsupported = 3, ExitWriteFailed = 4 };

// The installation directory of an --install-dir option: the program's own
// directory when the option is empty, else the option made absolute.
QString installDirectoryFromOption(const QString &sOption);
// A project directory argument made absolute, keeping a trailing "/".
QString projectDirectoryFromArgument(const QString &sArgument);

// Opens a project with inspection data through the context's facade. On
// failure prints the viewer's message on standard error, leaves
// cRuntimeData null and answers ExitOpenFailed or ExitUnsupported.
int openProjectForCommand(const QString &sProjectDirectory, CProjectRuntimeData *&cRuntimeData);
