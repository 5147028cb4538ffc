#include "storage/ContainedFile.h"

#include "storage/PathUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// sResolved (no trailing "/") lies below sRoot (with a trailing "/").
bool isBelow(const QString &sRoot, const QString &sResolved)
{
    return !sRoot.isEmpty() && sResolved.size() > sRoot.size() && sResolved.startsWith(sRoot);
}

// Where the open handle really leads: a link swapped into a directory of the
// path between the check and the open would lead elsewhere. The kernel tells
// through /proc; without it, the path resolved again must name the very
// file that was opened.
QString openedFilePath(int iHandle, const struct stat &opened, const QString &sPath)
{
    char buffer[4096];
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(iHandle);
    const ssize_t iLength = ::readlink(link.constData(), buffer, sizeof(buffer));
    if (iLength > 0 && static_cast<size_t>(iLength) < sizeof(buffer))
        return QFile::decodeName(QByteArray(buffer, static_cast<int>(iLength)));
    const QString sResolved = QFileInfo(sPath).canonicalFilePath();
    struct stat named = {};
    if (sResolved.isEmpty() || ::stat(QFile::encodeName(sResolved).constData(), &named) != 0
        || named.st_dev != opened.st_dev || named.st_ino != opened.st_ino)
        return QString();
    return sResolved;
}
} // namespace

QString resolvedDirectory(const QString &sDirectory)
{
    if (sDirectory.isEmpty())
        return QString();
    const QFileInfo info(sDirectory);
    QString sResolved = info.isDir() ? info.canonicalFilePath() : QString();
    ensureTrailingSlash(sResolved);
    return sResolved;
}

bool liesInside(const QString &sDirectory, const QString &sPath)
{
    // A dangling link or links in a circle lead nowhere, so not inside.
    if (sPath.isEmpty() || !QFileInfo::exists(sPath))
        return false;
    return isBelow(resolvedDirectory(sDirectory), QFileInfo(sPath).canonicalFilePath());
}

bool nameStaysInside(const QString &sDirectory, const QString &sName)
{
    if (sName.isEmpty() || sName.startsWith(PathUtils::separator()) || sName.contains(QLatin1Char('\\'))
        || sName.contains(QChar(0)))
        return false;
    QString sRoot = QDir::cleanPath(sDirectory.isEmpty() ? QStringLiteral(".") : sDirectory);
    ensureTrailingSlash(sRoot);
    return isBelow(sRoot, QDir::cleanPath(sRoot + sName));
}

bool openFileInside(QFile &file, const QString &sDirectory, const QString &sPath, int iExtraMode)
{
    if (file.isOpen())
        file.close();
    if (sPath.isEmpty())
        return false;
    QString sResolved;
    if (!sDirectory.isEmpty()) {
        sResolved = QFileInfo(sPath).canonicalFilePath();
        if (!isBelow(resolvedDirectory(sDirectory), sResolved))
            return false;
    }
    // Non-blocking, so a pipe put in the file's place cannot stall the open.
    const int iHandle = ::open(QFile::encodeName(sResolved.isEmpty() ? sPath : sResolved).constData(),
                               O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (iHandle < 0)
        return false;
    struct stat opened = {};
    bool bUsable = ::fstat(iHandle, &opened) == 0 && S_ISREG(opened.st_mode);
    if (bUsable && !sResolved.isEmpty())
        bUsable = isBelow(resolvedDirectory(sDirectory), openedFilePath(iHandle, opened, sPath));
    if (bUsable) {
        const int iFlags = ::fcntl(iHandle, F_GETFL);
        bUsable = iFlags >= 0 && ::fcntl(iHandle, F_SETFL, iFlags & ~O_NONBLOCK) == 0;
    }
    if (!bUsable
        || !file.open(iHandle, QIODevice::ReadOnly | QIODevice::OpenMode(iExtraMode), QFileDevice::AutoCloseHandle)) {
        ::close(iHandle);
        return false;
    }
    return true;
}
