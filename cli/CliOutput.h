#pragma once

#include <QByteArray>
#include <QString>

// Output of the headless tool: UTF-8 on standard output and standard error.
// False when standard output did not take everything (a full device).
bool writeToStdout(const QByteArray &data);
bool writeToStdout(const QString &sText);
void writeToStderr(const QString &sText);
