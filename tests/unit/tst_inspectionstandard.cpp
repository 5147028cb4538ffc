#include "metadata/CInspectionStandard.h"
#include "metadata/InspectionStandardLoader.h"
#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"

#include "TestHelpers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

namespace {
QString fixture(const QString &sName)
{
    return TestHelpers::fixturesDir() + QStringLiteral("/catalog/") + sName;
}

// A standard with the given misc-data block (lines "key=value").
const char *const kMiscTemplate = "[misc-data]\n%1\n";

std::unique_ptr<CInspectionSegment> sectionWith(int iId, const QString &sValue, const QString &sCode = QString())
{
    auto pProperties = std::make_unique<CPropertyList>();
    auto pProperty = std::make_unique<CProperty>(iId);
    pProperty->setValue(sValue);
    pProperty->setCode(sCode);
    pProperties->add(std::move(pProperty));
    return std::make_unique<CInspectionSegment>(nullptr, pProperties.release(), 1);
}
} // namespace

class TestInspectionStandard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void loadsCompleteFile();
    void loading_data();
    void loading();
    void direction_data();
    void direction();
    void nodeConvention_data();
    void nodeConvention();
    void measurements_data();
    void measurements();
    void missingSectionData();

private:
    QString write(const QByteArray &cContent);
    std::unique_ptr<QTemporaryDir> m_pDir;
    int m_iFile = 0;
};

void TestInspectionStandard::init()
{
    m_pDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_pDir->isValid());
}

QString TestInspectionStandard::write(const QByteArray &cContent)
{
    const QString sPath = m_pDir->filePath(QStringLiteral("standard%1.std").arg(++m_iFile));
    QFile file(sPath);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(cContent);
    return sPath;
}

void TestInspectionStandard::loadsCompleteFile()
{
    const auto pStandard = loadInspectionStandard(fixture(QStringLiteral("Complete.std")));
    QVERIFY(pStandard);
    QCOMPARE(pStandard->sectionPropertyCount(), 4);
    QCOMPARE(pStandard->sectionPropertyDescription(1), QStringLiteral("Start node"));
    // Commas in a quoted value survive; a duplicate id answers from the first.
    QCOMPARE(pStandard->sectionPropertyDescription(13), QStringLiteral("Location, street side"));
    QCOMPARE(pStandard->sectionPropertyDescription(2), QStringLiteral("End node"));
    QCOMPARE(pStandard->sectionPropertyAt(3).second, QStringLiteral("End node (duplicate)"));
    QCOMPARE(pStandard->sectionPropertyDescription(99), QString());
    QCOMPARE(pStandard->damageClassCount(), 3);
    QCOMPARE(pStandard->damageClassAt(0), QStringLiteral("A"));
    QCOMPARE(pStandard->damageClassAt(2), QStringLiteral("C"));
    QCOMPARE(pStandard->damageClassAt(3), QString());
    QCOMPARE(pStandard->damageClassAt(-1), QString());
    QCOMPARE(pStandard->textDelimiter(), QStringLiteral("|"));
    QCOMPARE(pStandard->directionText(CInspectionStandard::InDirection), QStringLiteral("D"));
    QCOMPARE(pStandard->directionText(CInspectionStandard::AgainstDirection), QStringLiteral("U"));
    QCOMPARE(pStandard->directionText(CInspectionStandard::FlowInDirection), QStringLiteral("F"));
    QCOMPARE(pStandard->directionText(CInspectionStandard::FlowAgainstDirection), QStringLiteral("G"));
    QCOMPARE(pStandard->manholeAltitudeUnit(), QStringLiteral("m"));
    QCOMPARE(pStandard->pipeDiameterUnit(), QStringLiteral("mm"));
}

