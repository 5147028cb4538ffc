#include "metadata/CInclinationData.h"
#include "metadata/CInclinationProfile.h"
#include "metadata/CInspectionStandard.h"
#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"

#include "TestHelpers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(InclinationPoints)

namespace {
bool near(float fActual, float fExpected)
{
    return std::fabs(fActual - fExpected) <= 1e-3f * std::max(1.0f, std::fabs(fExpected));
}

QString describe(const InclinationPoints &cPoints)
{
    QStringList cTexts;
    for (const InclinationPoint &cPoint : cPoints)
        cTexts << QStringLiteral("(%1, %2)").arg(double(cPoint.fX)).arg(double(cPoint.fY));
    return cTexts.join(QLatin1Char(' '));
}

bool samePoints(const InclinationPoints &cActual, const InclinationPoints &cExpected)
{
    if (cActual.size() != cExpected.size())
        return false;
    for (int i = 0; i < cActual.size(); ++i) {
        if (!near(cActual.at(i).fX, cExpected.at(i).fX) || !near(cActual.at(i).fY, cExpected.at(i).fY))
            return false;
    }
    return true;
}

std::unique_ptr<CInspectionSegment> section(const QString &sStart, const QString &sEnd, const QString &sDiameter)
{
    auto pProperties = std::make_unique<CPropertyList>();
    const QList<QPair<int, QString>> cValues{{6, sDiameter}, {61, sStart}, {62, sEnd}};
    for (const auto &cValue : cValues) {
        auto pProperty = std::make_unique<CProperty>(cValue.first);
        pProperty->setValue(cValue.second);
        pProperties->add(std::move(pProperty));
    }
    return std::make_unique<CInspectionSegment>(nullptr, pProperties.release(), 1);
}
} // namespace

class TestInclination : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void completeFile();
    void reading_data();
    void reading();
    void unreadable();
    void profile_data();
    void profile();
    void profileFromEndNode_data();
    void profileFromEndNode();
    void profileWithoutStandard();

private:
    std::unique_ptr<QTemporaryDir> m_pDir;
};

void TestInclination::init()
{
    m_pDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_pDir->isValid());
}

void TestInclination::completeFile()
{
    const auto pData = readInclinationFile(TestHelpers::fixturesDir() + QStringLiteral("/inclination/Complete.txt"));
    QVERIFY(pData);
    const CInclinationHeader &cHeader = pData->header();
    QCOMPARE(cHeader.date(), QStringLiteral("2023-05-17"));
    QCOMPARE(cHeader.startManhole(), QStringLiteral("SM1001"));
    QCOMPARE(cHeader.endManhole(), QStringLiteral("SM1002"));
    QCOMPARE(cHeader.unit(), QStringLiteral("m"));
    QCOMPARE(cHeader.endLength(), QStringLiteral("35.20"));
    QCOMPARE(cHeader.scalePos(), QStringLiteral("500"));
    QCOMPARE(cHeader.classC(), QStringLiteral("2.0"));
    // The CR of CRLF line ends is not part of any text; the blank last
    // line adds no point.
    QCOMPARE(pData->pointCount(), 8);
    QCOMPARE(pData->points().last().fX, 35.2f);
    QCOMPARE(pData->points().last().fY, -1.05f);
}

