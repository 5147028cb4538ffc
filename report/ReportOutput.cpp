#include "report/ReportOutput.h"

#include "storage/ContainedFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The kernel follows at most 40 links on a path; so do we.
constexpr int kMaxLinks = 40;

// The path the writer would really open: every link of the name followed
// (also a dangling one, which an open for writing would create), then the
// directory resolved. Links that go round in a circle give the path as it
// stands: the writer cannot open it.
QString writtenPath(const QString &sOutputFile)
{
    QString sPath = QFileInfo(sOutputFile).absoluteFilePath();
    for (int i = 0; i <= kMaxLinks; ++i) {
        const QFileInfo info(sPath);
        if (!info.isSymLink()) {
            if (info.exists())
                return info.canonicalFilePath();
            const QString sDirectory = QFileInfo(info.absolutePath()).canonicalFilePath();
            return sDirectory.isEmpty() ? QDir::cleanPath(sPath) : sDirectory + QLatin1Char('/') + info.fileName();
        }
        sPath = info.symLinkTarget();
    }
    return QDir::cleanPath(sPath);
}

// An existing file with more than one name may be a project file under
// another name: writing would truncate the project's copy too.
bool isHardLinkIntoProject(const QString &sPath, const QString &sProjectDirectory)
{
    struct stat output = {};
    if (::stat(QFile::encodeName(sPath).constData(), &output) != 0 || !S_ISREG(output.st_mode) || output.st_nlink < 2)
        return false;
    QDirIterator it(sProjectDirectory, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        struct stat entry = {};
        if (::lstat(QFile::encodeName(it.next()).constData(), &entry) == 0 && entry.st_dev == output.st_dev
            && entry.st_ino == output.st_ino)
            return true;
    }
    return false;
}
} // namespace

ReportOutputCheck checkReportOutput(const QString &sOutputFile, const QString &sProjectDirectory)
{
    const QString sPath = writtenPath(sOutputFile);
    if (QFileInfo(sPath).isDir())
        return ReportOutputCheck::IsDirectory;
    const QString sProject = resolvedDirectory(sProjectDirectory);
    if (sProject.isEmpty())
        return ReportOutputCheck::Usable;
    if ((sPath + QLatin1Char('/')).startsWith(sProject) || isHardLinkIntoProject(sPath, sProject))
        return ReportOutputCheck::InsideProject;
    return ReportOutputCheck::Usable;
}

ReportOutputCheck openReportOutput(QFile &file, const QString &sProjectDirectory)
{
    const int iHandle =
        ::open(QFile::encodeName(file.fileName()).constData(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    if (iHandle < 0)
        return ReportOutputCheck::IsDirectory;
    // Where the handle really leads (the kernel tells through /proc; a pipe
    // has no path there).
    char buffer[4096];
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(iHandle);
    const ssize_t iLength = ::readlink(link.constData(), buffer, sizeof(buffer));
    const QString sOpened = iLength > 0 && static_cast<size_t>(iLength) < sizeof(buffer) && buffer[0] == '/'
                                ? QFile::decodeName(QByteArray(buffer, static_cast<int>(iLength)))
                                : file.fileName();
    struct stat opened = {};
    const bool bStat = ::fstat(iHandle, &opened) == 0;
    if (checkReportOutput(sOpened, sProjectDirectory) == ReportOutputCheck::InsideProject) {
        ::close(iHandle);
        return ReportOutputCheck::InsideProject;
    }
    if (!bStat || (S_ISREG(opened.st_mode) && ::ftruncate(iHandle, 0) != 0)
        || !file.open(iHandle, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(iHandle);
        return ReportOutputCheck::IsDirectory;
    }
    return ReportOutputCheck::Usable;
}

bool finishReportOutput(QFile &file)
{
    const bool bFlushed = file.flush() && file.error() == QFileDevice::NoError;
    struct stat written = {};
    const bool bEmptyFile = ::fstat(file.handle(), &written) == 0 && S_ISREG(written.st_mode) && written.st_size == 0;
    file.close();
    return bFlushed && file.error() == QFileDevice::NoError && !bEmptyFile;
}
