#include "cli/CliOutput.h"

#include <cstdio>

bool writeToStdout(const QByteArray &data)
{
    const size_t uiSize = static_cast<size_t>(data.size());
    const size_t uiWritten = std::fwrite(data.constData(), 1, uiSize, stdout);
    // The flush reports what the device refused of the buffered rest.
    const bool bFlushed = std::fflush(stdout) == 0;
    return uiWritten == uiSize && bFlushed && !std::ferror(stdout);
}

bool writeToStdout(const QString &sText)
{
    return writeToStdout(sText.toUtf8());
}

void writeToStderr(const QString &sText)
{
    const QByteArray data = sText.toUtf8();
    std::fwrite(data.constData(), 1, static_cast<size_t>(data.size()), stderr);
    std::fflush(stderr);
}
