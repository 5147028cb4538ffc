#include "report/chart/InclinationChartProfile.h"

#include "metadata/CInclinationData.h"
#include "metadata/CInclinationProfile.h"
#include "metadata/CInspectionStandard.h"
#include "storage/ProjectDirectory.h"

#include <QFile>

namespace {
QList<QPointF> toPoints(const InclinationPoints &points)
{
    QList<QPointF> result;
    result.reserve(points.size());
    for (const InclinationPoint &cPoint : points)
        result.append(QPointF(cPoint.fX, cPoint.fY));
    return result;
}
} // namespace

bool readInclinationChartInput(const QString &sPath, const CInspectionStandard *pStandard,
                               const CInspectionSegment *pSection, InclinationChartInput *pInput)
{
    if (!pInput || sPath.isEmpty())
        return false;
    InclinationPoints measured;
    {
        QFile file;
        if (!openMediaFile(file, sPath))
            return false;
        const std::unique_ptr<CInclinationData> pData = readInclinationFile(file);
        if (!pData)
            return false;
        measured = pData->points();
    }
    // Under the upstream-first naming a section inspected against the flow
    // was inspected from its end node: the chart starts there (its left
    // node is the end node), and so does the profile.
    const bool bStartsAtEndNode = pStandard && pStandard->usesDefaultNodeConvention() == 0
                                  && pStandard->inspectionDirection(pSection) == CInspectionStandard::DirectionAgainst;
    const CInclinationProfile profile(pStandard, pSection, measured, bStartsAtEndNode);
    pInput->fMinPosition = profile.minDistance();
    pInput->fMaxPosition = profile.maxDistance();
    pInput->fMinInclination = profile.minInclination();
    pInput->fMaxInclination = profile.maxInclination();
    pInput->fMinAltitude = profile.minAltitude();
    pInput->fMaxAltitude = profile.maxAltitude();
    pInput->fStartAltitude = profile.startAltitude();
    pInput->fEndAltitude = profile.endAltitude();
    pInput->fStartPosition = profile.firstDistance();
    pInput->fEndPosition = profile.lastDistance();
    pInput->fPipeDimension = profile.pipeDiameter();
    pInput->fLength = profile.measuredLength();
    // The curve shows the corrected inclinations, whose range the chart's
    // scale and range text give.
    pInput->inclinationPoints = toPoints(profile.correctedPoints());
    pInput->altitudePoints = toPoints(profile.profile());
    return true;
}