void TestInspectionStandard::loading_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("properties");
    QTest::addColumn<int>("classes");
    QTest::addColumn<int>("firstId");
    QTest::addColumn<QString>("delimiter");

    QTest::addRow("only misc-data") << QByteArray("[misc-data]\ntext-delimiter=#\n") << true << 0 << 0 << 0 << "#";
    QTest::addRow("empty file") << QByteArray() << false << 0 << 0 << 0 << "";
    QTest::addRow("keys without group") << QByteArray("text-delimiter=#\n") << false << 0 << 0 << 0 << "";
    QTest::addRow("class size 0") << QByteArray("[damage-classes]\nclass\\size=0\nclass\\1\\value=A\n") << true << 0
                                  << 0 << 0 << "";
    QTest::addRow("non-numeric id") << QByteArray("[section-properties]\nproperty\\size=1\nproperty\\1\\id=x7\n"
                                                  "property\\1\\description=D\n")
                                    << true << 1 << 0 << 0 << "";
    QTest::addRow("size far beyond the elements")
        << QByteArray("[section-properties]\nproperty\\size=2000000000\nproperty\\1\\id=5\n"
                      "[damage-classes]\nclass\\size=-4\nclass\\1\\value=A\n")
        << true << 1 << 0 << 5 << "";
    QTest::addRow("binary garbage") << QByteArray("\x00\x01\xff[\x02]\n=\n", 10) << false << 0 << 0 << 0 << "";
}

void TestInspectionStandard::loading()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, loads);
    QFETCH(int, properties);
    QFETCH(int, classes);
    QFETCH(int, firstId);
    QFETCH(QString, delimiter);
    const auto pStandard = loadInspectionStandard(write(content));
    QCOMPARE(pStandard != nullptr, loads);
    if (!pStandard)
        return;
    QCOMPARE(pStandard->sectionPropertyCount(), properties);
    QCOMPARE(pStandard->damageClassCount(), classes);
    QCOMPARE(pStandard->sectionPropertyAt(0).first, firstId);
    QCOMPARE(pStandard->textDelimiter(), delimiter);
    // Every direction key exists after loading, empty when the file lacks it.
    for (int iKey = 0; iKey <= 4; ++iKey)
        QCOMPARE(pStandard->directionText(iKey), QString());
}

void TestInspectionStandard::direction_data()
{
    QTest::addColumn<QString>("misc");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("direction");

    const QString sBoth = QStringLiteral("in-dir=D\nagainst-dir=U");
    QTest::addRow("in direction") << sBoth << "D" << 1;
    QTest::addRow("against direction") << sBoth << "U" << 2;
    QTest::addRow("other code") << sBoth << "X" << 0;
    QTest::addRow("case differs") << sBoth << "d" << 0;
    QTest::addRow("no code on the section") << sBoth << "" << 0;
    QTest::addRow("equal texts: against wins") << "in-dir=S\nagainst-dir=S"
                                               << "S" << 2;
    // A standard without direction codes must not call every uncoded
    // section "against the flow".
    QTest::addRow("no direction keys, no code") << "text-delimiter=|"
                                                << "" << 0;
    QTest::addRow("empty against-dir, no code") << "in-dir=D\nagainst-dir="
                                                << "" << 0;
    QTest::addRow("empty against-dir, in code") << "in-dir=D\nagainst-dir="
                                                << "D" << 1;
    QTest::addRow("empty in-dir, no code") << "in-dir=\nagainst-dir=U"
                                           << "" << 0;
}

void TestInspectionStandard::direction()
{
    QFETCH(QString, misc);
    QFETCH(QString, code);
    QFETCH(int, direction);
    const auto pStandard = loadInspectionStandard(write(QString::fromLatin1(kMiscTemplate).arg(misc).toUtf8()));
    QVERIFY(pStandard);
    const auto pSection = sectionWith(4, QStringLiteral("value"), code);
    QCOMPARE(pStandard->inspectionDirection(pSection.get()), direction);
}

void TestInspectionStandard::nodeConvention_data()
{
    QTest::addColumn<QString>("misc");
    QTest::addColumn<int>("result");
    QTest::addRow("missing key") << "text-delimiter=|" << 0;
    QTest::addRow("empty") << "node-reference-convention=" << 0;
    QTest::addRow("U-D") << "node-reference-convention=U-D" << 0;
    QTest::addRow("lower case") << "node-reference-convention=u-d" << 1;
    QTest::addRow("other") << "node-reference-convention=D-U" << 1;
    QTest::addRow("trailing letters") << "node-reference-convention=U-DX" << 1;
}

void TestInspectionStandard::nodeConvention()
{
    QFETCH(QString, misc);
    QFETCH(int, result);
    const auto pStandard = loadInspectionStandard(write(QString::fromLatin1(kMiscTemplate).arg(misc).toUtf8()));
    QVERIFY(pStandard);
    QCOMPARE(pStandard->usesDefaultNodeConvention(), result);
}

