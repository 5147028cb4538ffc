#include "report/InclinationChartPens.h"

#include "report/LayoutRecords.h"

#include <algorithm>

QPen inclinationChartPen(const QColor &cColor, int iStyle, int iWidth)
{
    const Qt::PenStyle eStyle =
        iStyle >= Qt::NoPen && iStyle <= Qt::DashDotDotLine ? static_cast<Qt::PenStyle>(iStyle) : Qt::NoPen;
    QPen cPen(cColor);
    cPen.setStyle(eStyle);
    cPen.setWidth(std::max(iWidth, 0));
    return cPen;
}

QPen inclinationChartPen(const GraphPenLayout *pLayout)
{
    if (!pLayout)
        return QPen(Qt::NoPen);
    return inclinationChartPen(pLayout->color(), pLayout->style(), pLayout->width());
}
