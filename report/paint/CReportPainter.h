#pragma once

#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>

// The painter of a report: QPainter plus the text operations every printout
// item uses. All coordinates are logical units (hundredths of a millimetre);
// every measurement uses the painter's current font on its device, so the
// painter must be active when measuring.
class CReportPainter : public QPainter
{
public:
    CReportPainter() = default;
    virtual ~CReportPainter();
    CReportPainter(const CReportPainter &) = delete;
    CReportPainter &operator=(const CReportPainter &) = delete;

    // No rectangle of a page shows more characters; longer texts are cut to
    // this length before they are fitted or measured, so that hostile input
    // cannot make the report run for minutes.
    static constexpr qsizetype kMaxTextLength = 65536;
    // The text cut to kMaxTextLength characters.
    static QString limitedText(const QString &sText);

    // Fits the text to the rectangle (fitText), sets the resulting point size
    // and draws the text with the flags. The painter's font is restored.
    void drawFittedText(const QRect &cRect, const QString &sText, int iFlags);
    // Makes the current pen a solid line of the width, keeping its colour.
    void setSolidPen(int iWidth);
    // Draws the text in a rectangle of its natural size at the point.
    void drawTextAt(const QPoint &cPoint, const QString &sText, int iFlags);
    // Fits the text to width x height and draws it centred in
    // (x - width / 4, y, width, height).
    void drawCenteredLabel(int iX, int iY, int iWidth, int iHeight, const QString &sText);
    // Draws the text turned 90 degrees clockwise, its baseline starting at the point.
    void drawRotatedText(const QPoint &cPoint, const QString &sText);
    // Fills the text's natural rectangle (bottom-left at x, y) with the current
    // brush and draws the text in it.
    void drawTextOnBackground(int iX, int iY, const QString &sText);

    // First point size of 25, 24 ... 12 at which the text is at most as high as
    // the rectangle; 12 when none fits.
    int fitFontSize(const QRect &cRect, const QString &sText);
    // Bounding size of the text with line breaks honoured.
    int textHeight(const QString &sText) const;
    int textWidth(const QString &sText) const;
    int lineHeight() const;

    // The first line of the text that fits into the width (see the .cpp).
    QString takeLine(const QString &sText, int iWidth) const;
    // The text broken into lines no wider than the width.
    QString wrapText(const QString &sText, int iWidth) const;
    // Cuts the text to whole lines within the height and ends it with "...".
    QString truncateToHeight(const QString &sText, int iHeight) const;
    // The text wrapped (and if need be truncated) to width x height and the
    // point size to draw it with; the painter's font is left as it was.
    QString fitText(const QString &sText, int iWidth, int iHeight, int *piPointSize);
};
