#pragma once

#include <QList>
#include <QString>

// The event rows of a section protocol and how they are laid out against the
// scale drawing of the pipe: the drawing scale, the page of every row and the
// rows' positions within their pages. Pure arithmetic, no painting.

struct EventRow
{
    // Height of the wrapped observation + 200.
    int iHeight = 0;
    // Distance from this row's top to the next row's top on the same page;
    // the row's own height for the last row of a page.
    int iSpacing = 0;
    // y of the event's position on the scale within its page; -1 when the row
    // had to move to a later page than its scale position (no connector).
    int iScalePosition = -1;
    // y of the row's top within its page's event area.
    int iRowPosition = 0;
    // 1-based protocol page.
    int iPage = 1;
    // The row had to move to a later page than its position on the scale.
    bool bPushed = false;
    // The event's meter value (in feet on non-metric systems).
    float fPosition = 0.0f;

    QString sObservation;
    QString sCode;
    QString sPositionText;
    QString sDamageClass;
    QString sVideoPosition;
    QString sPhotoNumbers;
};

// The usable heights of the event area: page 1 and every later page.
struct SectionPageHeights
{
    int iFirst = 0;
    int iFollowing = 0;
};

namespace SectionEventLayout {

// Largest scale divisor ever chosen and largest distance (logical units)
// from the first event that a scale position may have; both keep every page
// coordinate well inside int.
constexpr int kMaxScale = 1000000000;
constexpr qint64 kMaxOffset = 1000000000;
// Smallest usable page height; layouts that leave less still paginate.
constexpr int kMinPageHeight = 100;
// Bound on the page assignment passes.
constexpr int kMaxPasses = 1000;

// The candidate after iScale: 10, 25, 50, 100, 150, 200, ...
int nextScaleCandidate(int iScale);
// The divisor one step below iScale when rows had to be pushed.
int lowerScale(int iScale);

// The drawing scale divisor for a section whose drawing is fScaleLength
// logical units long at 1 : 1 and whose stacked rows are iRowHeights high:
// the candidate before the first one at which the rows are at least as long
// as the drawing. A non-finite or negative length counts as 0.
int chooseScale(double dScaleLength, qint64 iRowHeights);

// Usable heights, at least kMinPageHeight each.
SectionPageHeights normalisedHeights(int iFirst, int iFollowing);

// Rows higher than the smaller usable height are cut to it so that each row
// fits on a page of its own.
void limitRowHeights(QList<EventRow> &rows, const SectionPageHeights &heights);

struct PassResult
{
    int iLastPage = 1;
    int iPushed = 0;
};

// One pass over the rows at the given scale: page, scale position and row
// position of every row. Rows never overlap and never cross a page bottom.
PassResult assignPass(QList<EventRow> &rows, int iScale, double dUnitsPerLength, const SectionPageHeights &heights);

struct AssignResult
{
    int iScale = 10;
    int iPageCount = 1;
    int iPasses = 0;
};

// Repeats the passes, lowering the divisor while more than four rows are
// pushed, until the layout is stable or the scale is 1 : 10; then sets the
// rows' spacing.
AssignResult assignPages(QList<EventRow> &rows, int iScale, double dUnitsPerLength, const SectionPageHeights &heights);

// Spacing of every row (see EventRow::iSpacing).
void computeSpacing(QList<EventRow> &rows);

// The four characters before a four-character extension: "IMG_0042.jpg"
// gives "0042". Empty for an empty name.
QString photoNumber(const QString &sFileName);
// The numbers of both photos, joined with ", " when both exist.
QString photoNumbers(const QString &sFirst, const QString &sSecond);

// How many photo frames each photo page holds.
QList<int> photoPageSizes(int iPhotoCount, int iPerPage);

// Index ranges [first, end) of the rows on each page that holds rows, in
// page order; the page number of a range is the page of its rows.
struct PageRows
{
    int iPage = 1;
    int iFirst = 0;
    int iEnd = 0;
};
QList<PageRows> rowsByPage(const QList<EventRow> &rows);

} // namespace SectionEventLayout
