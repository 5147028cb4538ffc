#include "report/paint/LabelPlacer.h"

#include "report/paint/BoundedGeometry.h"

#include <algorithm>

LabelPlacer::LabelPlacer(int iGap) : m_iGap(std::max(0, iGap))
{
}

void LabelPlacer::reserve(const QRect &cRect)
{
    if (!cRect.isEmpty())
        m_cTaken.append(cRect);
}

bool LabelPlacer::collides(const QRect &cRect) const
{
    if (cRect.isEmpty())
        return false;
    // Half the gap on every side of both rectangles keeps them the gap apart.
    const QRect cGrown = BoundedGeometry::inset(cRect, -((m_iGap + 1) / 2));
    return std::any_of(m_cTaken.cbegin(), m_cTaken.cend(), [&cGrown, this](const QRect &cTaken) {
        return cGrown.intersects(BoundedGeometry::inset(cTaken, -(m_iGap / 2)));
    });
}

int LabelPlacer::place(const QList<QRect> &cCandidates)
{
    for (int i = 0; i < cCandidates.size(); ++i) {
        const QRect &cCandidate = cCandidates.at(i);
        if (collides(cCandidate))
            continue;
        reserve(cCandidate);
        return i;
    }
    return -1;
}
