#pragma once

#include <QRect>

class PrintoutPage;

// The report uses US Letter paper where the default locale's country is the
// United States and A4 everywhere else.
bool usesLetterPaper();
// Printable page rectangle in logical units: x 2000, y 1000, width 18000,
// height 27700 (A4) or 25940 (Letter).
QRect pageRectangle();
// The page rectangle moved to the origin, its top at header height + 500
// (500 without header), its height kept.
QRect bodyArea(const PrintoutPage &cPage);
