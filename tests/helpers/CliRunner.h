#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One run of the built corvane-cli (or another program) with the offscreen
// platform, the given locale and a private runtime directory.
struct CliRun
{
    bool bFinished = false;   // false: killed after the timeout
    bool bNormalExit = false; // false: crashed
    // The exit code of a normal exit; -2 after a crash, -1 after a timeout.
    int iExitCode = -1;
    QByteArray out;
    QByteArray err;
    qint64 llMilliseconds = 0;
};

namespace TestHelpers {
QString cliPath();
CliRun runCli(const QStringList &args, const QString &sLocale = QStringLiteral("C.UTF-8"), int iTimeoutMs = 150000,
              const QString &sStdoutFile = QString());
CliRun runProgram(const QString &sProgram, const QStringList &args, const QString &sLocale = QStringLiteral("C.UTF-8"),
                  int iTimeoutMs = 150000, const QString &sStdoutFile = QString());

// One file opening the traced program attempted: the path and the call as
// strace printed it (with its flags).
struct OpenCall
{
    QString sPath;
    QString sCall;
};
// Whether strace is installed; without it runCliTraced only runs the cli.
bool canTrace();
// Runs corvane-cli under "strace -f -e trace=open,openat,creat" (log in
// sLog) and appends every file opening it attempted to pCalls.
CliRun runCliTraced(const QStringList &args, const QString &sLog, QList<OpenCall> *pCalls);
} // namespace TestHelpers
