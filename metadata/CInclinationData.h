#pragma once

#include "metadata/CInclinationHeader.h"

#include <QList>
#include <QString>

#include <memory>

class QIODevice;

// A point of an inclination measurement or of an altitude profile: distance
// along the section in metres, and inclination in percent or altitude in
// centimetres.
struct InclinationPoint
{
    float fX = 0.0f;
    float fY = 0.0f;
};

using InclinationPoints = QList<InclinationPoint>;

// An inclination measurement file: its header and the measured points in
// file order.
class CInclinationData
{
public:
    CInclinationData() = default;

    const CInclinationHeader &header() const { return m_header; }
    CInclinationHeader &header() { return m_header; }
    InclinationPoints points() const { return m_points; }
    int pointCount() const { return static_cast<int>(m_points.size()); }
    void addPoint(const InclinationPoint &cPoint) { m_points.append(cPoint); }

private:
    CInclinationHeader m_header;
    InclinationPoints m_points;
};

// Reads a measurement file: header lines "Key:value" up to the line
// "Values...", then one point "distance;inclination" per line. Null when
// the file cannot be opened. Numbers that do not convert, or are not
// finite, read as 0; blank value lines add no point.
std::unique_ptr<CInclinationData> readInclinationFile(const QString &sPath);
// The same from a device already open for reading.
std::unique_ptr<CInclinationData> readInclinationFile(QIODevice &device);

// One value line as a point ("." as decimal point; a line without ";"
// gives its number for both values), distance converted from feet when
// bInFeet.
InclinationPoint parseInclinationLine(const QString &sLine, bool bInFeet);
