#pragma once

#include <QString>

// The entries of the inclination chart's legend.
struct InclinationLegendTexts
{
    bool bShowInclination = false;
    bool bShowZeroLine = false;
    QString sInclinationText;
    QString sZeroLineText;
    QString sAltitudeText;
    QString sPipeText;
};
