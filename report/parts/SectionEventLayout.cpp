#include "report/parts/SectionEventLayout.h"

#include <algorithm>
#include <cmath>

namespace SectionEventLayout {

int nextScaleCandidate(int iScale)
{
    if (iScale < 25)
        return 25;
    if (iScale < 50)
        return 50;
    if (iScale < 100)
        return 100;
    return iScale + 50;
}

int lowerScale(int iScale)
{
    if (iScale > 100)
        return iScale - 50;
    if (iScale > 50)
        return 50;
    if (iScale > 25)
        return 25;
    return 10;
}

namespace {
// The stepping rule: keep going while the rows are shorter than the drawing.
bool rowsShorter(double dRows, double dLength, int iScale)
{
    return dRows < dLength / iScale;
}
} // namespace

int chooseScale(double dScaleLength, qint64 iRowHeights)
{
    const double dLength = std::isfinite(dScaleLength) && dScaleLength > 0.0 ? dScaleLength : 0.0;
    const double dRows = static_cast<double>(std::max<qint64>(iRowHeights, 0));
    int iScale = 10;
    // The first candidates one by one, as the stepping rule has it.
    while (iScale < 100 && rowsShorter(dRows, dLength, iScale))
        iScale = nextScaleCandidate(iScale);
    if (iScale < 100 || !rowsShorter(dRows, dLength, iScale))
        return lowerScale(iScale);
    // From 100 on the candidates grow by 50: start near the answer instead of
    // walking there, which would take forever for a very long section.
    if (dRows <= 0.0 || dLength / dRows / 50.0 >= kMaxScale / 50.0)
        return kMaxScale;
    const double dSteps = std::ceil(dLength / dRows / 50.0);
    iScale = std::max(100, static_cast<int>(dSteps) * 50);
    while (iScale > 100 && !rowsShorter(dRows, dLength, iScale - 50))
        iScale -= 50;
    while (iScale < kMaxScale && rowsShorter(dRows, dLength, iScale))
        iScale += 50;
    if (iScale >= kMaxScale)
        return kMaxScale;
    return lowerScale(iScale);
}

SectionPageHeights normalisedHeights(int iFirst, int iFollowing)
{
    return {std::max(iFirst, kMinPageHeight), std::max(iFollowing, kMinPageHeight)};
}

void limitRowHeights(QList<EventRow> &rows, const SectionPageHeights &heights)
{
    const int iLimit = std::min(heights.iFirst, heights.iFollowing);
    for (EventRow &row : rows)
        row.iHeight = std::clamp(row.iHeight, 0, iLimit);
}

namespace {
struct PageGeometry
{
    qint64 iH1;
    qint64 iH2;

