#include "storage/ProjectDirectory.h"

#include "storage/ContainedFile.h"
#include "storage/PathUtils.h"

#include <QFileInfo>

namespace {
QString mediaDirectory(const QString &sProjectDirectory, const QString &sName)
{
    if (sProjectDirectory.isEmpty())
        return QString();
    QString sPath = sProjectDirectory;
    ensureTrailingSlash(sPath);
    return sPath + sName + PathUtils::separator();
}
} // namespace

QString photosDirectory(const QString &sProjectDirectory)
{
    return mediaDirectory(sProjectDirectory, QStringLiteral("Photos"));
}

QString videosDirectory(const QString &sProjectDirectory)
{
    return mediaDirectory(sProjectDirectory, QStringLiteral("Videos"));
}

QString inclinationDirectory(const QString &sProjectDirectory)
{
    return mediaDirectory(sProjectDirectory, QStringLiteral("Inclination"));
}

QString mediaFilePath(const QString &sMediaDirectory, const QString &sName)
{
    if (sName.isEmpty() || sName == QLatin1String(".") || sName == QLatin1String("..")
        || sName.contains(QLatin1Char('/')) || sName.contains(QLatin1Char('\\')) || sName.contains(QChar(0)))
        return QString();
    if (sMediaDirectory.isEmpty())
        return QString();
    QString sPath = sMediaDirectory;
    ensureTrailingSlash(sPath);
    sPath += sName;
    // A pipe, socket or device in the media directory would block whoever
    // opens it; only regular files (or missing ones) are media. A link, of
    // the file or of the media directory, must not lead out of the project.
    const QFileInfo info(sPath);
    if (info.exists() && !info.isFile())
        return QString();
    if ((info.exists() || info.isSymLink()) && !liesInside(parentDirectoryOf(sMediaDirectory), sPath))
        return QString();
    return sPath;
}

bool openMediaFile(QFile &file, const QString &sMediaFilePath)
{
    // <project>/<media directory>/<name>: the project directory is two up.
    return openFileInside(file, parentDirectoryOf(directoryOfPath(sMediaFilePath)), sMediaFilePath);
}

QString segmentsFilePath(const QString &sProjectDirectory)
{
    QString sPath = sProjectDirectory;
    ensureTrailingSlash(sPath);
    return sPath + QStringLiteral("segments.dat");
}

QString eventFilePath(const QString &sProjectDirectory, int iSectionId)
{
    QString sPath = sProjectDirectory;
    ensureTrailingSlash(sPath);
    return sPath + QString::number(iSectionId) + QStringLiteral(".evtdat");
}
