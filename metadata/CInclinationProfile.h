#pragma once

#include "metadata/CInclinationData.h"

class CInspectionSegment;
class CInspectionStandard;

// The altitude profile of a section computed from its inclination
// measurement: the measured inclinations are corrected by a constant so
// that the integrated rise matches the manhole altitudes, then integrated
// to altitudes (centimetres) along the distance (metres). All arithmetic is
// single precision; nothing ever becomes infinite or NaN.
class CInclinationProfile
{
public:
    // Computes at once. The standard and the section may be null (no
    // manhole altitudes and no pipe diameter then); the points are copied.
    // bStartsAtEndNode: the inspection, and so the measurement, began at the
    // section's end node (a section whose nodes are named upstream first,
    // inspected against the flow), so the end manhole's altitude is the one
    // at the measurement's beginning.
    CInclinationProfile(const CInspectionStandard *pStandard, const CInspectionSegment *pSection,
                        const InclinationPoints &cPoints, bool bStartsAtEndNode = false);

    InclinationPoints points() const { return m_points; }
    InclinationPoints correctedPoints() const { return m_correctedPoints; }
    // (distance in metres, altitude in centimetres).
    InclinationPoints profile() const { return m_profile; }

    float minDistance() const { return m_fMinDistance; }
    float maxDistance() const { return m_fMaxDistance; }
    float minInclination() const { return m_fMinInclination; }
    float maxInclination() const { return m_fMaxInclination; }
    // The maximum includes the pipe diameter above the two ends.
    float minAltitude() const { return m_fMinAltitude; }
    float maxAltitude() const { return m_fMaxAltitude; }
    float startAltitude() const { return m_fStartAltitude; }
    float endAltitude() const { return m_fEndAltitude; }
    float pipeDiameter() const { return m_fPipeDiameter; }
    float firstDistance() const { return m_fFirstDistance; }
    float lastDistance() const { return m_fLastDistance; }
    // The larger minus the smaller of first and last distance.
    float measuredLength() const;
    // The constant added to every measured inclination, in percent.
    float inclinationCorrection() const { return m_fCorrection; }

private:
    void compute();
    void integrate(const InclinationPoints &cPoints, float fStartAltitude);

    const CInspectionStandard *m_pStandard;
    const CInspectionSegment *m_pSection;
    bool m_bStartsAtEndNode;
    InclinationPoints m_points;
    InclinationPoints m_correctedPoints;
    InclinationPoints m_profile;
    float m_fMinDistance = 0.0f;
    float m_fMaxDistance = 0.0f;
    float m_fMinInclination = 0.0f;
    float m_fMaxInclination = 0.0f;
    float m_fMinAltitude = 0.0f;
    float m_fMaxAltitude = 0.0f;
    float m_fStartAltitude = 0.0f;
    float m_fEndAltitude = 0.0f;
    float m_fPipeDiameter = 0.0f;
    float m_fFirstDistance = 0.0f;
    float m_fLastDistance = 0.0f;
    float m_fCorrection = 0.0f;
};
