#pragma once

#include "report/chart/InclinationChartInput.h"

#include <QString>

class CInspectionSegment;
class CInspectionStandard;

// Reads the measurement file and computes the section's altitude profile
// into the chart input. False, with the input untouched, when the file
// cannot be read. The measurement record is freed before returning.
bool readInclinationChartInput(const QString &sPath, const CInspectionStandard *pStandard,
                               const CInspectionSegment *pSection, InclinationChartInput *pInput);
