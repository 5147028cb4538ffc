#pragma once

#include "report/chart/CGraphData.h"

// The altitude profile curve and the scaled offset between the two pipe lines.
class CAltitudeGraphData : public CGraphData
{
public:
    int pipeOffset() const { return m_iPipeOffset; }
    void setPipeOffset(int iOffset) { m_iPipeOffset = iOffset; }

private:
    int m_iPipeOffset = 0;
};
