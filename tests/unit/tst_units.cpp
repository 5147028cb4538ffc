#include "app/units/Units.h"

#include <QLocale>
#include <QTest>

class TestUnits : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void unitFromName_data();
    void unitFromName();
    void convertLength_data();
    void convertLength();
    void convertLengthExact_data();
    void convertLengthExact();
    void formatDecimal_data();
    void formatDecimal();
    void formatLength_data();
    void formatLength();
    void formatTimeIndex_data();
    void formatTimeIndex();
    void formatDateAndScale();
    void lengthUnitLabel();
};

void TestUnits::unitFromName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("unit");
    QTest::addRow("mm with blanks") << " mm " << 1;
    QTest::addRow("capital MM") << "MM" << 0;
    QTest::addRow("cm has no name") << "cm" << 0;
    QTest::addRow("inch") << "in" << 3;
    QTest::addRow("foot") << "ft" << 4;
    QTest::addRow("metre with tab") << "\tm" << 5;
    QTest::addRow("empty") << "" << 0;
    QTest::addRow("metres spelt out") << "metre" << 0;
}

void TestUnits::unitFromName()
{
    QFETCH(QString, name);
    QFETCH(int, unit);
    QCOMPARE(::unitFromName(name), unit);
}

void TestUnits::convertLength_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<float>("expected");
    QTest::addRow("ft to mm") << 1.0f << 4 << 1 << 304.8f;
    QTest::addRow("mm to unknown") << 1.0f << 1 << 0 << 0.0f;
    QTest::addRow("same unit") << 2.5f << 2 << 2 << 2.5f;
    QTest::addRow("unknown source") << 7.0f << 0 << 5 << 0.0f;
    QTest::addRow("out of range target") << 7.0f << 5 << 6 << 0.0f;
    QTest::addRow("mm to cm") << 250.0f << 1 << 2 << 25.0f;
    QTest::addRow("mm to m") << 250.0f << 1 << 5 << 0.25f;
    QTest::addRow("cm to m") << 150.0f << 2 << 5 << 1.5f;
    QTest::addRow("m to cm") << 1.5f << 5 << 2 << 150.0f;
    QTest::addRow("in to mm") << 2.0f << 3 << 1 << 50.8f;
    QTest::addRow("ft to in") << 2.0f << 4 << 3 << 24.0f;
    QTest::addRow("m to ft") << 0.3048f << 5 << 4 << 1.0f;
    QTest::addRow("ft to m") << 10.0f << 4 << 5 << 3.048f;
    QTest::addRow("in to cm") << 1.0f << 3 << 2 << 2.54f;
}

void TestUnits::convertLength()
{
    QFETCH(float, value);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(float, expected);
    QCOMPARE(::convertLength(value, from, to), expected);
}

// QCOMPARE on floats is fuzzy; these results are exact in single precision
// and must come out bit for bit, not one rounding step off.
void TestUnits::convertLengthExact_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<float>("expected");
    QTest::addRow("1 ft in inches") << 1.0f << 4 << 3 << 12.0f;
    QTest::addRow("4 ft in inches") << 4.0f << 4 << 3 << 48.0f;
    QTest::addRow("3 in in feet") << 3.0f << 3 << 4 << 0.25f;
    QTest::addRow("6 in in feet") << 6.0f << 3 << 4 << 0.5f;
    QTest::addRow("1.5 m in cm") << 1.5f << 5 << 2 << 150.0f;
    QTest::addRow("250 mm in m") << 250.0f << 1 << 5 << 0.25f;
}

void TestUnits::convertLengthExact()
{
    QFETCH(float, value);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(float, expected);
    const float fResult = ::convertLength(value, from, to);
    QVERIFY2(fResult == expected, qPrintable(QString::number(double(fResult), 'g', 9)));
}

void TestUnits::formatDecimal_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");
    QTest::addRow("German") << "de_DE" << 1234.5f << "1.234,50";
    QTest::addRow("Swedish writes German") << "sv_SE" << 1234.5f << "1.234,50";
    QTest::addRow("United States") << "en_US" << 1234.5f << "1,234.50";
    QTest::addRow("negative German") << "de_DE" << -3.5f << "-3,50";
    QTest::addRow("two decimals rounded") << "en_US" << 2.345f << "2.35";
    QTest::addRow("tiny value") << "en_US" << 0.004f << "0.00";
    QTest::addRow("Swiss is not Swedish")
        << "de_CH" << 1234.5f << QLocale(QStringLiteral("de_CH")).toString(1234.5, 'f', 2);
}

void TestUnits::formatDecimal()
{
    QFETCH(QString, locale);
    QFETCH(float, value);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(::formatDecimal(value), expected);
}

void TestUnits::formatLength_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<float>("value");
    QTest::addColumn<bool>("withoutUnit");
    QTest::addColumn<QString>("expected");
    QTest::addRow("US in feet") << "en_US" << 10.0f << false << "32.80 ft";
    QTest::addRow("German metres") << "de_DE" << 10.0f << false << "10,00 m";
    QTest::addRow("British metres") << "en_GB" << 10.0f << false << "10.00 m";
    QTest::addRow("US without unit") << "en_US" << 1.0f << true << "3.28";
    QTest::addRow("negative position") << "de_DE" << -3.5f << false << "-3,50 m";
}

void TestUnits::formatLength()
{
    QFETCH(QString, locale);
    QFETCH(float, value);
    QFETCH(bool, withoutUnit);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(::formatLength(value, withoutUnit), expected);
}

void TestUnits::formatTimeIndex_data()
{
    QTest::addColumn<uint>("hour");
    QTest::addColumn<uint>("minute");
    QTest::addColumn<uint>("second");
    QTest::addColumn<QString>("expected");
    QTest::addRow("zero") << 0u << 0u << 0u << "00:00:00";
    QTest::addRow("padded") << 1u << 2u << 3u << "01:02:03";
    QTest::addRow("hundred hours") << 100u << 59u << 59u << "100:59:59";
}

void TestUnits::formatTimeIndex()
{
    QFETCH(uint, hour);
    QFETCH(uint, minute);
    QFETCH(uint, second);
    QFETCH(QString, expected);
    QCOMPARE(::formatTimeIndex(hour, minute, second), expected);
}

void TestUnits::formatDateAndScale()
{
    QCOMPARE(::formatDate(QDate(2010, 5, 3)), QStringLiteral("2010.05.03"));
    QCOMPARE(::formatDate(QDate()), QString());
    QCOMPARE(::formatScale(500), QStringLiteral("1 : 500"));
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    QCOMPARE(::formatLengthWithUnit(2.5f, true), QStringLiteral("2,50 ft"));
    QCOMPARE(::formatPercent(1.25f), QStringLiteral("1,25 %"));
    QCOMPARE(::formatPercent(1.25f, true), QStringLiteral("1,25"));
}

void TestUnits::lengthUnitLabel()
{
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    QTest::ignoreMessage(QtDebugMsg, "metric system : false");
    QCOMPARE(::lengthUnitLabel(false), QStringLiteral(" ft"));
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    QTest::ignoreMessage(QtDebugMsg, "metric system : true");
    QCOMPARE(::lengthUnitLabel(true), QStringLiteral("m"));
}

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
