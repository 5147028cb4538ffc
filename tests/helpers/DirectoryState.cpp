#include "DirectoryState.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringList>

#include <sys/stat.h>

QByteArray TestHelpers::directoryState(const QString &sDirectory)
{
    QStringList entries;
    QDirIterator it(sDirectory, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sPath = it.next();
        struct stat st = {};
        if (::lstat(QFile::encodeName(sPath).constData(), &st) != 0)
            continue;
        QString sEntry = QDir(sDirectory).relativeFilePath(sPath)
                         + QStringLiteral(" mode=%1 size=%2 mtime=%3.%4")
                               .arg(st.st_mode, 0, 8)
                               .arg(st.st_size)
                               .arg(st.st_mtim.tv_sec)
                               .arg(st.st_mtim.tv_nsec);
        if (S_ISLNK(st.st_mode)) {
            sEntry += QStringLiteral(" -> ") + QFile::symLinkTarget(sPath);
        } else if (S_ISREG(st.st_mode)) {
            QFile file(sPath);
            QCryptographicHash hash(QCryptographicHash::Sha1);
            if (file.open(QIODevice::ReadOnly) && hash.addData(&file))
                sEntry += QLatin1Char(' ') + QString::fromLatin1(hash.result().toHex());
        }
        entries << sEntry;
    }
    entries.sort();
    return entries.join(QLatin1Char('\n')).toUtf8();
}
