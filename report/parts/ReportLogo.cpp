#include "report/parts/ReportLogo.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTextStream>

#include <memory>

namespace {
// A header cell shows a few lines at most; reading megabytes of text would
// only slow down the fitting of every page header.
constexpr qint64 kMaxTextBytes = 64 * 1024;
constexpr int kMaxTextCharacters = 4096;
constexpr int kMaxImageWidth = 4500;
constexpr int kMaxImageHeight = 1700;

// The one place where a logo file is opened: a path that is empty or names
// no regular file opens nothing.
std::unique_ptr<QFile> openLogoFile(const QString &sPath)
{
    if (sPath.isEmpty() || !QFileInfo(sPath).isFile())
        return nullptr;
    auto pFile = std::make_unique<QFile>(sPath);
    if (!pFile->open(QIODevice::ReadOnly))
        return nullptr;
    return pFile;
}

QString readLogoText(const QString &sPath)
{
    const std::unique_ptr<QFile> pFile = openLogoFile(sPath);
    if (!pFile)
        return QString();
    const QByteArray bytes = pFile->read(kMaxTextBytes);
    QTextStream stream(bytes);
    stream.setEncoding(QStringConverter::System);
    QString sText = stream.readAll();
    if (sText.size() > kMaxTextCharacters)
        sText.truncate(kMaxTextCharacters);
    return sText;
}

QImage readLogoImage(const QString &sPath)
{
    const std::unique_ptr<QFile> pFile = openLogoFile(sPath);
    if (!pFile)
        return QImage();
    QImageReader reader(pFile.get());
    QImage image = reader.read();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return QImage();
    return image.scaled(kMaxImageWidth, kMaxImageHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
} // namespace

ReportLogo loadReportLogo(const QString &sImagePath, const QString &sTextPath)
{
    ReportLogo logo;
    logo.sText = readLogoText(sTextPath);
    logo.image = readLogoImage(sImagePath);
    return logo;
}
