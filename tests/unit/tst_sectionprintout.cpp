#include "report/SectionEventLayout.h"

#include <QElapsedTimer>
#include <QTest>

#include <cmath>
#include <limits>

using namespace SectionEventLayout;

namespace {
constexpr double kMetric = 100000.0;

QList<EventRow> makeRows(const QList<float> &positions, const QList<int> &heights)
{
    QList<EventRow> rows;
    for (int i = 0; i < positions.size(); ++i) {
        EventRow row;
        row.fPosition = positions.at(i);
        row.iHeight = heights.at(std::min<int>(i, heights.size() - 1));
        rows.append(row);
    }
    return rows;
}

int pageHeight(const SectionPageHeights &heights, int iPage)
{
    return iPage == 1 ? heights.iFirst : heights.iFollowing;
}

// The stepping rule done the slow way, for moderate inputs.
int referenceScale(double dLength, qint64 iRows)
{
    int iScale = 10;
    int iPrevious = 10;
    bool bFirst = true;
    while (static_cast<double>(iRows) < dLength / iScale) {
        iPrevious = iScale;
        iScale = nextScaleCandidate(iScale);
        bFirst = false;
    }
    return bFirst ? 10 : iPrevious;
}

// What every layout must satisfy, whatever the input: rows lie inside
// their pages, never overlap, pages only grow, connectors start on the page.
void checkLayout(const QList<EventRow> &rows, const SectionPageHeights &heights)
{
    int iPreviousPage = 1;
    for (int i = 0; i < rows.size(); ++i) {
        const EventRow &row = rows.at(i);
        QVERIFY2(row.iPage >= iPreviousPage, qPrintable(QString("row %1 goes back a page").arg(i)));
        QVERIFY2(row.iRowPosition >= 0, qPrintable(QString("row %1 above its page").arg(i)));
        QVERIFY2(row.iRowPosition + row.iHeight <= pageHeight(heights, row.iPage),
                 qPrintable(QString("row %1 crosses the page bottom").arg(i)));
        if (row.bPushed)
            QCOMPARE(row.iScalePosition, -1);
        else
            QVERIFY(row.iScalePosition <= pageHeight(heights, row.iPage)
                    && (row.iScalePosition >= 0 || row.iPage == 1));
        if (i + 1 < rows.size() && rows.at(i + 1).iPage == row.iPage) {
            QVERIFY2(rows.at(i + 1).iRowPosition >= row.iRowPosition + row.iHeight,
                     qPrintable(QString("rows %1 and %2 overlap").arg(i).arg(i + 1)));
            QCOMPARE(row.iSpacing, rows.at(i + 1).iRowPosition - row.iRowPosition);
        } else {
            QCOMPARE(row.iSpacing, row.iHeight);
        }
        iPreviousPage = row.iPage;
    }
}
} // namespace

class TestSectionPrintout : public QObject
{
    Q_OBJECT

private slots:
    void chooseScale_data();
    void chooseScale();
    void chooseScaleMatchesStepping();
    void assignPass_data();
    void assignPass();
    void scaleEnlargement_data();
    void scaleEnlargement();
    void hostileInputs_data();
    void hostileInputs();
    void photoNumbers_data();
    void photoNumbers();
    void photoPageSizes_data();
    void photoPageSizes();
};

void TestSectionPrintout::chooseScale_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<qint64>("rows");
    QTest::addColumn<int>("scale");
    QTest::addRow("no length") << 0.0 << qint64(1000) << 10;
    QTest::addRow("rows exactly as long at 1:10") << 10000.0 << qint64(1000) << 10;
    QTest::addRow("stops at 25") << 20000.0 << qint64(1000) << 10;
    QTest::addRow("stops at 100") << 60000.0 << qint64(1000) << 50;
    QTest::addRow("stops at 150") << 120000.0 << qint64(1000) << 100;
    QTest::addRow("10,000 km") << 1e12 << qint64(18000) << 55555550;
    QTest::addRow("length of 1e35") << 1e35 << qint64(18000) << kMaxScale;
    QTest::addRow("infinite length") << std::numeric_limits<double>::infinity() << qint64(1000) << 10;
    QTest::addRow("NaN length") << std::numeric_limits<double>::quiet_NaN() << qint64(1000) << 10;
    QTest::addRow("negative length") << -5e6 << qint64(1000) << 10;
    QTest::addRow("no rows") << 5e6 << qint64(0) << kMaxScale;
}