void TestInspectionStandard::measurements_data()
{
    QTest::addColumn<int>("propertyId");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<float>("expected");

    // Pipe diameter in centimetres.
    QTest::addRow("diameter mm") << 6 << "300"
                                 << "mm" << 30.0f;
    QTest::addRow("diameter with blanks") << 6 << " 250 "
                                          << "mm" << 25.0f;
    QTest::addRow("diameter inch") << 6 << "12"
                                   << "in" << 30.48f;
    QTest::addRow("diameter German comma") << 6 << "300,5"
                                           << "mm" << 30.05f;
    QTest::addRow("unquoted comma split by the reader") << 6 << "300, 5"
                                                        << "mm" << 30.05f;
    QTest::addRow("diameter unknown unit") << 6 << "300"
                                           << "yd" << 0.0f;
    QTest::addRow("diameter not a number") << 6 << "DN300"
                                           << "mm" << 0.0f;
    QTest::addRow("diameter empty") << 6 << ""
                                    << "mm" << 0.0f;
    QTest::addRow("diameter nan") << 6 << "nan"
                                  << "mm" << 0.0f;
    QTest::addRow("diameter inf") << 6 << "inf"
                                  << "mm" << 0.0f;
    QTest::addRow("diameter beyond float") << 6 << "1e300"
                                           << "mm" << 0.0f;
    // Manhole altitudes in metres.
    QTest::addRow("start altitude m") << 61 << "100.25"
                                      << "m" << 100.25f;
    QTest::addRow("start altitude German comma") << 61 << "100,25"
                                                 << "m" << 100.25f;
    QTest::addRow("end altitude negative comma") << 62 << "-3,5"
                                                 << "m" << -3.5f;
    QTest::addRow("end altitude ft") << 62 << "10"
                                     << "ft" << 3.048f;
    QTest::addRow("end altitude mm") << 62 << "100250"
                                     << "mm" << 100.25f;
    QTest::addRow("grouped number is not taken") << 61 << "1.000,5"
                                                 << "m" << 0.0f;
    QTest::addRow("two commas") << 61 << "1,0,5"
                                << "m" << 0.0f;
    QTest::addRow("comma nan") << 62 << "na,n"
                               << "m" << 0.0f;
}

void TestInspectionStandard::measurements()
{
    QFETCH(int, propertyId);
    QFETCH(QString, value);
    QFETCH(QString, unit);
    QFETCH(float, expected);
    const QString sMisc = QStringLiteral("manhole-altitude-unit=%1\npipe-diameter-unit=%1").arg(unit);
    const auto pStandard = loadInspectionStandard(write(QString::fromLatin1(kMiscTemplate).arg(sMisc).toUtf8()));
    QVERIFY(pStandard);
    const auto pSection = sectionWith(propertyId, value);
    float fResult = 0.0f;
    if (propertyId == 6)
        fResult = pStandard->pipeDiameterCm(pSection.get());
    else if (propertyId == 61)
        fResult = pStandard->startManholeAltitude(pSection.get());
    else
        fResult = pStandard->endManholeAltitude(pSection.get());
    QVERIFY(std::isfinite(fResult));
    QVERIFY2(std::fabs(fResult - expected) <= 1e-4f * std::max(1.0f, std::fabs(expected)),
             qPrintable(QString::number(double(fResult))));
}

void TestInspectionStandard::missingSectionData()
{
    CInspectionStandard cStandard;
    cStandard.setDirectionText(CInspectionStandard::AgainstDirection, QStringLiteral("U"));
    cStandard.setPipeDiameterUnit(QStringLiteral("mm"));
    QCOMPARE(cStandard.inspectionDirection(nullptr), 0);
    QCOMPARE(cStandard.pipeDiameterCm(nullptr), 0.0f);
    const CInspectionSegment cBare(nullptr, nullptr, 3);
    QCOMPARE(cStandard.inspectionDirection(&cBare), 0);
    QCOMPARE(cStandard.startManholeAltitude(&cBare), 0.0f);
    // A section without property 6 has no diameter.
    const auto pSection = sectionWith(61, QStringLiteral("300"));
    QCOMPARE(cStandard.pipeDiameterCm(pSection.get()), 0.0f);
}

QTEST_GUILESS_MAIN(TestInspectionStandard)
#include "tst_inspectionstandard.moc"
