#include "report/paint/CReportPainter.h"

#include "report/paint/BoundedGeometry.h"

#include <QFontMetrics>

namespace {
const int kMinimumPointSize = 12;
const int kLargestFittedPointSize = 25;
const QLatin1String kEllipsis("...");

// Texts up to this length are first measured whole.
constexpr int kShortLine = 200;

bool isLineBreak(QChar cChar)
{
    return cChar == QLatin1Char('\r') || cChar == QLatin1Char('\n');
}

// Characters after which e-mail addresses, paths and web addresses read
// well when they must be broken.
bool isSoftBreak(QChar cChar)
{
    switch (cChar.unicode()) {
    case '@':
    case '.':
    case '/':
    case '-':
    case '_': return true;
    default: return false;
    }
}

// Length of the line that ends before the character at iTooWide (1-based
// length of the shortest prefix that is too wide): after the last space;
// else after the last "@", ".", "/", "-" or "_" that follows at least one
// other character; else inside the word, with at least one character.
int breakBefore(QStringView sText, int iTooWide)
{
    const QStringView sFits = sText.left(iTooWide - 1);
    const int iLastSpace = static_cast<int>(sFits.lastIndexOf(QLatin1Char(' '))) + 1;
    if (iLastSpace > 0)
        return iLastSpace;
    for (qsizetype i = sFits.size() - 1; i > 0; --i) {
        if (isSoftBreak(sFits.at(i)))
            return static_cast<int>(i) + 1;
    }
    return qMax(1, iTooWide - 1);
}

int measuredWidth(const QFontMetrics &cMetrics, QStringView sText)
{
    return cMetrics.size(0, sText.toString()).width();
}

// Start of the first line (split at line feeds) of the text that is wider
// than the width, or -1 when every line fits.
qsizetype firstTooWideLine(const QFontMetrics &cMetrics, QStringView sText, int iWidth)
{
    qsizetype iStart = 0;
    while (iStart <= sText.size()) {
        qsizetype iEnd = sText.indexOf(QLatin1Char('\n'), iStart);
        if (iEnd < 0)
            iEnd = sText.size();
        if (measuredWidth(cMetrics, sText.mid(iStart, iEnd - iStart)) > iWidth)
            return iStart;
        iStart = iEnd + 1;
    }
    return -1;
}

// Length of the first line of the text within the width: the whole text
// when every line of it fits; else up to and including a line break, or up
// to the last space before the width is exceeded, or the characters that
// fit (at least one). This is the character walk of the line rule; as a
// prefix only grows wider with more characters, the first prefix that is
// too wide is found by doubling and halving instead of measuring every
// prefix, and the text is scanned only as far as the probes reach.
// piTooWideLine (optional) carries, between calls on successive rests of
// one text, where a too-wide line of the rest starts: -1 unknown.
int lineLength(const QFontMetrics &cMetrics, QStringView sText, int iWidth, qsizetype *piTooWideLine = nullptr)
{
    const int iSize = static_cast<int>(sText.size());
    int iBreak = 0; // 1-based position of the first line break, 0 if none found yet
    int iScanned = 0;
    const auto scanTo = [&](int iUpTo) {
        while (iBreak == 0 && iScanned < iUpTo && iScanned < iSize) {
            if (isLineBreak(sText.at(iScanned)))
                iBreak = iScanned + 1;
            ++iScanned;
        }
    };
    const auto tooWide = [&](int iLength) { return measuredWidth(cMetrics, sText.left(iLength)) > iWidth; };
    // Most cell texts are a short line that fits: one measurement.
    if (iSize > 0 && iSize <= kShortLine && !sText.contains(QLatin1Char('\n')) && !sText.contains(QLatin1Char('\r'))
        && !tooWide(iSize))
        return iSize;

    int iLimit = iSize; // the longest prefix without a line break, as far as known
    int iTooWide = 0;   // shortest prefix wider than the width, 0 if none
    int iFits = 0;      // a prefix known to fit
    int iProbe = 1;
    while (iSize > 0) {
        scanTo(iProbe);
        if (iBreak > 0)
            iLimit = iBreak - 1;
        if (iProbe > iLimit)
            break;
        if (tooWide(iProbe)) {
            iTooWide = iProbe;
            break;
        }
        iFits = iProbe;
        if (iProbe == iLimit)
            break;
        iProbe = qMin(iProbe * 2, iLimit);
    }
    if (iTooWide == 0 && iFits < iLimit && tooWide(iLimit))
        iTooWide = iLimit;
    if (iTooWide > 0) {
        while (iTooWide - iFits > 1) {
            const int iMiddle = iFits + (iTooWide - iFits) / 2;
            if (tooWide(iMiddle))
                iTooWide = iMiddle;
            else
                iFits = iMiddle;
        }
        return breakBefore(sText, iTooWide);
    }
    if (iBreak == 0)
        return iSize;
    // A line break comes first: the whole text is the line when every line
    // of it fits. A too-wide line found before stays too wide in later rests.
    qsizetype iKnown = piTooWideLine ? *piTooWideLine : -1;
    if (iKnown < 0) {
        iKnown = firstTooWideLine(cMetrics, sText, iWidth);
        if (piTooWideLine)
            *piTooWideLine = iKnown;
    }
    return iKnown < 0 ? iSize : iBreak;
}

} // namespace

CReportPainter::~CReportPainter() = default;