void TestSectionPrintout::chooseScale()
{
    QFETCH(double, length);
    QFETCH(qint64, rows);
    QFETCH(int, scale);
    QCOMPARE(SectionEventLayout::chooseScale(length, rows), scale);
}

void TestSectionPrintout::chooseScaleMatchesStepping()
{
    // The shortcut for long sections must agree with walking the candidates.
    for (double dLength = 0.0; dLength < 5e8; dLength = dLength * 1.37 + 977.0) {
        for (const qint64 iRows : {qint64(200), qint64(4321), qint64(18000), qint64(250000)})
            QCOMPARE(SectionEventLayout::chooseScale(dLength, iRows), referenceScale(dLength, iRows));
    }
}

void TestSectionPrintout::assignPass_data()
{
    QTest::addColumn<QList<float>>("positions");
    QTest::addColumn<QList<int>>("heights");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QList<int>>("pages");
    QTest::addColumn<QList<int>>("scalePositions");
    QTest::addColumn<QList<int>>("rowPositions");
    QTest::addColumn<QList<int>>("spacings");
    QTest::addColumn<int>("pushed");

    // Page 1 holds 10000 units, later pages 20000.
    QTest::addRow("rows apart sit at their positions")
        << QList<float>{0.0f, 1.0f, 2.0f} << QList<int>{500} << 100 << QList<int>{1, 1, 1}
        << QList<int>{0, 1000, 2000} << QList<int>{0, 1000, 2000} << QList<int>{1000, 1000, 500} << 0;
    QTest::addRow("close rows stack, connectors slant")
        << QList<float>{0.0f, 0.1f, 0.2f} << QList<int>{500} << 100 << QList<int>{1, 1, 1}
        << QList<int>{0, 100, 200} << QList<int>{0, 500, 1000} << QList<int>{500, 500, 500} << 0;
    QTest::addRow("row crossing the bottom moves on, no connector")
        << QList<float>{0.0f, 9.8f, 10.5f} << QList<int>{500} << 100 << QList<int>{1, 2, 2}
        << QList<int>{0, -1, 500} << QList<int>{0, 0, 500} << QList<int>{500, 500, 500} << 1;
    QTest::addRow("row on page 2 at its position")
        << QList<float>{0.0f, 15.0f} << QList<int>{500} << 100 << QList<int>{1, 2}
        << QList<int>{0, 5000} << QList<int>{0, 5000} << QList<int>{500, 500} << 0;
    QTest::addRow("row ending exactly at the bottom stays")
        << QList<float>{0.0f, 9.5f} << QList<int>{500} << 100 << QList<int>{1, 1}
        << QList<int>{0, 9500} << QList<int>{0, 9500} << QList<int>{9500, 500} << 0;
    QTest::addRow("rows pushed by a stack keep moving")
        << QList<float>{0.0f, 9.0f, 9.1f, 9.2f} << QList<int>{600} << 100 << QList<int>{1, 1, 2, 2}
        << QList<int>{0, 9000, -1, -1} << QList<int>{0, 9000, 0, 600} << QList<int>{9000, 600, 600, 600} << 2;
    QTest::addRow("the first position is the origin")
        << QList<float>{100.0f, 100.5f} << QList<int>{300} << 50 << QList<int>{1, 1}
        << QList<int>{0, 1000} << QList<int>{0, 1000} << QList<int>{1000, 300} << 0;
}

