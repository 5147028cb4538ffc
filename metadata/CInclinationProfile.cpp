#include "metadata/CInclinationProfile.h"

#include "app/units/Units.h"
#include "metadata/CInspectionStandard.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// Keeps a result inside single precision: NaN becomes 0 and an overflow
// the largest float of its sign, so extreme measurements still give an
// ordered, drawable profile.
float bounded(double dValue)
{
    if (std::isnan(dValue))
        return 0.0f;
    const double dMax = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(dValue, -dMax, dMax));
}

float finiteOrZero(float fValue)
{
    return std::isfinite(fValue) ? fValue : 0.0f;
}
} // namespace

CInclinationProfile::CInclinationProfile(const CInspectionStandard *pStandard, const CInspectionSegment *pSection,
                                         const InclinationPoints &cPoints, bool bStartsAtEndNode)
    : m_pStandard(pStandard), m_pSection(pSection), m_bStartsAtEndNode(bStartsAtEndNode)
{
    m_points.reserve(cPoints.size());
    for (const InclinationPoint &cPoint : cPoints)
        m_points.append(InclinationPoint{finiteOrZero(cPoint.fX), finiteOrZero(cPoint.fY)});
    compute();
}

float CInclinationProfile::measuredLength() const
{
    return bounded(double(std::max(m_fFirstDistance, m_fLastDistance)) - std::min(m_fFirstDistance, m_fLastDistance));
}

void CInclinationProfile::integrate(const InclinationPoints &cPoints, float fStartAltitude)
{
    m_profile.clear();
    if (cPoints.isEmpty())
        return;
    float fAltitude = fStartAltitude;
    m_fStartAltitude = fStartAltitude;
    InclinationPoint cPrevious = cPoints.first();
    m_fMinDistance = m_fMaxDistance = cPrevious.fX;
    m_fMinInclination = m_fMaxInclination = cPrevious.fY;
    m_fMinAltitude = m_fMaxAltitude = fAltitude;
    m_profile.reserve(cPoints.size());
    for (const InclinationPoint &cPoint : cPoints) {
        float fNext = fAltitude + (cPrevious.fY + cPoint.fY) * (cPoint.fX - cPrevious.fX) / 2.0f;
        if (!std::isfinite(fNext))
            fNext = bounded(double(fAltitude)
                            + (double(cPrevious.fY) + cPoint.fY) * (double(cPoint.fX) - cPrevious.fX) / 2.0);
        fAltitude = fNext;
        m_profile.append(InclinationPoint{cPoint.fX, fAltitude});
        cPrevious = cPoint;
        m_fMinDistance = std::min(m_fMinDistance, cPoint.fX);
        m_fMaxDistance = std::max(m_fMaxDistance, cPoint.fX);
        m_fMinInclination = std::min(m_fMinInclination, cPoint.fY);
        m_fMaxInclination = std::max(m_fMaxInclination, cPoint.fY);
        m_fMinAltitude = std::min(m_fMinAltitude, fAltitude);
        m_fMaxAltitude = std::max(m_fMaxAltitude, fAltitude);
    }
    m_fEndAltitude = fAltitude;
}

void CInclinationProfile::compute()
{
    m_correctedPoints.clear();
    m_profile.clear();
    if (m_points.isEmpty())
        return;

    integrate(m_points, 0.0f);
    m_fFirstDistance = m_points.first().fX;
    m_fLastDistance = m_points.last().fX;

    // The manhole where the inspection started and the one where it ended.
    float fStartManhole = m_pStandard ? m_pStandard->startManholeAltitude(m_pSection) : 0.0f;
    float fEndManhole = m_pStandard ? m_pStandard->endManholeAltitude(m_pSection) : 0.0f;
    if (m_bStartsAtEndNode)
        std::swap(fStartManhole, fEndManhole);
    const bool bUpward = m_fLastDistance > m_fFirstDistance;
    // Altitudes (metres) at the measurement's beginning and end.
    const float fBegin = bUpward ? fStartManhole : fEndManhole;
    const float fEnd = bUpward ? fEndManhole : fStartManhole;

    // With no distance between the first and the last point there is no
    // rise to match: the measurement stays uncorrected.
    m_fCorrection = 0.0f;
    const float fSpan = m_fLastDistance - m_fFirstDistance;
    if ((fBegin != 0.0f || fEnd != 0.0f) && fSpan != 0.0f) {
        const float fMeasuredRise = (m_profile.last().fY - m_profile.first().fY) / 100.0f;
        m_fCorrection = finiteOrZero(((fEnd - fBegin) - fMeasuredRise) / fSpan * 100.0f);
    }

    m_correctedPoints.reserve(m_points.size());
    for (const InclinationPoint &cPoint : m_points) {
        float fInclination = cPoint.fY + m_fCorrection;
        if (!std::isfinite(fInclination))
            fInclination = bounded(double(cPoint.fY) + m_fCorrection);
        m_correctedPoints.append(InclinationPoint{cPoint.fX, fInclination});
    }

    integrate(m_correctedPoints, finiteOrZero(convertLength(fBegin, UnitMetre, UnitCentimetre)));

    m_fPipeDiameter = m_pStandard ? finiteOrZero(m_pStandard->pipeDiameterCm(m_pSection)) : 0.0f;
    m_fMaxAltitude = std::max(m_fMaxAltitude, bounded(double(m_fEndAltitude) + m_fPipeDiameter));
    m_fMaxAltitude = std::max(m_fMaxAltitude, bounded(double(m_fStartAltitude) + m_fPipeDiameter));

    // A downward measurement without manhole altitudes is drawn relative
    // to its lower end.
    if (m_fLastDistance < m_fFirstDistance && fStartManhole == 0.0f && fEndManhole == 0.0f) {
        const float fShift = bounded(double(m_fEndAltitude) - m_fStartAltitude);
        for (InclinationPoint &cPoint : m_profile)
            cPoint.fY = bounded(double(cPoint.fY) - fShift);
        m_fStartAltitude = bounded(double(m_fStartAltitude) - fShift);
        m_fEndAltitude = bounded(double(m_fEndAltitude) - fShift);
        m_fMinAltitude = bounded(double(m_fMinAltitude) - fShift);
        m_fMaxAltitude = bounded(double(m_fMaxAltitude) - fShift);
    }
}
