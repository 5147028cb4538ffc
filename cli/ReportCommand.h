#pragma once

#include <QString>
#include <QStringList>

// `corvane-cli report PROJECT_DIR -o FILE.pdf [options]`: writes a PDF report
// of the project. The arguments are those after the subcommand name.
// Returns the process exit code: 0 the PDF was written, 1 usage error,
// 2 the project could not be opened, 3 the project has no inspection data,
// 4 the PDF could not be written.
int runReportCommand(const QStringList &args);

QString reportUsage();
