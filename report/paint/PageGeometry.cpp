#include "report/PageGeometry.h"

#include "report/PrintoutPage.h"

#include <QLocale>

#include <algorithm>
#include <limits>

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
    // A damaged layout's header may be as tall as an int allows; the body then
    // starts far below the page instead of overflowing.
    const qint64 iTop = qint64(iHeaderHeight) + kBodyGap;
    cBody.moveTop(static_cast<int>(std::min<qint64>(iTop, std::numeric_limits<int>::max() - qint64(cBody.height()))));
    return cBody;
}