QString CReportPainter::limitedText(const QString &sText)
{
    return sText.size() > kMaxTextLength ? sText.left(kMaxTextLength) : sText;
}

void CReportPainter::drawFittedText(const QRect &cRect, const QString &sText, int iFlags)
{
    const QRect cSafe = BoundedGeometry::rect(cRect);
    int iPointSize = 0;
    const QString sFitted = fitText(sText, cSafe.width(), cSafe.height(), &iPointSize);
    save();
    QFont cFont = font();
    cFont.setPointSize(iPointSize);
    setFont(cFont);
    drawText(cSafe, iFlags, sFitted);
    restore();
}

void CReportPainter::setSolidPen(int iWidth)
{
    QPen cPen = pen();
    cPen.setStyle(Qt::SolidLine);
    cPen.setWidth(iWidth);
    setPen(cPen);
}

void CReportPainter::drawTextAt(const QPoint &cPoint, const QString &sText, int iFlags)
{
    const QString sShown = limitedText(sText);
    drawText(BoundedGeometry::rect(cPoint, fontMetrics().size(0, sShown)), iFlags, sShown);
}

void CReportPainter::drawCenteredLabel(int iX, int iY, int iWidth, int iHeight, const QString &sText)
{
    drawFittedText(BoundedGeometry::rect(qint64(iX) - iWidth / 4, iY, iWidth, iHeight), sText,
                   Qt::AlignHCenter | Qt::AlignVCenter);
}

void CReportPainter::drawRotatedText(const QPoint &cPoint, const QString &sText)
{
    save();
    translate(cPoint);
    rotate(90.0);
    drawText(QPoint(0, 0), limitedText(sText));
    restore();
}

void CReportPainter::drawTextOnBackground(int iX, int iY, const QString &sText)
{
    const QString sShown = limitedText(sText);
    const QSize cSize = fontMetrics().size(0, sShown);
    const QRect cRect = BoundedGeometry::rect(iX, qint64(iY) - cSize.height(), cSize.width(), cSize.height());
    fillRect(cRect, brush());
    drawText(cRect, 0, sShown);
}

int CReportPainter::fitFontSize(const QRect &cRect, const QString &sText)
{
    const int iHeight = BoundedGeometry::rect(cRect).height();
    save();
    int iResult = kMinimumPointSize;
    for (int iSize = kLargestFittedPointSize; iSize >= kMinimumPointSize; --iSize) {
        QFont cFont = font();
        cFont.setPointSize(iSize);
        setFont(cFont);
        if (textHeight(sText) <= iHeight) {
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
    return sText.left(lineLength(fontMetrics(), sText, iWidth));
}

QString CReportPainter::wrapText(const QString &sText, int iWidth) const
{
    const QFontMetrics cMetrics = fontMetrics();
    QString sResult;
    qsizetype iPos = 0;
    qsizetype iTooWideLine = -1; // absolute start of a known too-wide line
    while (iPos < sText.size()) {
        const QStringView sRest = QStringView(sText).mid(iPos);
        // Relative to the rest, and only while the rest still holds that line.
        qsizetype iHint = iTooWideLine >= iPos ? iTooWideLine - iPos : -1;
        const int iLength = lineLength(cMetrics, sRest, iWidth, &iHint);
        if (iHint >= 0)
            iTooWideLine = iPos + iHint;
        sResult += sRest.left(iLength);
        iPos += iLength;
        if (iPos < sText.size())
            sResult += QLatin1Char('\n');
    }
    return sResult;
}

QString CReportPainter::truncateToHeight(const QString &sText, int iHeight) const
{
    // Cutting at the last line feed until the text fits keeps the largest
    // number of leading lines that fits (at least one line); heights grow
    // with the number of lines, so that number is searched by halving
    // instead of measuring the text once per line.
    QList<qsizetype> cLineEnds;
    for (qsizetype i = 0; i < sText.size(); ++i) {
        if (sText.at(i) == QLatin1Char('\n'))
            cLineEnds.append(i);
    }
    cLineEnds.append(sText.size());
    const auto prefixFits = [&](qsizetype iLines) {
        return textHeight(sText.left(cLineEnds.at(iLines - 1))) <= iHeight;
    };
    qsizetype iLow = 1;
    qsizetype iHigh = cLineEnds.size();
    if (!prefixFits(iHigh)) {
        while (iHigh - iLow > 1) {
            const qsizetype iMiddle = (iLow + iHigh) / 2;
            if (prefixFits(iMiddle))
                iLow = iMiddle;
            else
                iHigh = iMiddle;
        }
        iHigh = iLow;
    }
    QString sResult = sText.left(cLineEnds.at(iHigh - 1));
    sResult.chop(3);
    return sResult + kEllipsis;
}

QString CReportPainter::fitText(const QString &sText, int iWidth, int iHeight, int *piPointSize)
{
    const QString sSource = limitedText(sText);
    const QFont cOriginal = font();
    int iPointSize = cOriginal.pointSize();
    QString sResult = wrapText(sSource, iWidth);
    if (textHeight(sResult) > iHeight) {
        iPointSize = kMinimumPointSize;
        QFont cSmall = cOriginal;
        cSmall.setPointSize(iPointSize);
        setFont(cSmall);
        sResult = wrapText(sSource, iWidth);
        if (textHeight(sResult) > iHeight)
            sResult = truncateToHeight(sResult, iHeight);
        setFont(cOriginal);
    }
    if (piPointSize)
        *piPointSize = iPointSize;
    return sResult;
}
