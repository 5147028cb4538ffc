#include "CliRunner.h"

#include "TestHelpers.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace TestHelpers {

QString cliPath()
{
    return installDir() + QStringLiteral("/corvane-cli");
}

CliRun runCli(const QStringList &args, const QString &sLocale, int iTimeoutMs, const QString &sStdoutFile)
{
    return runProgram(cliPath(), args, sLocale, iTimeoutMs, sStdoutFile);
}

CliRun runProgram(const QString &sProgram, const QStringList &args, const QString &sLocale, int iTimeoutMs,
                  const QString &sStdoutFile)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LC_ALL"), sLocale);
    env.insert(QStringLiteral("LANG"), sLocale);
    // A private runtime directory keeps the GUI library quiet on stderr.
    static QTemporaryDir s_runtimeDir;
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), s_runtimeDir.path());
    process.setProcessEnvironment(env);
    if (!sStdoutFile.isEmpty())
        process.setStandardOutputFile(sStdoutFile);
    QElapsedTimer timer;
    timer.start();
    process.start(sProgram, args);
    CliRun run;
    run.bFinished = process.waitForFinished(iTimeoutMs);
    if (!run.bFinished) {
        process.kill();
        process.waitForFinished();
    }
    run.llMilliseconds = timer.elapsed();
    run.bNormalExit = process.exitStatus() == QProcess::NormalExit;
    if (run.bFinished)
        run.iExitCode = run.bNormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

bool canTrace()
{
    return !QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty();
}

CliRun runCliTraced(const QStringList &args, const QString &sLog, QList<OpenCall> *pCalls)
{
    if (!canTrace())
        return runCli(args);
    // LeakSanitizer stops the world with ptrace, which a traced program cannot.
    const QString sAsanOptions = qEnvironmentVariable("ASAN_OPTIONS") + QStringLiteral(":detect_leaks=0");
    const QStringList straceArgs = {QStringLiteral("-f"),
                                    QStringLiteral("-qq"),
                                    QStringLiteral("-E"),
                                    QStringLiteral("ASAN_OPTIONS=") + sAsanOptions,
                                    QStringLiteral("-e"),
                                    QStringLiteral("trace=open,openat,creat"),
                                    QStringLiteral("-o"),
                                    sLog,
                                    cliPath()};
    const CliRun run = runProgram(QStandardPaths::findExecutable(QStringLiteral("strace")), straceArgs + args,
                                  QStringLiteral("C.UTF-8"), 300000);
    QFile log(sLog);
    if (!log.open(QIODevice::ReadOnly))
        return run;
    while (!log.atEnd()) {
        const QByteArray line = log.readLine().trimmed();
        const qsizetype iStart = line.indexOf('"');
        const qsizetype iEnd = line.indexOf('"', iStart + 1);
        if (iStart >= 0 && iEnd > iStart)
            pCalls->append({QFile::decodeName(line.mid(iStart + 1, iEnd - iStart - 1)), QString::fromLatin1(line)});
    }
    return run;
}

} // namespace TestHelpers
