#pragma once

#include <QColor>
#include <QPen>

class GraphPenLayout;

// Pens of the inclination chart from layout values. A style outside the
// pen styles 0 to 5 draws nothing; a negative width counts as 0.
QPen inclinationChartPen(const QColor &cColor, int iStyle, int iWidth);
QPen inclinationChartPen(const GraphPenLayout *pLayout);
