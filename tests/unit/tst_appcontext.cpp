#include "app/CApplicationContext.h"
#include "app/TranslationFile.h"
#include "metadata/CCatalogRegistry.h"

#include "TestHelpers.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {
void writeFile(const QString &sPath, const QByteArray &data)
{
    QFile file(sPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

QByteArray be32(quint32 uValue)
{
    return QByteArray(1, char(uValue >> 24)) + char(uValue >> 16) + char(uValue >> 8) + char(uValue);
}

QByteArray part(uchar cTag, const QByteArray &data)
{
    return QByteArray(1, char(cTag)) + be32(quint32(data.size())) + data;
}

const QByteArray kQmMagic("\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd", 16);

// en_US and de_DE in this order, as the installation ships them; the German
// record points at the German language file built from translations/.
QByteArray localesFile(const QByteArray &germanFile)
{
    return "[Locales]\n"
           "Locale\\1\\Name=English\nLocale\\1\\LocaleCode=en_US\nLocale\\1\\LanguageFile=missing_en.qm\n"
           "Locale\\2\\Name=Deutsch\nLocale\\2\\LocaleCode=de_DE\nLocale\\2\\LanguageFile="
           + germanFile
           + "\n"
             "Locale\\size=2\n";
}
} // namespace

class TestAppContext : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void languageChoice_data();
    void languageChoice();
    void missingLanguageFileStillInstalls();
    void paths();
    void emptyInstallation();
    void toolkitSpeaksTheProgramsLanguage_data();
    void toolkitSpeaksTheProgramsLanguage();
    void missingToolkitTranslationIsNoError();
    void damagedLanguageFiles_data();
    void damagedLanguageFiles();

private:
    QTemporaryDir m_installDir;
};

void TestAppContext::initTestCase()
{
    QVERIFY(m_installDir.isValid());
    QDir().mkpath(m_installDir.filePath(QStringLiteral("LanguageFiles")));
    const QString sGerman = TestHelpers::installDir() + QStringLiteral("/LanguageFiles/corvane_de.qm");
    QVERIFY2(QFile::copy(sGerman, m_installDir.filePath(QStringLiteral("LanguageFiles/corvane_de.qm"))),
             qPrintable(sGerman));
    writeFile(m_installDir.filePath(QStringLiteral("Locales.dat")), localesFile("corvane_de.qm"));
}

void TestAppContext::damagedLanguageFiles_data()
{
    // A language file of one message: hash table (hash, offset), then the
    // message: source text "a", translation "b" (UTF-16), end.
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("bWellFormed");
    const QByteArray message = QByteArray("\x06") + be32(1) + "a" + "\x03" + be32(2) + QByteArray("\0b", 2) + "\x01";
    const QByteArray hashes = be32(0x1234) + be32(0);
    QTest::addRow("well formed") << kQmMagic + part(0x42, hashes) + part(0x69, message) << true;
    QTest::addRow("the language file the build makes") << [] {
        QFile file(TestHelpers::installDir() + QStringLiteral("/LanguageFiles/corvane_de.qm"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }() << true;
    QTest::addRow("no magic") << QByteArray("not a language file at all") << false;
    QTest::addRow("a part beyond the end")
        << kQmMagic + part(0x42, hashes) + QByteArray("\x69") + be32(1000) + message << false;
    QTest::addRow("translation longer than the file")
        << kQmMagic + part(0x42, hashes)
               + part(0x69, QByteArray("\x06") + be32(1) + "a" + "\x03" + be32(0x7ffffff0) + QByteArray("\0b", 2))
        << false;
    QTest::addRow("length cut off at the end")
        << kQmMagic + part(0x42, hashes) + part(0x69, QByteArray("\x06\0\0")) << false;
    QTest::addRow("hash entry beyond the messages")
        << kQmMagic + part(0x42, be32(1) + be32(4096)) + part(0x69, message) << false;
    QTest::addRow("hash table of odd size") << kQmMagic + part(0x42, hashes + "xyz") + part(0x69, message) << false;
    QTest::addRow("context table of size zero")
        << kQmMagic + part(0x2f, QByteArray("\0\0\0\0", 4)) + part(0x42, hashes) + part(0x69, message) << false;
    QTest::addRow("context chain running off the end")
        << kQmMagic + part(0x2f, QByteArray("\0\x01\0\x01\x09xy", 7)) + part(0x42, hashes) + part(0x69, message)
        << false;
    QTest::addRow("depends on other files")
        << kQmMagic + part(0x96, QByteArray(8, 'x')) + part(0x42, hashes) + part(0x69, message) << false;
}

// A damaged language file had the toolkit read beyond it at every
// translation (the program crashed when the memory after it was not
// there): such a file is not used, as a missing one.
void TestAppContext::damagedLanguageFiles()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, bWellFormed);
    QCOMPARE(isWellFormedTranslation(data), bWellFormed);
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("LanguageFiles")));
    writeFile(dir.filePath(QStringLiteral("LanguageFiles/corvane_de.qm")), data);
    writeFile(dir.filePath(QStringLiteral("Locales.dat")), localesFile("corvane_de.qm"));
    CApplicationContext context(dir.path(), QStringLiteral("de_DE"));
    QVERIFY(context.translator());
    if (!bWellFormed)
        QVERIFY(context.translator()->isEmpty());
    // A look-up goes through the installed translator.
    QCOMPARE(QCoreApplication::translate("a", "a"), QStringLiteral("a"));
}

