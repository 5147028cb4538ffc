#include "report/chart/InclinationChartGeometry.h"

#include "app/units/Units.h"

#include <algorithm>
#include <cmath>

namespace InclinationChartGeometry {

namespace {
float finiteOrZero(float fValue)
{
    return std::isfinite(fValue) ? fValue : 0.0f;
}
} // namespace

ChartRange chartRange(float fMin, float fMax, float fZeroSpan, bool bMargin)
{
    ChartRange range;
    range.fMin = finiteOrZero(fMin);
    range.fMax = finiteOrZero(fMax);
    if (range.fMax < range.fMin)
        std::swap(range.fMin, range.fMax);
    range.fSpan = range.fMax - range.fMin;
    if (!std::isfinite(range.fSpan)) {
        // The two ends are too far apart for a float: nothing sensible to
        // draw, so the chart shows the zero range around 0.
        range.fMin = range.fMax = 0.0f;
        range.fSpan = 0.0f;
    }
    if (range.fSpan <= 0.0f) {
        const float fCentre = range.fMin;
        range.fMin = fCentre - fZeroSpan / 2.0f;
        range.fMax = fCentre + fZeroSpan / 2.0f;
        range.fSpan = range.fMax - range.fMin;
        if (range.fSpan <= 0.0f) {
            // Far from 0 a float cannot hold the narrow range; widen it in
            // proportion to the value instead.
            const float fHalf = std::fabs(fCentre) * 0.01f;
            range.fMin = fCentre - fHalf;
            range.fMax = fCentre + fHalf;
            range.fSpan = range.fMax - range.fMin;
        }
    }
    if (bMargin) {
        const float fMargin = range.fSpan * 0.05f;
        const float fMinWide = range.fMin - fMargin;
        const float fMaxWide = range.fMax + fMargin;
        if (std::isfinite(fMaxWide - fMinWide)) {
            range.fMin = fMinWide;
            range.fMax = fMaxWide;
            range.fSpan = fMaxWide - fMinWide;
        }
    }
    if (!(range.fSpan > 0.0f) || !std::isfinite(range.fSpan)) {
        range.fMin = -fZeroSpan / 2.0f;
        range.fMax = fZeroSpan / 2.0f;
        range.fSpan = fZeroSpan;
    }
    return range;
}

double scaleFactor(int iPlotSize, float fSpan, bool bUpwards)
{
    const double dFactor = static_cast<double>(iPlotSize) / static_cast<double>(fSpan);
    if (!std::isfinite(dFactor))
        return 0.0;
    return bUpwards ? -dFactor : dFactor;
}

int toCoordinate(double dValue)
{
    if (std::isnan(dValue))
        return 0;
    return static_cast<int>(
        std::clamp(dValue, -static_cast<double>(kMaxCoordinate), static_cast<double>(kMaxCoordinate)));
}

QString scaleText(double dUnits, double dFactor)
{
    const double dScale = std::fabs(std::floor(dUnits / dFactor));
    if (!std::isfinite(dScale) || dScale > 1e15)
        return QStringLiteral("1 : ?");
    return QStringLiteral("1 : ") + QString::number(static_cast<qint64>(dScale));
}

QString measuredInclinationValue(float fStartAltitude, float fEndAltitude, float fStartPosition, float fEndPosition)
{
    const float fDistance = fEndPosition - fStartPosition;
    const float fValue = (fEndAltitude - fStartAltitude) / fDistance;
    if (fDistance == 0.0f || !std::isfinite(fValue))
        return QStringLiteral("? %");
    return formatPercent(fValue);
}

QList<int> gridLineOffsets(int iSize, int iSections)
{
    QList<int> offsets;
    const int iCount = std::min(iSections, kMaxGridSections);
    if (iCount < 2)
        return offsets;
    for (int i = 0; i < iCount; ++i)
        offsets.append(static_cast<int>(static_cast<qint64>(i) * iSize / (iCount - 1)));
    return offsets;
}

float gridValue(float fMin, float fSpan, int iIndex, int iSections)
{
    const int iCount = std::min(iSections, kMaxGridSections);
    if (iCount < 2)
        return fMin;
    return fMin + static_cast<float>(iIndex) * fSpan / static_cast<float>(iCount - 1);
}

} // namespace InclinationChartGeometry
