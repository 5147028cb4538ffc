#include "report/CReportPainter.h"

#include <QFontMetrics>

namespace {
const int kMinimumPointSize = 12;
const int kLargestFittedPointSize = 25;
const QLatin1String kEllipsis("...");

bool isLineBreak(QChar cChar)
{
    return cChar == QLatin1Char('\r') || cChar == QLatin1Char('\n');
}
} // namespace

CReportPainter::~CReportPainter() = default;

void CReportPainter::drawFittedText(const QRect &cRect, const QString &sText, int iFlags)
{
    int iPointSize = 0;
    const QString sFitted = fitText(sText, cRect.width(), cRect.height(), &iPointSize);
    save();
    QFont cFont = font();
    cFont.setPointSize(iPointSize);
    setFont(cFont);
    drawText(cRect, iFlags, sFitted);
    restore();
}

void CReportPainter::drawTextAt(const QPoint &cPoint, const QString &sText, int iFlags)
{
    drawText(QRect(cPoint, QSize(textWidth(sText), textHeight(sText))), iFlags, sText);
}

void CReportPainter::drawCenteredLabel(int iX, int iY, int iWidth, int iHeight, const QString &sText)
{
    int iPointSize = 0;
    const QString sFitted = fitText(sText, iWidth, iHeight, &iPointSize);
    save();
    QFont cFont = font();
    cFont.setPointSize(iPointSize);
    setFont(cFont);
    drawText(QRect(iX - iWidth / 4, iY, iWidth, iHeight), Qt::AlignHCenter | Qt::AlignVCenter, sFitted);
    restore();
}

void CReportPainter::drawRotatedText(const QPoint &cPoint, const QString &sText)
{
    save();
    translate(cPoint);
    rotate(90.0);
    drawText(QPoint(0, 0), sText);
    restore();
}

void CReportPainter::drawTextOnBackground(int iX, int iY, const QString &sText)
{
    const int iHeight = textHeight(sText);
    const QRect cRect(iX, iY - iHeight, textWidth(sText), iHeight);
    fillRect(cRect, brush());
    drawText(cRect, 0, sText);
}

int CReportPainter::fitFontSize(const QRect &cRect, const QString &sText)
{
    save();
    int iResult = kMinimumPointSize;
    for (int iSize = kLargestFittedPointSize; iSize >= kMinimumPointSize; --iSize) {
        QFont cFont = font();
        cFont.setPointSize(iSize);
        setFont(cFont);
        if (textHeight(sText) <= cRect.height()) {
            iResult = iSize;
            break;
        }
    }
    restore();
    return iResult;
}

int CReportPainter::textHeight(const QString &sText) const
{
    return fontMetrics().size(0, sText).height();
}

int CReportPainter::textWidth(const QString &sText) const
{
    return fontMetrics().size(0, sText).width();
}

int CReportPainter::lineHeight() const
{
    return fontMetrics().height();
}

QString CReportPainter::takeLine(const QString &sText, int iWidth) const
{
    // Walk the characters first: a prefix wider than the width means the
    // whole text cannot fit either, so the whole text is measured only when
    // a line break comes first. This keeps long texts from being measured
    // once per line.
    const QFontMetrics cMetrics = fontMetrics();
    int iLastSpace = 0;
    for (int i = 1; i <= sText.size(); ++i) {
        const QChar cChar = sText.at(i - 1);
        if (isLineBreak(cChar))
            return textWidth(sText) <= iWidth ? sText : sText.left(i);
        if (cMetrics.size(0, sText.left(i)).width() > iWidth) {
            // A line always keeps at least one character.
            const int iLength = iLastSpace > 0 ? iLastSpace : qMax(1, i - 1);
            return sText.left(iLength);
        }
        if (cChar == QLatin1Char(' '))
            iLastSpace = i;
    }
    return sText;
}

QString CReportPainter::wrapText(const QString &sText, int iWidth) const
{
    QString sResult;
    QString sRest = sText;
    while (!sRest.isEmpty()) {
        const QString sLine = takeLine(sRest, iWidth);
        sRest.remove(0, sLine.size());
        sResult += sLine;
        if (!sRest.isEmpty())
            sResult += QLatin1Char('\n');
    }
    return sResult;
}

QString CReportPainter::truncateToHeight(const QString &sText, int iHeight) const
{
    QString sResult = sText;
    while (textHeight(sResult) > iHeight) {
        const int iBreak = sResult.lastIndexOf(QLatin1Char('\n'));
        if (iBreak < 0)
            break;
        sResult.truncate(iBreak);
    }
    sResult.chop(3);
    return sResult + kEllipsis;
}

QString CReportPainter::fitText(const QString &sText, int iWidth, int iHeight, int *piPointSize)
{
    const QFont cOriginal = font();
    int iPointSize = cOriginal.pointSize();
    QString sResult = wrapText(sText, iWidth);
    if (textHeight(sResult) > iHeight) {
        iPointSize = kMinimumPointSize;
        QFont cSmall = cOriginal;
        cSmall.setPointSize(iPointSize);
        setFont(cSmall);
        sResult = wrapText(sText, iWidth);
        if (textHeight(sResult) > iHeight)
            sResult = truncateToHeight(sResult, iHeight);
        setFont(cOriginal);
    }
    if (piPointSize)
        *piPointSize = iPointSize;
    return sResult;
}
