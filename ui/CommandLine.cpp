#include "ui/CommandLine.h"

#include "storage/PathUtils.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

const QString g_sStartPathOption = QStringLiteral("/start_path=");

bool isQuoted(const QString &sText)
{
    return sText.size() >= 2 && sText.startsWith(QLatin1Char('"')) && sText.endsWith(QLatin1Char('"'));
}

QString unquoted(const QString &sText)
{
    return isQuoted(sText) ? sText.mid(1, sText.size() - 2) : sText;
}

QString absolutePath(const QString &sPath)
{
    if (QDir::isRelativePath(sPath))
        return QDir::cleanPath(QDir::current().absoluteFilePath(sPath));
    return QDir::cleanPath(sPath);
}

bool holdsProjectFile(const QString &sDirectory)
{
    return pathExists(projectFilePath(sDirectory));
}

} // namespace

QString commandLineText(const QStringList &cArguments)
{
    return cArguments.mid(1).join(QLatin1Char(' '));
}

QString projectDirectoryForPath(const QString &sPath)
{
    QString sLocal = sPath;
    if (sLocal.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        sLocal = QUrl(sLocal).toLocalFile();
    if (sLocal.isEmpty())
        return QString();
    const QFileInfo cInfo(absolutePath(sLocal));
    if (!cInfo.exists())
        return QString();
    QString sDirectory = cInfo.isDir() ? cInfo.absoluteFilePath() : cInfo.absolutePath();
    if (!holdsProjectFile(sDirectory)) {
        const QString sParent = QFileInfo(sDirectory).absolutePath();
        if (sParent != sDirectory && holdsProjectFile(sParent))
            sDirectory = sParent;
    }
    ensureTrailingSlash(sDirectory);
    return sDirectory;
}

QString startPathFromCommandLine(const QString &sCommandLine)
{
    const QString sLine = unquoted(sCommandLine);
    if (!sLine.startsWith(g_sStartPathOption, Qt::CaseSensitive))
        return projectDirectoryForPath(sLine);

    QString sPath = unquoted(sLine.mid(g_sStartPathOption.size()));
    sPath.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (sPath.isEmpty())
        return QString();
    if (QDir::isRelativePath(sPath))
        sPath = absolutePath(sPath);

    if (!directoryExists(sPath, false))
        return QString();
    ensureTrailingSlash(sPath);
    return sPath;
}