void TestAppContext::languageChoice_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("languageFile");
    QTest::addRow("exact German") << "de_DE"
                                  << "corvane_de.qm";
    QTest::addRow("Austrian falls back to de_DE") << "de_AT"
                                                  << "corvane_de.qm";
    QTest::addRow("exact English") << "en_US"
                                   << "missing_en.qm";
    QTest::addRow("no match at all") << "ja_JP"
                                     << "";
}

void TestAppContext::languageChoice()
{
    QFETCH(QString, locale);
    QFETCH(QString, languageFile);
    CApplicationContext context(m_installDir.path(), locale);
    QCOMPARE(context.languageFileForLocale(locale), languageFile);
    QCOMPARE(context.translator() != nullptr, !languageFile.isEmpty());
    if (languageFile == QLatin1String("corvane_de.qm"))
        QVERIFY(!context.translator()->isEmpty());
}

void TestAppContext::missingLanguageFileStillInstalls()
{
    auto *cContext = new CApplicationContext(m_installDir.path(), QStringLiteral("en_GB"));
    QVERIFY(cContext->translator());
    QVERIFY(cContext->translator()->isEmpty());
    cContext->removeTranslator();
    QVERIFY(!cContext->translator());
    cContext->removeTranslator(); // a second removal is harmless
    delete cContext;
}

void TestAppContext::paths()
{
    const QString sDir = m_installDir.path() + QLatin1Char('/');
    CApplicationContext context(sDir, QStringLiteral("ja_JP"));
    // A directory that already ends in "/" gets no second one.
    QCOMPARE(context.applicationDirectory(), sDir);
    QCOMPARE(context.localesFilePath(), sDir + QStringLiteral("Locales.dat"));
    QCOMPARE(context.catalogsFilePath(), sDir + QStringLiteral("Catalogs.dat"));
    QCOMPARE(context.languageFilesDirectory(), sDir + QStringLiteral("LanguageFiles/"));
    QCOMPARE(context.printoutLayoutsDirectory(), sDir + QStringLiteral("PrintoutLayouts/"));
    QCOMPARE(context.catalogPrintoutDataDirectory(), sDir + QStringLiteral("CatalogPrintoutData/"));
    QCOMPARE(context.catalogBaseDataDirectory(), sDir + QStringLiteral("CatalogBaseData/"));
    QCOMPARE(CApplicationContext::applicationVersion(), QStringLiteral("2.11.8"));
    QVERIFY(context.persistenceFacade());
    QVERIFY(context.catalogRegistry());
}

void TestAppContext::emptyInstallation()
{
    QTemporaryDir empty;
    CApplicationContext context(empty.path(), QStringLiteral("de_DE"));
    QVERIFY(!context.translator());
    QVERIFY(context.catalogRegistry()->locales().empty());
    QVERIFY(context.catalogRegistry()->catalogs().empty());
}

void TestAppContext::toolkitSpeaksTheProgramsLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("cancel");
    QTest::addRow("German") << "de_DE"
                            << "Abbrechen";
    QTest::addRow("Austrian gets the German record's") << "de_AT"
                                                       << "Abbrechen";
    QTest::addRow("no program language, no toolkit one") << "ja_JP"
                                                         << "Cancel";
}

// The toolkit's own texts (standard buttons, file dialogs) follow the
// language the program chose, and go again with the context.
void TestAppContext::toolkitSpeaksTheProgramsLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, cancel);
    const QString sToolkitFiles = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(sToolkitFiles + QStringLiteral("/qtbase_de.qm")))
        QSKIP("the toolkit's translations (qt6-translations-l10n) are not installed");
    {
        CApplicationContext context(m_installDir.path(), locale);
        QCOMPARE(context.toolkitTranslator() != nullptr, cancel != QLatin1String("Cancel"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    }
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

void TestAppContext::missingToolkitTranslationIsNoError()
{
    QTemporaryDir empty;
    CApplicationContext context(m_installDir.path(), QStringLiteral("en_GB"));
    QVERIFY(!context.installToolkitTranslation(QStringLiteral("de_DE"), empty.path()));
    QVERIFY(!context.toolkitTranslator());
    // The program's own translation is untouched.
    QVERIFY(context.translator());
}

QTEST_GUILESS_MAIN(TestAppContext)
#include "tst_appcontext.moc"
