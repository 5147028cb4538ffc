#pragma once

#include <QList>
#include <QPoint>

// The points of one chart curve in scaled logical units, with their bounds.
class CGraphData
{
public:
    CGraphData() = default;
    virtual ~CGraphData();

    // The first point sets all four bounds; later points widen them.
    void addPoint(const QPoint &cPoint);
    const QList<QPoint> &points() const { return m_points; }
    bool isEmpty() const { return m_points.isEmpty(); }
    int minX() const { return m_iMinX; }
    int maxX() const { return m_iMaxX; }
    int minY() const { return m_iMinY; }
    int maxY() const { return m_iMaxY; }

private:
    QList<QPoint> m_points;
    int m_iMinX = 0;
    int m_iMaxX = 0;
    int m_iMinY = 0;
    int m_iMaxY = 0;
};
