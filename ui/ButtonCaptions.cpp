#include "ui/ButtonCaptions.h"

#include <QFontMetrics>
#include <QPushButton>

namespace {
const double g_dSmallestPointSize = 6.0;
// Frame and padding of a push button on both sides.
const int g_iCaptionPadding = 12;

bool fits(const QPushButton *cButton, const QFont &cFont)
{
    return QFontMetrics(cFont).horizontalAdvance(cButton->text()) <= captionRoom(cButton);
}
} // namespace

int captionRoom(const QPushButton *cButton)
{
    return cButton->width() - g_iCaptionPadding;
}

void fitCaptionsToWidth(const QList<QPushButton *> &cButtons)
{
    if (cButtons.isEmpty())
        return;
    QFont cFont = cButtons.first()->font();
    const auto allFit = [&cButtons](const QFont &cCandidate) {
        for (const QPushButton *cButton : cButtons) {
            if (!fits(cButton, cCandidate))
                return false;
        }
        return true;
    };
    while (cFont.pointSizeF() > g_dSmallestPointSize && !allFit(cFont))
        cFont.setPointSizeF(cFont.pointSizeF() - 0.5);
    for (QPushButton *cButton : cButtons)
        cButton->setFont(cFont);
}
