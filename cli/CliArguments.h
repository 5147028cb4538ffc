#pragma once

#include <QString>
#include <QStringList>

// Argument parsing shared by the commands of the headless tool.

// Whether the argument is the option sName, alone or as "sName=VALUE".
bool isCliOption(const QString &sArg, const QString &sName);

// The value of the option at args[i]: the text after "=", else the next
// argument (i then moves on to it). An error text when the value is missing.
QString takeCliOptionValue(const QStringList &args, int &i, const QString &sName, QString &sValue);

// What every command takes besides its own options: --help and the one
// project directory.
struct CliCommonArguments
{
    QString sProjectDirectory;
    bool bHaveProject = false;
    bool bHelp = false;

    // Takes an argument no option of the command claimed; an error text for
    // an unknown option or a second project directory.
    QString take(const QString &sArg);
};

// After parsing: the command's usage on standard output for --help, or the
// error and the usage on standard error. True when that answered the
// command; iExitCode then holds its exit code.
bool answerHelpOrUsageError(const QString &sCommand, bool bHelp, const QString &sError, const QString &sUsage,
                            int &iExitCode);
