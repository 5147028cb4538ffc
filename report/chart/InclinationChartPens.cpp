#include "report/chart/InclinationChartPens.h"

#include "report/layout/LayoutRecords.h"

#include <algorithm>

QPen inclinationChartPen(const QColor &cColor, int iStyle, int iWidth)
{
    QPen cPen(cColor);
    cPen.setStyle(layoutPenStyle(iStyle));
    cPen.setWidth(std::max(iWidth, 0));
    return cPen;
}

QPen inclinationChartPen(const GraphPenLayout *pLayout)
{
    if (!pLayout)
        return QPen(Qt::NoPen);
    return inclinationChartPen(pLayout->color(), pLayout->style(), pLayout->width());
}
