#include "report/InclinationChartProfile.h"

bool readInclinationChartInput(const QString &sPath, const CInspectionStandard *pStandard,
                               const CInspectionSegment *pSection, InclinationChartInput *pInput)
{
    Q_UNUSED(sPath);
    Q_UNUSED(pStandard);
    Q_UNUSED(pSection);
    Q_UNUSED(pInput);
    return false;
}
