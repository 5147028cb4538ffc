#pragma once

#include <QImage>
#include <QString>

// The logo printed in every page header: a picture and a block of text.
struct ReportLogo
{
    QString sText;
    QImage image;
};

// Reads the logo files; a path that is empty or names a file that cannot be
// read leaves that half of the logo empty. Both files are opened in one
// place, so that a check of where they lie applies to both. The image is scaled to fit within
// 4500 x 1700 pixels (45 x 17 mm on the page).
ReportLogo loadReportLogo(const QString &sImagePath, const QString &sTextPath);
