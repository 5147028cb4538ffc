#pragma once

#include <QString>
#include <QStringList>

// `corvane-cli export PROJECT_DIR [--install-dir DIR]`: writes every field of
// the project, its sections and their events as one JSON document to
// standard output. Returns the process exit code: 0 success, 1 usage error,
// 2 the project could not be opened, 3 the project has no inspection data.
int runExportCommand(const QStringList &args);

QString exportUsage();