void TestInclination::reading_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("date");
    QTest::addColumn<InclinationPoints>("points");

    QTest::addRow("no values line") << QByteArray("Unit:m\n0;2\n10;2\n") << "m"
                                    << "" << InclinationPoints();
    QTest::addRow("values line with a blank after it") << QByteArray("Values... \n0;2\n") << ""
                                                       << "" << InclinationPoints();
    QTest::addRow("plain points") << QByteArray("Values...\n0;2\n10;2\n") << ""
                                  << "" << InclinationPoints{{0, 2}, {10, 2}};
    QTest::addRow("file ends with a blank line") << QByteArray("Values...\n0;2\n10;2\n\n") << ""
                                                 << "" << InclinationPoints{{0, 2}, {10, 2}};
    QTest::addRow("blank and whitespace lines between values") << QByteArray("Values...\n0;2\n\n  \n10;2\n") << ""
                                                               << "" << InclinationPoints{{0, 2}, {10, 2}};
    QTest::addRow("CRLF line ends") << QByteArray("Unit:ft\r\nValues...\r\n0;1\r\n10;-1\r\n\r\n") << "ft"
                                    << "" << InclinationPoints{{0, 1}, {3.048f, -1}};
    QTest::addRow("feet") << QByteArray("Unit:ft\nValues...\n100;2.5\n") << "ft"
                          << "" << InclinationPoints{{30.48f, 2.5f}};
    QTest::addRow("space before ft is metres") << QByteArray("Unit: ft\nValues...\n100;2.5\n") << " ft"
                                               << "" << InclinationPoints{{100, 2.5f}};
    QTest::addRow("lower-case key ignored") << QByteArray("unit:ft\nValues...\n100;2.5\n") << ""
                                            << "" << InclinationPoints{{100, 2.5f}};
    QTest::addRow("later header line wins") << QByteArray("Unit:ft\nUnit:m\nValues...\n100;1\n") << "m"
                                            << "" << InclinationPoints{{100, 1}};
    QTest::addRow("value keeps further colons") << QByteArray("Date:17.05.2023 12:30\nValues...\n") << ""
                                                << "17.05.2023 12:30" << InclinationPoints();
    QTest::addRow("line without separator") << QByteArray("Values...\n3.5\n") << ""
                                            << "" << InclinationPoints{{3.5f, 3.5f}};
    QTest::addRow("split at the first separator") << QByteArray("Values...\n1;2;3\n") << ""
                                                  << "" << InclinationPoints{{1, 0}};
    QTest::addRow("not numbers") << QByteArray("Values...\nabc;def\n1,5;2\n") << ""
                                 << "" << InclinationPoints{{0, 0}, {0, 2}};
    QTest::addRow("non-finite numbers") << QByteArray("Values...\ninf;nan\n1e39;-1e300\n-inf;5\n") << ""
                                        << "" << InclinationPoints{{0, 0}, {0, 0}, {0, 5}};
    QTest::addRow("largest float in feet") << QByteArray("Unit:ft\nValues...\n3.4e38;1\n") << "ft"
                                           << "" << InclinationPoints{{0, 1}};
    QTest::addRow("values with blanks") << QByteArray("Values...\n 2.5 ; -0.75 \n") << ""
                                        << "" << InclinationPoints{{2.5f, -0.75f}};
}

void TestInclination::reading()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, unit);
    QFETCH(QString, date);
    QFETCH(InclinationPoints, points);
    const QString sPath = m_pDir->filePath(QStringLiteral("measurement.txt"));
    QFile file(sPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    const auto pData = readInclinationFile(sPath);
    QVERIFY(pData);
    QCOMPARE(pData->header().unit(), unit);
    QCOMPARE(pData->header().date(), date);
    const InclinationPoints cRead = pData->points();
    QVERIFY2(samePoints(cRead, points), qPrintable(describe(cRead)));
    for (const InclinationPoint &cPoint : cRead)
        QVERIFY(std::isfinite(cPoint.fX) && std::isfinite(cPoint.fY));
}

void TestInclination::unreadable()
{
    QVERIFY(!readInclinationFile(m_pDir->filePath(QStringLiteral("missing.txt"))));
    QVERIFY(!readInclinationFile(m_pDir->path()));
    QVERIFY(!readInclinationFile(QString()));
}

