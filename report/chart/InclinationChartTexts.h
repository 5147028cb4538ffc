#pragma once

#include <QString>

// What the grid of an inclination chart prints besides its lines. Altitudes
// are in metres here; the ranges are those of the grid (already widened).
struct InclinationChartTexts
{
    bool bDrawInclination = false;
    float fXMin = 0.0f;
    float fXMax = 0.0f;
    float fAltitudeMin = 0.0f;
    float fAltitudeMax = 0.0f;
    float fInclinationMin = 0.0f;
    float fInclinationMax = 0.0f;

    QString sAltitudeAxisLabel;
    QString sInclinationAxisLabel;
    QString sPositionAxisLabel;
    QString sLeftNode;
    QString sRightNode;
    QString sLengthText;
    QString sMeasuredInclinationText;
    QString sAltitudeScale;
    QString sInclinationRangeText;
    QString sDirectionText;
    QString sPositionScale;
};
