#include "queries/CSharedTranslations.h"
#include "report/parts/CPrintoutTextTranslator.h"
#include "storage/CIniReader.h"

#include "TestHelpers.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {
struct TsMessage
{
    QString sContext;
    QString sSource;
    QString sComment;
    QString sTranslation;
    QString sType; // "unfinished", "vanished", "obsolete" or empty
};

// Every message of a translation source file, in file order.
QList<TsMessage> readTsFile(const QString &sPath, QString *pError)
{
    QList<TsMessage> messages;
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *pError = QStringLiteral("cannot open ") + sPath;
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString sContext;
    TsMessage current;
    bool bInMessage = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("context")) {
                sContext.clear();
            } else if (name == QLatin1String("name") && !bInMessage) {
                sContext = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                current = TsMessage();
                current.sContext = sContext;
                bInMessage = true;
            } else if (bInMessage && name == QLatin1String("source")) {
                current.sSource = xml.readElementText();
            } else if (bInMessage && name == QLatin1String("comment")) {
                current.sComment = xml.readElementText();
            } else if (bInMessage && name == QLatin1String("translation")) {
                current.sType = xml.attributes().value(QLatin1String("type")).toString();
                current.sTranslation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            messages.append(current);
            bInMessage = false;
        }
    }
    if (xml.hasError())
        *pError = sPath + QStringLiteral(": ") + xml.errorString();
    return messages;
}

// The %1 … %99 placeholders of a text, sorted, so that reordering in a
// translation is allowed but losing or inventing one is not.
QStringList placeholders(const QString &sText)
{
    static const QRegularExpression s_placeholder(QStringLiteral("%(\\d{1,2})"));
    QStringList found;
    auto it = s_placeholder.globalMatch(sText);
    while (it.hasNext())
        found.append(it.next().captured(0));
    found.sort();
    return found;
}

// Number of "&" accelerator marks ("&&" is a literal ampersand).
int acceleratorCount(const QString &sText)
{
    QString sStripped = sText;
    sStripped.replace(QStringLiteral("&&"), QString());
    return int(sStripped.count(QLatin1Char('&')));
}

bool isShortcut(const QString &sText)
{
    static const QRegularExpression s_shortcut(
        QStringLiteral("^((Ctrl|Alt|Shift|Meta)\\+)*(F\\d{1,2}|Del|Ins|Esc|Home|End|[A-Z0-9])$"));
    return s_shortcut.match(sText).hasMatch();
}

QString leadingBlanks(const QString &sText)
{
    int i = 0;
    while (i < sText.size() && sText.at(i).isSpace())
        ++i;
    return sText.left(i);
}

QString trailingBlanks(const QString &sText)
{
    int i = int(sText.size());
    while (i > 0 && sText.at(i - 1).isSpace())
        --i;
    return sText.mid(i);
}

QString tsPath(const QString &sName)
{
    return TestHelpers::sourceDir() + QStringLiteral("/translations/") + sName;
}

QString qmPath(const QString &sName)
{
    return TestHelpers::installDir() + QStringLiteral("/LanguageFiles/") + sName;
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void germanFile_data();
    void germanFile();
    void englishFileHasNothingUnfinished();
    void compiledGerman_data();
    void compiledGerman();
    void sharedTranslationsInGerman();
    void printoutTextsInGerman_data();
    void printoutTextsInGerman();
    void oneGermanTermPerThing_data();
    void oneGermanTermPerThing();
    void everyLocaleHasItsLanguageFile();
    void sourcesUpToDateWithCode();

private:
    QTranslator m_cGerman;
};

void TestTranslations::initTestCase()
{
    QVERIFY2(m_cGerman.load(qmPath(QStringLiteral("corvane_de.qm"))),
             qPrintable(qmPath(QStringLiteral("corvane_de.qm"))));
    QVERIFY(!m_cGerman.isEmpty());
}

void TestTranslations::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&m_cGerman);
    QLocale::setDefault(QLocale::c());
}

// One row per message of the German file: a text that is untranslated, or
// whose translation drops a placeholder, a blank at either end, the colon
// before a value, an accelerator or changes a shortcut, is a visible fault.
void TestTranslations::germanFile_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QString>("type");

    QString sError;
    const QList<TsMessage> messages = readTsFile(tsPath(QStringLiteral("corvane_de.ts")), &sError);
    QVERIFY2(sError.isEmpty(), qPrintable(sError));
    QVERIFY(messages.size() > 100);
    for (const TsMessage &message : messages) {
        const QString sComment = message.sComment.isEmpty() ? QString() : QStringLiteral(" (") + message.sComment + ')';
        QTest::addRow("%s | %s%s", qPrintable(message.sContext), qPrintable(message.sSource), qPrintable(sComment))
            << message.sSource << message.sTranslation << message.sType;
    }
}

