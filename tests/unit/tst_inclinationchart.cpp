#include "report/InclinationChartGeometry.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

using namespace InclinationChartGeometry;

namespace {
const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();
} // namespace

class TestInclinationChart : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void chartRange_data();
    void chartRange();
    void toCoordinate_data();
    void toCoordinate();
    void scaleText_data();
    void scaleText();
    void measuredInclination_data();
    void measuredInclination();
    void gridLines_data();
    void gridLines();
};

void TestInclinationChart::chartRange_data()
{
    QTest::addColumn<float>("min");
    QTest::addColumn<float>("max");
    QTest::addColumn<float>("zeroSpan");
    QTest::addColumn<bool>("margin");
    QTest::addColumn<float>("expectedMin");
    QTest::addColumn<float>("expectedMax");

    QTest::addRow("varying, 5 per cent margin") << 0.0f << 100.0f << kAltitudeZeroSpan << true << -5.0f << 105.0f;
    QTest::addRow("varying, no margin") << 2.0f << 12.0f << kPositionZeroSpan << false << 2.0f << 12.0f;
    QTest::addRow("constant position: 1 m around it") << 7.0f << 7.0f << kPositionZeroSpan << false << 6.5f << 7.5f;
    QTest::addRow("constant inclination: 1 per cent and margin")
        << 2.0f << 2.0f << kInclinationZeroSpan << true << 1.45f << 2.55f;
    QTest::addRow("constant altitude: 10 cm and margin")
        << 10000.0f << 10000.0f << kAltitudeZeroSpan << true << 9994.5f << 10005.5f;
    QTest::addRow("NaN bounds") << kNaN << kNaN << kPositionZeroSpan << false << -0.5f << 0.5f;
    QTest::addRow("infinite maximum") << 3.0f << kInf << kPositionZeroSpan << false << 0.0f << 3.0f;
    QTest::addRow("ends too far apart") << -3e38f << 3e38f << kAltitudeZeroSpan << true << -5.5f << 5.5f;
    QTest::addRow("reversed bounds") << 9.0f << 1.0f << kPositionZeroSpan << false << 1.0f << 9.0f;
}

void TestInclinationChart::chartRange()
{
    QFETCH(float, min);
    QFETCH(float, max);
    QFETCH(float, zeroSpan);
    QFETCH(bool, margin);
    QFETCH(float, expectedMin);
    QFETCH(float, expectedMax);
    const ChartRange range = InclinationChartGeometry::chartRange(min, max, zeroSpan, margin);
    QCOMPARE(range.fMin, expectedMin);
    QCOMPARE(range.fMax, expectedMax);
    QCOMPARE(range.fSpan, range.fMax - range.fMin);
    QVERIFY(range.fSpan > 0.0f && std::isfinite(range.fSpan));
}

void TestInclinationChart::toCoordinate_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("coordinate");
    QTest::addRow("truncates towards zero") << -12.9 << -12;
    QTest::addRow("positive") << 12.9 << 12;
    QTest::addRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0;
    QTest::addRow("infinity") << std::numeric_limits<double>::infinity() << kMaxCoordinate;
    QTest::addRow("minus infinity") << -std::numeric_limits<double>::infinity() << -kMaxCoordinate;
    QTest::addRow("beyond int") << 1e20 << kMaxCoordinate;
}

void TestInclinationChart::toCoordinate()
{
    QFETCH(double, value);
    QFETCH(int, coordinate);
    QCOMPARE(InclinationChartGeometry::toCoordinate(value), coordinate);
}

void TestInclinationChart::scaleText_data()
{
    QTest::addColumn<double>("units");
    QTest::addColumn<int>("plotSize");
    QTest::addColumn<float>("span");
    QTest::addColumn<bool>("upwards");
    QTest::addColumn<QString>("text");
    // 180 mm for 36 m: 1 m is 5 mm on paper.
    QTest::addRow("position 1 : 200") << 100000.0 << 18000 << 36.0f << false << "1 : 200";
    // 100 mm for 50 cm of altitude: values grow upwards, the text has no sign.
    QTest::addRow("altitude 1 : 5") << 1000.0 << 10000 << 50.0f << true << "1 : 5";
    QTest::addRow("plot without size") << 100000.0 << 0 << 36.0f << false << "1 : ?";
}

void TestInclinationChart::scaleText()
{
    QFETCH(double, units);
    QFETCH(int, plotSize);
    QFETCH(float, span);
    QFETCH(bool, upwards);
    QFETCH(QString, text);
    const double dFactor = scaleFactor(plotSize, span, upwards);
    QVERIFY(std::isfinite(dFactor));
    QCOMPARE(InclinationChartGeometry::scaleText(units, dFactor), text);
}

void TestInclinationChart::measuredInclination_data()
{
    QTest::addColumn<float>("startAltitude");
    QTest::addColumn<float>("endAltitude");
    QTest::addColumn<float>("startPosition");
    QTest::addColumn<float>("endPosition");
    QTest::addColumn<QString>("text");
    // 20 cm over 10 m is 2 %.
    QTest::addRow("rising") << 0.0f << 20.0f << 0.0f << 10.0f << "2.00 %";
    QTest::addRow("measured backwards") << 20.0f << 0.0f << 10.0f << 0.0f << "2.00 %";
    QTest::addRow("equal positions") << 0.0f << 20.0f << 5.0f << 5.0f << "? %";
    QTest::addRow("equal positions and altitudes") << 3.0f << 3.0f << 5.0f << 5.0f << "? %";
    QTest::addRow("NaN altitude") << kNaN << 3.0f << 0.0f << 5.0f << "? %";
}

void TestInclinationChart::measuredInclination()
{
    QFETCH(float, startAltitude);
    QFETCH(float, endAltitude);
    QFETCH(float, startPosition);
    QFETCH(float, endPosition);
    QFETCH(QString, text);
    QCOMPARE(measuredInclinationValue(startAltitude, endAltitude, startPosition, endPosition), text);
}

void TestInclinationChart::gridLines_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("sections");
    QTest::addColumn<QList<int>>("offsets");
    QTest::addRow("three lines") << 1000 << 3 << QList<int>{0, 500, 1000};
    QTest::addRow("integer steps") << 1000 << 4 << QList<int>{0, 333, 666, 1000};
    QTest::addRow("one section has no step") << 1000 << 1 << QList<int>{};
    QTest::addRow("no sections") << 1000 << 0 << QList<int>{};
    QTest::addRow("negative sections") << 1000 << -7 << QList<int>{};
}

void TestInclinationChart::gridLines()
{
    QFETCH(int, size);
    QFETCH(int, sections);
    QFETCH(QList<int>, offsets);
    QCOMPARE(gridLineOffsets(size, sections), offsets);
}

QTEST_GUILESS_MAIN(TestInclinationChart)
#include "tst_inclinationchart.moc"
