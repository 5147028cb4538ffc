#include "report/PageGeometry.h"

#include "report/PrintoutPage.h"

#include <QLocale>

namespace {
const int kBodyGap = 500;
}

bool usesLetterPaper()
{
    return QLocale().territory() == QLocale::UnitedStates;
}

QRect pageRectangle()
{
    return QRect(2000, 1000, 18000, usesLetterPaper() ? 25940 : 27700);
}

QRect bodyArea(const PrintoutPage &cPage)
{
    QRect cBody = pageRectangle();
    cBody.moveTo(0, 0);
    const int iHeaderHeight = cPage.header() ? cPage.header()->height() : 0;
    cBody.moveTop(iHeaderHeight + kBodyGap);
    return cBody;
}
