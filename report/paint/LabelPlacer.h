#pragma once

#include <QList>
#include <QRect>

// Places the labels of a drawing so that none overlaps another: a label
// comes with the rectangles it may take, best first, and takes the first
// that keeps the gap to every area taken before it. A label that fits
// nowhere gives way and is not drawn. Labels placed earlier win, so the
// caller places the most important ones first.
class LabelPlacer
{
public:
    explicit LabelPlacer(int iGap = 0);

    // Takes an area without asking (something drawn there anyway).
    void reserve(const QRect &cRect);
    // The index of the candidate taken, or -1 when every candidate collides
    // (or there are none). An empty candidate takes no room.
    int place(const QList<QRect> &cCandidates);
    // Whether the rectangle comes closer than the gap to an area taken.
    bool collides(const QRect &cRect) const;

    const QList<QRect> &taken() const { return m_cTaken; }

private:
    int m_iGap;
    QList<QRect> m_cTaken;
};
