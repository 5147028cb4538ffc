#include "report/chart/CGraphData.h"

#include <algorithm>

CGraphData::~CGraphData() = default;

void CGraphData::addPoint(const QPoint &cPoint)
{
    if (m_points.isEmpty()) {
        m_iMinX = m_iMaxX = cPoint.x();
        m_iMinY = m_iMaxY = cPoint.y();
    } else {
        m_iMinX = std::min(m_iMinX, cPoint.x());
        m_iMaxX = std::max(m_iMaxX, cPoint.x());
        m_iMinY = std::min(m_iMinY, cPoint.y());
        m_iMaxY = std::max(m_iMaxY, cPoint.y());
    }
    m_points.append(cPoint);
}
