#include "report/paint/PageGeometry.h"

#include <QLocale>

bool usesLetterPaper()
{
    return QLocale().territory() == QLocale::UnitedStates;
}

QRect pageRectangle()
{
    return QRect(2000, 1000, 18000, usesLetterPaper() ? 25940 : 27700);
}
