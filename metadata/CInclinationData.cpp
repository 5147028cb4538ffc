#include "metadata/CInclinationData.h"

#include "app/units/Units.h"
#include "storage/CIniReader.h"

#include "storage/ContainedFile.h"

#include <QFile>
#include <QTextStream>

#include <cmath>

namespace {
// Unconvertible, non-finite and beyond-float numbers all read as 0.
float toFiniteFloat(const QString &sText)
{
    return static_cast<float>(CIniReader::textToDouble(sText));
}

void readHeaderLine(const QString &sLine, CInclinationHeader &cHeader)
{
    const int iColon = sLine.indexOf(QLatin1Char(':'));
    if (iColon < 0)
        return;
    const int iField = CInclinationHeader::fieldOfKey(sLine.left(iColon + 1));
    if (iField >= 0)
        cHeader.setField(iField, sLine.mid(iColon + 1));
}
} // namespace

InclinationPoint parseInclinationLine(const QString &sLine, bool bInFeet)
{
    InclinationPoint cPoint;
    const int iSeparator = sLine.indexOf(QLatin1Char(';'));
    if (iSeparator < 0) {
        cPoint.fX = toFiniteFloat(sLine);
        cPoint.fY = cPoint.fX;
    } else {
        cPoint.fX = toFiniteFloat(sLine.left(iSeparator));
        cPoint.fY = toFiniteFloat(sLine.mid(iSeparator + 1));
    }
    if (bInFeet) {
        const float fMetres = convertLength(cPoint.fX, UnitFoot, UnitMetre);
        cPoint.fX = std::isfinite(fMetres) ? fMetres : 0.0f;
    }
    return cPoint;
}

std::unique_ptr<CInclinationData> readInclinationFile(const QString &sPath)
{
    QFile file;
    if (!openFileInside(file, QString(), sPath, QIODevice::Text))
        return nullptr;
    return readInclinationFile(file);
}

std::unique_ptr<CInclinationData> readInclinationFile(QIODevice &device)
{
    if (!device.isReadable())
        return nullptr;
    auto pData = std::make_unique<CInclinationData>();
    // Line ends "\r\n" and "\n" alike: the stream drops both.
    QTextStream stream(&device);
    QString sLine;
    bool bValues = false;
    while (stream.readLineInto(&sLine)) {
        if (!bValues) {
            if (sLine == QLatin1String("Values..."))
                bValues = true;
            else
                readHeaderLine(sLine, pData->header());
            continue;
        }
        // A blank line (typically after the last value) is no measurement;
        // taking it as the point (0, 0) would bend the profile back to the
        // start of the section.
        if (sLine.trimmed().isEmpty())
            continue;
        pData->addPoint(parseInclinationLine(sLine, pData->header().isInFeet()));
    }
    return pData;
}
