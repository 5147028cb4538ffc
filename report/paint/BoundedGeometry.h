#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>

// Rectangles built from layout values. A damaged layout may give sizes up
// to the int limit, where QRect's own arithmetic (right = x + width - 1,
// width = right - left + 1, adjusted) overflows; everything here computes
// in 64 bits and keeps coordinates within a range far beyond any page, so
// the rectangles it answers are always safe to use.
namespace BoundedGeometry {

// One kilometre in hundredths of a millimetre.
constexpr int kMaxCoordinate = 100000000;

int bounded(qint64 iValue);
// x and y within the coordinate range, width and height within 0 and it.
QRect rect(qint64 iX, qint64 iY, qint64 iWidth, qint64 iHeight);
QRect rect(const QPoint &cTopLeft, const QSize &cSize);
// The rectangle's own values, read without QRect's int arithmetic.
QRect rect(const QRect &cRect);
// The rectangle moved in by iInset on every side (out for a negative
// inset); an inset larger than half the size leaves an empty rectangle.
QRect inset(const QRect &cRect, int iInset);

} // namespace BoundedGeometry
