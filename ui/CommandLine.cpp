#include "ui/CommandLine.h"

#include "storage/PathUtils.h"

#include <QDir>

namespace {

const QString g_sStartPathOption = QStringLiteral("/start_path=");

bool isQuoted(const QString &sText)
{
    return sText.size() >= 2 && sText.startsWith(QLatin1Char('"')) && sText.endsWith(QLatin1Char('"'));
}

} // namespace

QString commandLineText(const QStringList &cArguments)
{
    return cArguments.mid(1).join(QLatin1Char(' '));
}

QString startPathFromCommandLine(const QString &sCommandLine)
{
    QString sLine = sCommandLine;
    if (isQuoted(sLine))
        sLine = sLine.mid(1, sLine.size() - 2);
    if (!sLine.startsWith(g_sStartPathOption, Qt::CaseSensitive))
        return QString();

    QString sPath = sLine.mid(g_sStartPathOption.size());
    if (isQuoted(sPath))
        sPath = sPath.mid(1, sPath.size() - 2);
    sPath.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (sPath.isEmpty())
        return QString();
    if (QDir::isRelativePath(sPath))
        sPath = QDir::cleanPath(QDir::current().absoluteFilePath(sPath));

    if (!directoryExists(sPath, false))
        return QString();
    ensureTrailingSlash(sPath);
    return sPath;
}
