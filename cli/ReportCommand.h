#pragma once

#include <QStringList>

// `corvane-cli report ...`: the arguments after the subcommand name.
// Returns the process exit code.
int runReportCommand(const QStringList &args);