void TestInclination::profile_data()
{
    QTest::addColumn<InclinationPoints>("points");
    QTest::addColumn<QString>("startAltitude");
    QTest::addColumn<QString>("endAltitude");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<float>("correction");
    QTest::addColumn<InclinationPoints>("expected");
    QTest::addColumn<float>("minAltitude");
    QTest::addColumn<float>("maxAltitude");

    const InclinationPoints cFlat{{0, 2}, {10, 2}};
    QTest::addRow("no manhole altitudes") << cFlat << "0"
                                          << "0"
                                          << "" << 0.0f << InclinationPoints{{0, 0}, {10, 20}} << 0.0f << 20.0f;
    QTest::addRow("manhole altitudes") << cFlat << "100.00"
                                       << "100.10"
                                       << "" << -1.0f << InclinationPoints{{0, 10000}, {10, 10010}} << 10000.0f
                                       << 10010.0f;
    QTest::addRow("manhole altitudes with German comma")
        << cFlat << "100,00"
        << "100,10"
        << "" << -1.0f << InclinationPoints{{0, 10000}, {10, 10010}} << 10000.0f << 10010.0f;
    QTest::addRow("pipe diameter raises the maximum")
        << cFlat << "0"
        << "0"
        << "300" << 0.0f << InclinationPoints{{0, 0}, {10, 20}} << 0.0f << 50.0f;
    QTest::addRow("only the start altitude") << cFlat << "1"
                                             << ""
                                             << "" << -12.0f << InclinationPoints{{0, 100}, {10, 0}} << 0.0f << 100.0f;
    // Measured from the end manhole back to the start.
    QTest::addRow("downward, no altitudes: shifted to the lower end")
        << InclinationPoints{{10, 2}, {0, 2}} << "0"
        << "0"
        << "" << 0.0f << InclinationPoints{{10, 20}, {0, 0}} << 0.0f << 20.0f;
    QTest::addRow("downward with altitudes: not shifted")
        << InclinationPoints{{10, 2}, {0, 2}} << "100.00"
        << "100.10"
        << "" << -1.0f << InclinationPoints{{10, 10010}, {0, 10000}} << 10000.0f << 10010.0f;
    // No distance between first and last point: nothing to correct by.
    QTest::addRow("equal first and last distance")
        << InclinationPoints{{5, 2}, {8, 1}, {5, 3}} << "100"
        << "101"
        << "" << 0.0f << InclinationPoints{{5, 10100}, {8, 10104.5f}, {5, 10098.5f}} << 10098.5f << 10104.5f;
    QTest::addRow("single point with altitudes") << InclinationPoints{{4, 1.5f}} << "100"
                                                 << "101"
                                                 << "" << 0.0f << InclinationPoints{{4, 10100}} << 10100.0f << 10100.0f;
    QTest::addRow("no points") << InclinationPoints() << "100"
                               << "101"
                               << "300" << 0.0f << InclinationPoints() << 0.0f << 0.0f;
}

// A section inspected from its end node: the end manhole's altitude is the
// one where the measurement begins, whichever way its distances run.
void TestInclination::profileFromEndNode_data()
{
    QTest::addColumn<InclinationPoints>("points");
    QTest::addColumn<InclinationPoints>("expected");
    // Start node 100.00 m, end node 100.10 m.
    QTest::addRow("distances growing from the end node")
        << InclinationPoints{{0, 2}, {10, 2}} << InclinationPoints{{0, 10010}, {10, 10000}};
    QTest::addRow("distances falling towards the end node")
        << InclinationPoints{{10, 2}, {0, 2}} << InclinationPoints{{10, 10000}, {0, 10010}};
}

void TestInclination::profileFromEndNode()
{
    QFETCH(InclinationPoints, points);
    QFETCH(InclinationPoints, expected);
    CInspectionStandard cStandard;
    cStandard.setManholeAltitudeUnit(QStringLiteral("m"));
    const auto pSection = section(QStringLiteral("100.00"), QStringLiteral("100.10"), QString());
    const CInclinationProfile cProfile(&cStandard, pSection.get(), points, true);
    QVERIFY2(samePoints(cProfile.profile(), expected), qPrintable(describe(cProfile.profile())));
    QVERIFY(near(cProfile.inclinationCorrection(), -3.0f));
    // Without the flag the same section starts at its start node.
    const CInclinationProfile cFromStart(&cStandard, pSection.get(), points);
    QVERIFY(near(cFromStart.profile().first().fY, points.first().fX < points.last().fX ? 10000.0f : 10010.0f));
}