void TestTranslations::germanFile()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(QString, type);

    QVERIFY2(type.isEmpty(), qPrintable(QStringLiteral("translation type is ") + type));
    QVERIFY(!translation.trimmed().isEmpty());
    QCOMPARE(placeholders(translation), placeholders(source));
    QCOMPARE(leadingBlanks(translation), leadingBlanks(source));
    QCOMPARE(trailingBlanks(translation), trailingBlanks(source));
    QCOMPARE(source.trimmed().endsWith(QLatin1Char(':')), translation.trimmed().endsWith(QLatin1Char(':')));
    QCOMPARE(source.endsWith(QStringLiteral("...")), translation.endsWith(QStringLiteral("...")));
    QCOMPARE(acceleratorCount(translation), acceleratorCount(source));
    QCOMPARE(translation.count(QLatin1Char('\n')), source.count(QLatin1Char('\n')));
    if (isShortcut(source))
        QCOMPARE(translation, source);
}

void TestTranslations::englishFileHasNothingUnfinished()
{
    QString sError;
    const QList<TsMessage> messages = readTsFile(tsPath(QStringLiteral("corvane_en.ts")), &sError);
    QVERIFY2(sError.isEmpty(), qPrintable(sError));
    for (const TsMessage &message : messages)
        QVERIFY2(message.sType.isEmpty(), qPrintable(message.sContext + QStringLiteral(" | ") + message.sSource));
}

// The compiled file answers under the contexts the forms and classes use.
void TestTranslations::compiledGerman_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("disambiguation");
    QTest::addColumn<QString>("german");

    QTest::addRow("main window menu command") << "MainWindow"
                                              << "Open"
                                              << ""
                                              << "Öffnen";
    QTest::addRow("main window shortcut stays a key") << "MainWindow"
                                                      << "F6"
                                                      << ""
                                                      << "F6";
    QTest::addRow("player button") << "MediaPlayer"
                                   << "Play"
                                   << ""
                                   << "Abspielen";
    QTest::addRow("dialog form button") << "PrintoutSettingsDialog"
                                        << "Create Report"
                                        << ""
                                        << "Bericht erstellen";
    QTest::addRow("dialog form option") << "PrintoutSettingsDialog"
                                        << "3 Per Page"
                                        << ""
                                        << "3 pro Seite";
    QTest::addRow("dialog progress with placeholders") << "CPrintoutSettingsDialog"
                                                       << "Printing page %1 of %2"
                                                       << ""
                                                       << "Drucke Seite %1 von %2";
    QTest::addRow("main window message box") << "CAppMainWindow"
                                             << "Unsupported project"
                                             << ""
                                             << "Nicht unterstütztes Projekt";
    QTest::addRow("property table header") << "CDataCoreObjectDisplayWidget"
                                           << "Property"
                                           << ""
                                           << "Eigenschaft";
    QTest::addRow("disambiguated printout caption") << "CPrintoutTextTranslator"
                                                    << "DC"
                                                    << "abbrev. for Damage Class"
                                                    << "SK";
}

void TestTranslations::compiledGerman()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, disambiguation);
    QFETCH(QString, german);

    const QByteArray disambiguationUtf8 = disambiguation.toUtf8();
    const QString sTranslated = m_cGerman.translate(
        qPrintable(context), qPrintable(source), disambiguation.isEmpty() ? nullptr : disambiguationUtf8.constData());
    QCOMPARE(sTranslated, german);
}

// Through the classes themselves, so a renamed context or a text changed in
// code but not in the language file shows up here.
void TestTranslations::sharedTranslationsInGerman()
{
    QVERIFY(QCoreApplication::installTranslator(&m_cGerman));
    const CSharedTranslations *pShared = CSharedTranslations::instance();
    QCOMPARE(pShared->errorMessage(2), QStringLiteral("Am angegebenen Ort wurde kein Projekt gefunden."));
    QCOMPARE(pShared->errorMessage(12345), QStringLiteral("Ein interner Fehler ist aufgetreten."));
    QCOMPARE(pShared->caption(CSharedTranslations::CaptionCustomer), QStringLiteral("Auftraggeber"));
    QCOMPARE(pShared->caption(CSharedTranslations::CaptionSectionName), QStringLiteral("Haltungsname"));
    // The code text is the same in every language.
    QCOMPARE(pShared->errorCodeText(19), QStringLiteral("Error-Code: 0x000013"));
    // Every caption and every error message has a German text of its own.
    for (int iId = 1; iId <= CSharedTranslations::CaptionLastId; ++iId)
        QVERIFY2(!pShared->caption(iId).isEmpty(), qPrintable(QString::number(iId)));
    QCoreApplication::removeTranslator(&m_cGerman);
    QCOMPARE(pShared->errorMessage(2), QStringLiteral("No project was found at the specified location."));
}

