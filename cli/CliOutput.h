#pragma once

#include <QByteArray>
#include <QString>

// Output of the headless tool: UTF-8 on standard output and standard error.
void writeToStdout(const QByteArray &data);
void writeToStdout(const QString &sText);
void writeToStderr(const QString &sText);
