#include "cli/CliOutput.h"

#include <cstdio>

void writeToStdout(const QByteArray &data)
{
    std::fwrite(data.constData(), 1, static_cast<size_t>(data.size()), stdout);
    std::fflush(stdout);
}

void writeToStdout(const QString &sText)
{
    writeToStdout(sText.toUtf8());
}

void writeToStderr(const QString &sText)
{
    const QByteArray data = sText.toUtf8();
    std::fwrite(data.constData(), 1, static_cast<size_t>(data.size()), stderr);
    std::fflush(stderr);
}
