#include "report/paint/BoundedGeometry.h"

#include <algorithm>

namespace BoundedGeometry {

int bounded(qint64 iValue)
{
    return static_cast<int>(std::clamp<qint64>(iValue, -kMaxCoordinate, kMaxCoordinate));
}

QRect rect(qint64 iX, qint64 iY, qint64 iWidth, qint64 iHeight)
{
    return QRect(bounded(iX), bounded(iY), std::clamp<int>(bounded(iWidth), 0, kMaxCoordinate),
                 std::clamp<int>(bounded(iHeight), 0, kMaxCoordinate));
}

QRect rect(const QPoint &cTopLeft, const QSize &cSize)
{
    return rect(cTopLeft.x(), cTopLeft.y(), cSize.width(), cSize.height());
}

QRect rect(const QRect &cRect)
{
    // QRect keeps its corners; the size is their difference plus one.
    const qint64 iLeft = cRect.left();
    const qint64 iTop = cRect.top();
    return rect(iLeft, iTop, qint64(cRect.right()) - iLeft + 1, qint64(cRect.bottom()) - iTop + 1);
}

QRect inset(const QRect &cRect, int iInset)
{
    const QRect cSafe = rect(cRect);
    const qint64 iDouble = 2 * qint64(iInset);
    return rect(qint64(cSafe.x()) + iInset, qint64(cSafe.y()) + iInset,
                std::max<qint64>(0, qint64(cSafe.width()) - iDouble),
                std::max<qint64>(0, qint64(cSafe.height()) - iDouble));
}

} // namespace BoundedGeometry