void TestSectionPrintout::assignPass()
{
    QFETCH(QList<float>, positions);
    QFETCH(QList<int>, heights);
    QFETCH(int, scale);
    QFETCH(QList<int>, pages);
    QFETCH(QList<int>, scalePositions);
    QFETCH(QList<int>, rowPositions);
    QFETCH(QList<int>, spacings);
    QFETCH(int, pushed);

    const SectionPageHeights pageHeights{10000, 20000};
    QList<EventRow> rows = makeRows(positions, heights);
    const PassResult result = SectionEventLayout::assignPass(rows, scale, kMetric, pageHeights);
    computeSpacing(rows);
    QList<int> gotPages, gotScale, gotRows, gotSpacing;
    for (const EventRow &row : rows) {
        gotPages << row.iPage;
        gotScale << row.iScalePosition;
        gotRows << row.iRowPosition;
        gotSpacing << row.iSpacing;
    }
    QCOMPARE(gotPages, pages);
    QCOMPARE(gotScale, scalePositions);
    QCOMPARE(gotRows, rowPositions);
    QCOMPARE(gotSpacing, spacings);
    QCOMPARE(result.iPushed, pushed);
    QCOMPARE(result.iLastPage, pages.last());
    checkLayout(rows, pageHeights);
}

void TestSectionPrintout::scaleEnlargement_data()
{
    QTest::addColumn<QList<float>>("positions");
    QTest::addColumn<QList<int>>("heights");
    QTest::addColumn<int>("startScale");
    QTest::addColumn<int>("finalScale");
    QTest::addColumn<int>("passes");

    // Pages of 10000 units. Ten rows of 2000 at one position always push at
    // least five rows: the divisor walks all the way down to 10.
    QList<float> cluster{0.0f};
    for (int i = 0; i < 10; ++i)
        cluster << 5.0f;
    QTest::addRow("150 to 100 to 50 to 25 to 10") << cluster << QList<int>{500, 2000} << 150 << 10 << 5;
    QTest::addRow("from 400 by steps of 50") << cluster << QList<int>{500, 2000} << 400 << 10 << 10;
    // Six rows: five pushed at 1:150 (position 7000), two at 1:100
    // (position 10500 on page 2); the page count grows once more, then stays.
    QList<float> six{0.0f};
    for (int i = 0; i < 6; ++i)
        six << 10.5f;
    QTest::addRow("stops once fewer rows move") << six << QList<int>{500, 2000} << 150 << 100 << 3;
    QTest::addRow("spread rows keep the scale")
        << QList<float>{0.0f, 5.0f, 10.0f} << QList<int>{500} << 150 << 150 << 1;
    QTest::addRow("a grown page count repeats the pass once")
        << QList<float>{0.0f, 5.0f, 10.0f, 20.0f} << QList<int>{500} << 150 << 150 << 2;
    QTest::addRow("1:10 is never repeated") << cluster << QList<int>{500, 2000} << 10 << 10 << 1;
}

void TestSectionPrintout::scaleEnlargement()
{
    QFETCH(QList<float>, positions);
    QFETCH(QList<int>, heights);
    QFETCH(int, startScale);
    QFETCH(int, finalScale);
    QFETCH(int, passes);

    const SectionPageHeights pageHeights{10000, 10000};
    QList<EventRow> rows = makeRows(positions, heights);
    const AssignResult result = assignPages(rows, startScale, kMetric, pageHeights);
    QCOMPARE(result.iScale, finalScale);
    QCOMPARE(result.iPasses, passes);
    QCOMPARE(result.iPageCount, rows.last().iPage);
    checkLayout(rows, pageHeights);
}

