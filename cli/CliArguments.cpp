#include "cli/CliArguments.h"

#include "cli/CliOutput.h"
#include "cli/CliProject.h"

bool isCliOption(const QString &sArg, const QString &sName)
{
    return sArg == sName || sArg.startsWith(sName + QLatin1Char('='));
}

QString takeCliOptionValue(const QStringList &args, int &i, const QString &sName, QString &sValue)
{
    const QString &sArg = args.at(i);
    if (sArg.startsWith(sName + QLatin1Char('='))) {
        sValue = sArg.mid(sName.size() + 1);
    } else {
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value").arg(sName);
        sValue = args.at(++i);
    }
    return QString();
}

QString CliCommonArguments::take(const QString &sArg)
{
    if (sArg == QLatin1String("--help") || sArg == QLatin1String("-h")) {
        bHelp = true;
    } else if (sArg.startsWith(QLatin1Char('-')) && sArg != QLatin1String("-")) {
        return QStringLiteral("unknown option %1").arg(sArg);
    } else if (bHaveProject) {
        return QStringLiteral("unexpected argument %1").arg(sArg);
    } else {
        sProjectDirectory = sArg;
        bHaveProject = true;
    }
    return QString();
}

bool answerHelpOrUsageError(const QString &sCommand, bool bHelp, const QString &sError, const QString &sUsage,
                            int &iExitCode)
{
    if (bHelp && sError.isEmpty()) {
        writeToStdout(sUsage);
        iExitCode = ExitOk;
        return true;
    }
    if (!sError.isEmpty()) {
        writeToStderr(QStringLiteral("corvane-cli %1: %2\n\n").arg(sCommand, sError) + sUsage);
        iExitCode = ExitUsage;
        return true;
    }
    return false;
}
