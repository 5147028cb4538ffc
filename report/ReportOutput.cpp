#include "report/ReportOutput.h"

#include "storage/ContainedFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

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

bool reportOutputComplete(const QString &sOutputFile)
{
    const QFileInfo info(sOutputFile);
    if (info.isFile())
        return info.size() > 0;
    return info.exists();
}
