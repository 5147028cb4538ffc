#include "cli/ReportCommand.h"

#include "cli/CliOutput.h"

int runReportCommand(const QStringList &)
{
    writeToStderr(QStringLiteral("corvane-cli report: not yet available\n"));
    return 1;
}
