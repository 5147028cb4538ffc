#include "report/paint/Pagination.h"

#include <algorithm>

int listRowsPerPage(int iPageHeight, int iHeaderHeight, int iRowHeight)
{
    if (iRowHeight <= 0)
        return 0;
    // 64-bit so that hostile layout sizes cannot overflow the difference.
    const long long llAvailable = static_cast<long long>(iPageHeight) - iHeaderHeight;
    const long long llRows = llAvailable / iRowHeight - 1;
    return static_cast<int>(std::clamp<long long>(llRows, -1, 1000000));
}

QList<int> overviewPageSizes(int iEntries, int iRows)
{
    QList<int> sizes;
    int iDone = 0;
    while (iDone < iEntries) {
        const int iRemaining = iEntries - iDone;
        int n = iRemaining;
        if (iRows < iRemaining) {
            n = iRows;
            // Keep at least six entries for the last page.
            if (iRows + 5 >= iRemaining && iRows > 5)
                n = iRows - 5;
        }
        // Layouts with six rows per page or fewer cannot keep six entries for
        // the last page; they fill whole pages, and every page takes one
        // entry at least.
        n = std::clamp(n, 1, iRemaining);
        sizes.append(n);
        iDone += n;
    }
    return sizes;
}

QList<int> contentsPageSizes(int iEntries, int iRows)
{
    QList<int> sizes;
    const int iPerPage = std::max(1, iRows);
    int iDone = 0;
    while (iDone < iEntries) {
        const int n = std::min(iPerPage, iEntries - iDone);
        sizes.append(n);
        iDone += n;
    }
    return sizes;
}
