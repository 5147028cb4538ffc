#include "report/parts/ReportLogo.h"

#include "storage/ContainedFile.h"
#include "storage/PathUtils.h"

#include <QFile>
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

// The logo files belong to the logo directory: a link from there to a file
// elsewhere is not followed.
bool openLogoFile(QFile &file, const QString &sPath)
{
    return !sPath.isEmpty() && openFileInside(file, directoryOfPath(sPath), sPath);
}

QString readLogoText(const QString &sPath)
{
    QFile file;
    if (!openLogoFile(file, sPath))
        return QString();
    const QByteArray bytes = file.read(kMaxTextBytes);
    QTextStream stream(bytes);
    stream.setEncoding(QStringConverter::System);
    QString sText = stream.readAll();
    if (sText.size() > kMaxTextCharacters)
        sText.truncate(kMaxTextCharacters);
    return sText;
}

QImage readLogoImage(const QString &sPath)
{
    QFile file;
    if (!openLogoFile(file, sPath))
        return QImage();
    QImageReader reader(&file);
    // A huge picture is decoded at the size it is shown where the format
    // allows; the toolkit refuses any picture above its allocation limit.
    const QSize cOriginal = reader.size();
    if (cOriginal.isValid() && (cOriginal.width() > kMaxImageWidth || cOriginal.height() > kMaxImageHeight))
        reader.setScaledSize(cOriginal.scaled(kMaxImageWidth, kMaxImageHeight, Qt::KeepAspectRatio));
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
