#pragma once

#include <QRect>

// The report uses US Letter paper where the default locale's country is the
// United States and A4 everywhere else.
bool usesLetterPaper();
// Printable page rectangle in logical units: x 2000, y 1000, width 18000,
// height 27700 (A4) or 25940 (Letter).
QRect pageRectangle();