void TestInclination::profile()
{
    QFETCH(InclinationPoints, points);
    QFETCH(QString, startAltitude);
    QFETCH(QString, endAltitude);
    QFETCH(QString, diameter);
    QFETCH(float, correction);
    QFETCH(InclinationPoints, expected);
    QFETCH(float, minAltitude);
    QFETCH(float, maxAltitude);

    CInspectionStandard cStandard;
    cStandard.setManholeAltitudeUnit(QStringLiteral("m"));
    cStandard.setPipeDiameterUnit(QStringLiteral("mm"));
    const auto pSection = section(startAltitude, endAltitude, diameter);
    const CInclinationProfile cProfile(&cStandard, pSection.get(), points);

    QVERIFY2(near(cProfile.inclinationCorrection(), correction),
             qPrintable(QString::number(double(cProfile.inclinationCorrection()))));
    QVERIFY2(samePoints(cProfile.profile(), expected), qPrintable(describe(cProfile.profile())));
    QVERIFY2(near(cProfile.minAltitude(), minAltitude), qPrintable(QString::number(double(cProfile.minAltitude()))));
    QVERIFY2(near(cProfile.maxAltitude(), maxAltitude), qPrintable(QString::number(double(cProfile.maxAltitude()))));
    QCOMPARE(cProfile.correctedPoints().size(), points.size());
    if (expected.isEmpty()) {
        QCOMPARE(cProfile.startAltitude(), 0.0f);
        QCOMPARE(cProfile.endAltitude(), 0.0f);
        QCOMPARE(cProfile.pipeDiameter(), 0.0f);
        QCOMPARE(cProfile.measuredLength(), 0.0f);
        return;
    }
    QVERIFY(near(cProfile.startAltitude(), expected.first().fY));
    QVERIFY(near(cProfile.endAltitude(), expected.last().fY));
    QCOMPARE(cProfile.firstDistance(), points.first().fX);
    QCOMPARE(cProfile.lastDistance(), points.last().fX);
    QCOMPARE(cProfile.measuredLength(), std::fabs(points.last().fX - points.first().fX));
    for (int i = 0; i < points.size(); ++i)
        QVERIFY(near(cProfile.correctedPoints().at(i).fY, points.at(i).fY + correction));
}

void TestInclination::profileWithoutStandard()
{
    // Extreme values and no standard: every figure stays finite.
    const InclinationPoints cPoints{{0, 3e38f},
                                    {3e38f, 3e38f},
                                    {-3e38f, -3e38f},
                                    {std::numeric_limits<float>::infinity(), std::nanf("")}};
    const CInclinationProfile cProfile(nullptr, nullptr, cPoints);
    const QList<float> cFigures{cProfile.minDistance(),    cProfile.maxDistance(),          cProfile.minInclination(),
                                cProfile.maxInclination(), cProfile.minAltitude(),          cProfile.maxAltitude(),
                                cProfile.startAltitude(),  cProfile.endAltitude(),          cProfile.measuredLength(),
                                cProfile.pipeDiameter(),   cProfile.inclinationCorrection()};
    for (float fFigure : cFigures)
        QVERIFY(std::isfinite(fFigure));
    for (const InclinationPoint &cPoint : cProfile.profile())
        QVERIFY(std::isfinite(cPoint.fX) && std::isfinite(cPoint.fY));
    QCOMPARE(cProfile.profile().size(), 4);
    QVERIFY(cProfile.minAltitude() <= cProfile.maxAltitude());
}

QTEST_GUILESS_MAIN(TestInclination)
#include "tst_inclination.moc"