    qint64 pageOf(qint64 iY) const
    {
        if (iY <= iH1)
            return 1;
        return (iY - iH1 + iH2 - 1) / iH2 + 1;
    }
    qint64 top(qint64 iPage) const { return iPage <= 1 ? 0 : iH1 + (iPage - 2) * iH2; }
    qint64 bottom(qint64 iPage) const { return iH1 + (iPage - 1) * iH2; }
};

// Distance of a position from the first one on the drawing, in logical
// units; unusable values sit at the first position, endless ones at the end.
qint64 scaledOffset(float fPosition, float fFirst, double dUnitsPerLength, int iScale)
{
    // Single precision, as positions are stored: 0.1 m at 1 : 100 is 100
    // units, not 101.
    const float fOffset = (fPosition - fFirst) * static_cast<float>(dUnitsPerLength) / static_cast<float>(iScale);
    const double dOffset = fOffset;
    if (std::isnan(dOffset))
        return 0;
    const double dClamped = std::clamp(dOffset, -static_cast<double>(kMaxOffset), static_cast<double>(kMaxOffset));
    return static_cast<qint64>(std::ceil(dClamped));
}

float firstUsablePosition(const QList<EventRow> &rows)
{
    for (const EventRow &row : rows) {
        if (std::isfinite(row.fPosition))
            return row.fPosition;
    }
    return 0.0f;
}

int toInt(qint64 iValue)
{
    return static_cast<int>(std::clamp<qint64>(iValue, -kMaxOffset * 2, kMaxOffset * 2));
}
} // namespace

PassResult assignPass(QList<EventRow> &rows, int iScale, double dUnitsPerLength, const SectionPageHeights &heights)
{
    const PageGeometry geometry{std::max(heights.iFirst, kMinPageHeight), std::max(heights.iFollowing, kMinPageHeight)};
    const int iDivisor = std::max(iScale, 1);
    const double dUnits = std::isfinite(dUnitsPerLength) ? dUnitsPerLength : 0.0;
    const float fFirst = firstUsablePosition(rows);
    PassResult result;
    qint64 iPreviousEnd = 0;
    qint64 iCarry = 0;
    for (EventRow &row : rows) {
        const qint64 iS = iCarry + scaledOffset(row.fPosition, fFirst, dUnits, iDivisor);
        iCarry = iS < 0 ? -iS : 0;
        const qint64 iScalePage = geometry.pageOf(iS);
        qint64 iScalePosition = iS - geometry.top(iScalePage);
        // The row starts where its position is, or below the previous row.
        // Its page follows from where it actually starts, so that a long
        // stack of rows moves on page by page instead of piling up.
        const qint64 iRowStart = std::max(iS, iPreviousEnd);
        qint64 iPage = geometry.pageOf(iRowStart);
        const qint64 iHeight = std::max(row.iHeight, 0);
        if (iRowStart + iHeight > geometry.bottom(iPage))
            ++iPage;
        const qint64 iRowPosition = std::max<qint64>(iRowStart - geometry.top(iPage), 0);
        iPreviousEnd = geometry.top(iPage) + iRowPosition + iHeight;
        row.bPushed = iPage != iScalePage;
        if (row.bPushed) {
            iScalePosition = -1;
            ++result.iPushed;
        }
        row.iPage = toInt(iPage);
        row.iScalePosition = toInt(iScalePosition);
        row.iRowPosition = toInt(iRowPosition);
        result.iLastPage = row.iPage;
    }
    return result;
}

void computeSpacing(QList<EventRow> &rows)
{
    for (int i = 0; i < rows.size(); ++i) {
        EventRow &row = rows[i];
        if (i + 1 < rows.size() && rows.at(i + 1).iPage == row.iPage)
            row.iSpacing = rows.at(i + 1).iRowPosition - row.iRowPosition;
        else
            row.iSpacing = row.iHeight;
    }
}

AssignResult assignPages(QList<EventRow> &rows, int iScale, double dUnitsPerLength, const SectionPageHeights &heights)
{
    AssignResult result;
    result.iScale = std::clamp(iScale, 10, kMaxScale);
    result.iPageCount = 1;
    int iPreviousPushed = 0;
    for (int iPass = 0; iPass < kMaxPasses; ++iPass) {
        if (iPass > 0 && iPreviousPushed > 4)
            result.iScale = lowerScale(result.iScale);
        const PassResult pass = assignPass(rows, result.iScale, dUnitsPerLength, heights);
        ++result.iPasses;
        const bool bGrew = pass.iLastPage > result.iPageCount;
        result.iPageCount = std::max(pass.iLastPage, 1);
        iPreviousPushed = pass.iPushed;
        if (!((bGrew || pass.iPushed > 4) && result.iScale != 10))
            break;
    }
    computeSpacing(rows);
    return result;
}

QString photoNumber(const QString &sFileName)
{
    QString sNumber = sFileName.right(8);
    sNumber.chop(4);
    return sNumber;
}

QString photoNumbers(const QString &sFirst, const QString &sSecond)
{
    const QString sA = photoNumber(sFirst);
    const QString sB = photoNumber(sSecond);
    if (!sA.isEmpty() && !sB.isEmpty())
        return sA + QStringLiteral(", ") + sB;
    return sA.isEmpty() ? sB : sA;
}

QList<int> photoPageSizes(int iPhotoCount, int iPerPage)
{
    QList<int> sizes;
    if (iPerPage <= 0)
        return sizes;
    for (int iDone = 0; iDone < iPhotoCount; iDone += iPerPage)
        sizes.append(std::min(iPerPage, iPhotoCount - iDone));
    return sizes;
}

QList<PageRows> rowsByPage(const QList<EventRow> &rows)
{
    QList<PageRows> pages;
    for (int i = 0; i < rows.size(); ++i) {
        if (pages.isEmpty() || pages.last().iPage != rows.at(i).iPage)
            pages.append({rows.at(i).iPage, i, i + 1});
        else
            pages.last().iEnd = i + 1;
    }
    return pages;
}

} // namespace SectionEventLayout