void TestSectionPrintout::hostileInputs_data()
{
    QTest::addColumn<QList<float>>("positions");
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<int>("pageHeight");

    const float fNaN = std::numeric_limits<float>::quiet_NaN();
    const float fInf = std::numeric_limits<float>::infinity();
    QList<float> same;
    for (int i = 0; i < 5000; ++i)
        same << 12.5f;
    QList<float> clusteredFar;
    for (int i = 0; i < 200; ++i)
        clusteredFar << static_cast<float>(i) * 0.01f;
    clusteredFar << 1e7f;
    QTest::addRow("section of 10,000 km") << QList<float>{0.0f, 1.0f, 5e6f, 1e7f} << 600 << 20000;
    QTest::addRow("10,000 km with a cluster") << clusteredFar << 600 << 20000;
    QTest::addRow("meter values of 1e30") << QList<float>{-1e30f, 0.0f, 1e30f, 3e38f} << 600 << 20000;
    QTest::addRow("NaN and infinity") << QList<float>{fNaN, 1.0f, fInf, -fInf, fNaN, 2.0f} << 600 << 20000;
    QTest::addRow("all NaN") << QList<float>{fNaN, fNaN, fNaN} << 600 << 20000;
    QTest::addRow("5000 events at one position") << same << 600 << 20000;
    QTest::addRow("rows higher than a page") << QList<float>{0.0f, 0.0f, 3.0f} << 90000 << 20000;
    QTest::addRow("page without room") << QList<float>{0.0f, 1.0f, 2.0f} << 600 << -5000;
    QTest::addRow("descending positions") << QList<float>{50.0f, 10.0f, 5.0f, 60.0f} << 600 << 20000;
}

void TestSectionPrintout::hostileInputs()
{
    QFETCH(QList<float>, positions);
    QFETCH(int, rowHeight);
    QFETCH(int, pageHeight);

    QElapsedTimer timer;
    timer.start();
    const SectionPageHeights pageHeights = normalisedHeights(pageHeight, pageHeight);
    QList<EventRow> rows = makeRows(positions, {rowHeight});
    limitRowHeights(rows, pageHeights);
    double dLength = 0.0;
    qint64 iRows = 0;
    for (const EventRow &row : rows)
        iRows += row.iHeight;
    if (positions.size() > 1)
        dLength = (static_cast<double>(positions.last()) - positions.first()) * kMetric;
    const int iScale = SectionEventLayout::chooseScale(dLength, iRows);
    QVERIFY(iScale >= 10 && iScale <= kMaxScale);
    const AssignResult result = assignPages(rows, iScale, kMetric, pageHeights);
    QVERIFY(result.iPasses <= kMaxPasses);
    QVERIFY(result.iPageCount >= 1);
    checkLayout(rows, pageHeights);
    // Every row is printed on some page.
    int iCounted = 0;
    for (const PageRows &page : rowsByPage(rows))
        iCounted += page.iEnd - page.iFirst;
    QCOMPARE(iCounted, rows.size());
    QVERIFY2(timer.elapsed() < 10000, "layout took too long");
}

void TestSectionPrintout::photoNumbers_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("numbers");
    QTest::addRow("one photo") << "S001_0042.jpg" << "" << "0042";
    QTest::addRow("two photos") << "S001_0042.jpg" << "S001_0043.jpg" << "0042, 0043";
    QTest::addRow("only the second") << "" << "P0007.bmp" << "0007";
    QTest::addRow("no photos") << "" << "" << "";
    QTest::addRow("short name") << "ab.jpg" << "" << "ab";
    QTest::addRow("name of four characters") << ".jpg" << "x0001.png" << "0001";
}

void TestSectionPrintout::photoNumbers()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, numbers);
    QCOMPARE(SectionEventLayout::photoNumbers(first, second), numbers);
}

void TestSectionPrintout::photoPageSizes_data()
{
    QTest::addColumn<int>("photos");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addRow("seven at three") << 7 << 3 << QList<int>{3, 3, 1};
    QTest::addRow("six at three") << 6 << 3 << QList<int>{3, 3};
    QTest::addRow("two at one") << 2 << 1 << QList<int>{1, 1};
    QTest::addRow("none") << 0 << 3 << QList<int>{};
    QTest::addRow("no photo mode") << 5 << 0 << QList<int>{};
}

void TestSectionPrintout::photoPageSizes()
{
    QFETCH(int, photos);
    QFETCH(int, perPage);
    QFETCH(QList<int>, sizes);
    QCOMPARE(SectionEventLayout::photoPageSizes(photos, perPage), sizes);
}

QTEST_GUILESS_MAIN(TestSectionPrintout)
#include "tst_sectionprintout.moc"