void TestTranslations::printoutTextsInGerman_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("german");

    QTest::addRow("page prefix keeps its blank") << int(CPrintoutTextTranslator::PagePrefix) << "Seite ";
    QTest::addRow("section prefix keeps colon and blank") << int(CPrintoutTextTranslator::SectionPrefix) << "Haltung: ";
    QTest::addRow("title") << int(CPrintoutTextTranslator::SectionProtocol) << "Haltungsprotokoll";
    QTest::addRow("event table caption") << int(CPrintoutTextTranslator::CaptionObservation) << "BEOBACHTUNG";
    QTest::addRow("disambiguated caption") << int(CPrintoutTextTranslator::CaptionDamageClass) << "SK";
    QTest::addRow("word translated, unit appended") << int(CPrintoutTextTranslator::AltitudeAxis) << "Höhe [m]";
    QTest::addRow("position along the pipe") << int(CPrintoutTextTranslator::PositionAxis) << "Station [m]";
    QTest::addRow("percent appended after translation")
        << int(CPrintoutTextTranslator::InclinationMeasured) << "Neigung gemessen [%]: ";
    QTest::addRow("flow direction") << int(CPrintoutTextTranslator::FlowDirection) << "Fließrichtung";
}

void TestTranslations::printoutTextsInGerman()
{
    QFETCH(int, kind);
    QFETCH(QString, german);

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(QCoreApplication::installTranslator(&m_cGerman));
    const QString sText = printoutText(kind);
    QCoreApplication::removeTranslator(&m_cGerman);
    QCOMPARE(sText, german);
    // Without the translator the English source comes back.
    QVERIFY(printoutText(kind) != german);
}

// Where the report names one thing in two places (a protocol caption and
// a photo caption, a part's title and its contents entry), German uses one
// term: equal but for capitals, or the protocol's abbreviation of it
// ("VIDEOPOS." for "Videoposition").
void TestTranslations::oneGermanTermPerThing_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("caption");
    QTest::addRow("code") << int(CPrintoutTextTranslator::CaptionCode) << int(CSharedTranslations::CaptionCode);
    QTest::addRow("observation") << int(CPrintoutTextTranslator::CaptionObservation)
                                 << int(CSharedTranslations::CaptionText);
    QTest::addRow("video position") << int(CPrintoutTextTranslator::CaptionVideoPosition)
                                    << int(CSharedTranslations::CaptionVideoTimeIndex);
    QTest::addRow("section") << int(CPrintoutTextTranslator::ListSection)
                             << int(CSharedTranslations::CaptionUnnamedSection);
}

void TestTranslations::oneGermanTermPerThing()
{
    QFETCH(int, kind);
    QFETCH(int, caption);
    QVERIFY(QCoreApplication::installTranslator(&m_cGerman));
    const QString sPrintout = printoutText(kind).trimmed().toLower();
    const QString sCaption = CSharedTranslations::instance()->caption(caption).toLower();
    QCoreApplication::removeTranslator(&m_cGerman);
    QVERIFY(!sPrintout.isEmpty() && !sCaption.isEmpty());
    const bool bAbbreviation = sPrintout.endsWith(QLatin1Char('.')) && sCaption.startsWith(sPrintout.chopped(1));
    QVERIFY2(sCaption.contains(sPrintout) || bAbbreviation, qPrintable(sPrintout + QStringLiteral(" / ") + sCaption));
}

// Each language of the installation's locale list must have its compiled
// file; a missing one silently leaves the interface untranslated.
void TestTranslations::everyLocaleHasItsLanguageFile()
{
    const QString sLocales = TestHelpers::installDir() + QStringLiteral("/Locales.dat");
    QVERIFY(QFileInfo::exists(sLocales));
    CIniReader locales(sLocales);
    QVERIFY(locales.isReadable());
    locales.beginGroup(QStringLiteral("Locales"));
    const int iCount = locales.beginReadArray(QStringLiteral("Locale"));
    QVERIFY(iCount >= 2);
    for (int i = 0; i < iCount; ++i) {
        locales.setArrayIndex(i);
        const QString sFile = locales.text(QStringLiteral("LanguageFile"));
        QVERIFY2(QFileInfo::exists(qmPath(sFile)), qPrintable(sFile));
        QTranslator translator;
        QVERIFY2(translator.load(qmPath(sFile)), qPrintable(sFile));
    }
    locales.endArray();
}

// A text added or changed in code or forms without updating the language
// files would stay English in the German interface.
void TestTranslations::sourcesUpToDateWithCode()
{
    const QString sScript = TestHelpers::sourceDir() + QStringLiteral("/scripts/update-translations.sh");
    const QString sLupdate = qEnvironmentVariable("LUPDATE", QStringLiteral("/usr/lib/qt6/bin/lupdate"));
    if (!QFileInfo(sLupdate).isExecutable())
        QSKIP("lupdate is not installed");
    QProcess process;
    process.start(QStringLiteral("/bin/sh"), {sScript, QStringLiteral("--check")});
    QVERIFY(process.waitForFinished(120000));
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
             process.readAllStandardError().left(4000).constData());
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
