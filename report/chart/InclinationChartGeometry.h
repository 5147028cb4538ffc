#pragma once

#include <QList>
#include <QString>

// Arithmetic of the inclination chart: value ranges, scale factors, grid
// lines and the texts computed from numbers. Nothing here paints.

namespace InclinationChartGeometry {

// Widths given to a range whose values do not vary, so that the curve runs
// through the middle of the chart: 1 m of position, 1 % of inclination and
// 10 cm of altitude.
constexpr float kPositionZeroSpan = 1.0f;
constexpr float kInclinationZeroSpan = 1.0f;
constexpr float kAltitudeZeroSpan = 10.0f;

// Largest magnitude of a page coordinate that a chart value may become.
constexpr int kMaxCoordinate = 1000000000;

struct ChartRange
{
    float fMin = 0.0f;
    float fMax = 0.0f;
    float fSpan = 0.0f;
};

// The range of the values fMin .. fMax: non-finite bounds count as 0, a span
// of 0 (or one lost to rounding) is widened to fZeroSpan around the value,
// and with bMargin both ends move out by 5 % of the span. The span of the
// result is always finite and above 0.
ChartRange chartRange(float fMin, float fMax, float fZeroSpan, bool bMargin);

// Logical units per value unit: iPlotSize / fSpan, negated when bUpwards
// (values grow towards the top of the page). 0 when that is not a number.
double scaleFactor(int iPlotSize, float fSpan, bool bUpwards);

// Truncates a chart value to a page coordinate; NaN gives 0 and values
// beyond the coordinate range are clamped to it.
int toCoordinate(double dValue);

// "1 : " followed by |floor(dUnits / dFactor)|; "1 : ?" when that has no
// finite value.
QString scaleText(double dUnits, double dFactor);

// The overall measured inclination in percent (altitudes in centimetres,
// positions in metres) with two decimals and " %", or "? %" when the start
// and end positions are equal or the result is not finite.
QString measuredInclinationValue(float fStartAltitude, float fEndAltitude, float fStartPosition, float fEndPosition);

// Offsets of the grid lines along a plot side of iSize units divided into
// iSections - 1 equal steps (integer arithmetic). Fewer than two sections
// give no lines; more than kMaxGridSections count as that many.
constexpr int kMaxGridSections = 1000;
QList<int> gridLineOffsets(int iSize, int iSections);

// The value at grid line i of iSections: fMin + i * fSpan / (iSections - 1).
float gridValue(float fMin, float fSpan, int iIndex, int iSections);

} // namespace InclinationChartGeometry
