#include "storage/PathUtils.h"

#include <QDir>
#include <QFileInfo>

QString PathUtils::forbiddenFileNameCharacters()
{
    return QStringLiteral("/?%*:|\"<>@\\");
}

void ensureTrailingSlash(QString &sPath)
{
    if (!sPath.isEmpty() && !sPath.endsWith(PathUtils::separator()))
        sPath += PathUtils::separator();
}

void removeTrailingSlash(QString &sPath)
{
    if (sPath.endsWith(PathUtils::separator()))
        sPath.chop(1);
}

QString lastPathComponent(const QString &sPath)
{
    QString sText = sPath;
    removeTrailingSlash(sText);
    const qsizetype iSlash = sText.lastIndexOf(PathUtils::separator());
    return iSlash < 0 ? sText : sText.mid(iSlash + 1);
}

QString fileNameOfPath(const QString &sPath)
{
    if (sPath.endsWith(PathUtils::separator()))
        return QString();
    return lastPathComponent(sPath);
}

QString directoryOfPath(const QString &sPath)
{
    QString sText = sPath;
    if (!sText.endsWith(PathUtils::separator())) {
        const qsizetype iSlash = sText.lastIndexOf(PathUtils::separator());
        // A path directly below the root keeps the root "/".
        if (iSlash >= 0)
            sText.truncate(qMax<qsizetype>(iSlash, 1));
    }
    ensureTrailingSlash(sText);
    return sText;
}

QString parentDirectoryOf(const QString &sPath)
{
    QString sText = sPath;
    removeTrailingSlash(sText);
    return directoryOfPath(sText);
}

QString projectFilePath(const QString &sProjectDirectory)
{
    QString sPath = sProjectDirectory;
    ensureTrailingSlash(sPath);
    return sPath + QStringLiteral("project.dat");
}

bool pathExists(const QString &sPath)
{
    return !sPath.isEmpty() && QDir().exists(sPath);
}

bool directoryExists(const QString &sPath, bool bDirect)
{
    if (sPath.isEmpty())
        return false;
    if (bDirect)
        return QDir(sPath).exists();
    const QString sName = lastPathComponent(sPath);
    if (sName.isEmpty())
        return false;
    const QString sParent = parentDirectoryOf(sPath);
    // A relative name without any "/" has no parent text of its own; look
    // in the current directory then.
    const QDir parent(sPath.contains(PathUtils::separator()) ? sParent : QStringLiteral("."));
    const QStringList names = parent.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QString &sEntry : names) {
        if (sEntry.compare(sName, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool hasUndecodableName(const QString &sPath)
{
    // A name that really holds U+FFFD (valid UTF-8) exists as it is decoded.
    return sPath.contains(QChar::ReplacementCharacter) && !QFileInfo::exists(sPath);
}

QString validFileName(const QString &sText)
{
    if (sText.isEmpty())
        return QStringLiteral("_");
    QString sName = sText;
    const auto isBlankOrDot = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('.'); };
    if (isBlankOrDot(sName.front()))
        sName[0] = QLatin1Char('_');
    if (isBlankOrDot(sName.back()))
        sName[sName.size() - 1] = QLatin1Char('_');
    const QString sForbidden = PathUtils::forbiddenFileNameCharacters();
    for (QChar &c : sName) {
        // As a signed byte every character outside 7-bit ASCII is negative
        // and a character outside Latin-1 is 0: all below 32.
        const auto cByte = static_cast<signed char>(c.toLatin1());
        if (cByte < 32 || sForbidden.contains(c))
            c = QLatin1Char('_');
    }
    return sName;
}
