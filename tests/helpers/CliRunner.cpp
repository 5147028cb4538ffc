#include "CliRunner.h"

#include "TestHelpers.h"

#include <QElapsedTimer>
#include <QProcess>
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

} // namespace TestHelpers
