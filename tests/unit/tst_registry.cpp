#include "metadata/CCatalogRegistry.h"

#include "TestHelpers.h"

#include <QTest>

namespace {
QString fixture(const QString &sName)
{
    return TestHelpers::fixturesDir() + QStringLiteral("/registry/") + sName;
}
} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

private slots:
    void catalogSkipping_data();
    void catalogSkipping();
    void firstCatalogWins();
    void localeSkipping();
    void localeLookups_data();
    void localeLookups();
    void damagedFiles_data();
    void damagedFiles();
};

void TestRegistry::catalogSkipping_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::addRow("Enabled=True is not enabled") << "CAPITAL-ENABLED" << false;
    QTest::addRow("format differing in case") << "LOWERCASE-FORMAT" << false;
    QTest::addRow("empty format") << "NO-FORMAT" << false;
    QTest::addRow("CDLab format") << "LAB" << true;
    QTest::addRow("unknown name") << "NOPE" << false;
    QTest::addRow("case-sensitive name") << "dup" << false;
}

void TestRegistry::catalogSkipping()
{
    QFETCH(QString, name);
    QFETCH(bool, found);
    const CCatalogRegistry registry(fixture(QStringLiteral("Locales.dat")), fixture(QStringLiteral("Catalogs.dat")));
    QCOMPARE(registry.findCatalog(name) != nullptr, found);
}

void TestRegistry::firstCatalogWins()
{
    const CCatalogRegistry registry(fixture(QStringLiteral("Locales.dat")), fixture(QStringLiteral("Catalogs.dat")));
    QCOMPARE(int(registry.catalogs().size()), 3);
    const CCatalogRecord *cDup = registry.findCatalog(QStringLiteral("DUP"));
    QVERIFY(cDup);
    QCOMPARE(cDup->sOfficialName, QStringLiteral("First of two"));
    QCOMPARE(cDup->iFormat, int(CCatalogRecord::FormatOstrel));
    QVERIFY(cDup->bLegacy);
    const CCatalogRecord *cLab = registry.findCatalog(QStringLiteral("LAB"));
    QCOMPARE(cLab->iFormat, int(CCatalogRecord::FormatCDLab));
    QCOMPARE(cLab->sOfficialName, QStringLiteral("Lab, with comma"));
    QVERIFY(!cLab->bLegacy); // only the exact text "true" counts
}

void TestRegistry::localeSkipping()
{
    const CCatalogRegistry registry(fixture(QStringLiteral("Locales.dat")), QString());
    // fr_FR has no name and it_IT no language file; empty help file and keyboard are fine.
    QCOMPARE(int(registry.locales().size()), 3);
    QVERIFY(!registry.findLocaleByCode(QStringLiteral("fr_FR")));
    QVERIFY(!registry.findLocaleByCode(QStringLiteral("it_IT")));
    QVERIFY(registry.findLocaleByCode(QStringLiteral("de_AT")));
    QVERIFY(registry.catalogs().empty());
}

void TestRegistry::localeLookups_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("byCode");
    QTest::addColumn<QString>("byLanguage");
    QTest::addRow("de_CH falls back to first de") << "de_CH"
                                                  << ""
                                                  << "de_at.qm";
    QTest::addRow("exact de_DE") << "de_DE"
                                 << "de.qm"
                                 << "de_at.qm";
    QTest::addRow("no match") << "ja_JP"
                              << ""
                              << "";
    QTest::addRow("case-sensitive") << "EN_US"
                                    << ""
                                    << "";
}

void TestRegistry::localeLookups()
{
    QFETCH(QString, code);
    QFETCH(QString, byCode);
    QFETCH(QString, byLanguage);
    const CCatalogRegistry registry(fixture(QStringLiteral("Locales.dat")), QString());
    const CLocaleRecord *cByCode = registry.findLocaleByCode(code);
    QCOMPARE(cByCode ? cByCode->sLanguageFile : QString(), byCode);
    const CLocaleRecord *cByLanguage = registry.findLocaleByLanguage(code.left(2));
    QCOMPARE(cByLanguage ? cByLanguage->sLanguageFile : QString(), byLanguage);
}

void TestRegistry::damagedFiles_data()
{
    QTest::addColumn<QString>("locales");
    QTest::addColumn<QString>("catalogs");
    QTest::addColumn<int>("localeCount");
    QTest::addColumn<int>("catalogCount");
    QTest::addRow("missing files") << "Missing.dat"
                                   << "Missing.dat" << 0 << 0;
    QTest::addRow("huge size with one element") << "HugeSize.dat"
                                                << "SizeZero.dat" << 1 << 0;
    QTest::addRow("wrong group") << "WrongGroup.dat"
                                 << "WrongGroup.dat" << 0 << 0;
    QTest::addRow("binary garbage") << "Garbage.dat"
                                    << "Garbage.dat" << 0 << 0;
    QTest::addRow("directory in place of file") << ""
                                                << "" << 0 << 0;
}

void TestRegistry::damagedFiles()
{
    QFETCH(QString, locales);
    QFETCH(QString, catalogs);
    QFETCH(int, localeCount);
    QFETCH(int, catalogCount);
    const CCatalogRegistry registry(fixture(locales), fixture(catalogs));
    QCOMPARE(int(registry.locales().size()), localeCount);
    QCOMPARE(int(registry.catalogs().size()), catalogCount);
}

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
