#pragma once

#include <QList>
#include <QPointF>

// What the inclination chart takes from the altitude profile of a section:
// positions in metres, inclinations in percent, altitudes in centimetres.
struct InclinationChartInput
{
    float fMinPosition = 0.0f;
    float fMaxPosition = 0.0f;
    float fMinInclination = 0.0f;
    float fMaxInclination = 0.0f;
    float fMinAltitude = 0.0f;
    float fMaxAltitude = 0.0f;
    // Ends of the measurement, for the overall measured inclination.
    float fStartAltitude = 0.0f;
    float fEndAltitude = 0.0f;
    float fStartPosition = 0.0f;
    float fEndPosition = 0.0f;
    // Altitude offset between the two pipe lines.
    float fPipeDimension = 0.0f;
    // Measured length in metres.
    float fLength = 0.0f;
    // (position, inclination) and (position, altitude).
    QList<QPointF> inclinationPoints;
    QList<QPointF> altitudePoints;
};
