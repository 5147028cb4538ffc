// The section pages of the demo report, read back from the PDF: protocol
// captions and scale, the empty section, the inclination chart with and
// without the measured curve, photo pages at one and three per page, and
// the page footers.

#include "CliRunner.h"
#include "PdfText.h"
#include "TestHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Runs "corvane-cli report DEMO -o FILE ARGS"; true when the PDF was written.
bool writeDemoReport(const QString &sPdf, const QStringList &args)
{
    const CliRun run = TestHelpers::runCli(QStringList{QStringLiteral("report"), TestHelpers::demoProjectDir(),
                                                       QStringLiteral("-o"), sPdf, QStringLiteral("-q")}
                                               + args,
                                           QStringLiteral("C.UTF-8"), 240000);
    return run.iExitCode == 0 && QFileInfo::exists(sPdf);
}

int countOf(const QString &sText, const QString &sNeedle)
{
    return static_cast<int>(sText.count(sNeedle));
}

// The section number printed below "SECTION NUMBER:" in the page header.
QString sectionOf(const QString &sPage)
{
    const QStringList lines = sPage.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines.at(i).contains(QStringLiteral("SECTION NUMBER:")))
            continue;
        for (int j = i + 1; j < lines.size(); ++j) {
            const QString sLine = lines.at(j).trimmed();
            if (!sLine.isEmpty())
                return sLine.section(QLatin1Char(' '), 0, 0);
        }
    }
    return QString();
}

} // namespace

class TestReportSections : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void protocolPages();
    void footers_data();
    void footers();
    void inclinationChart_data();
    void inclinationChart();
    void photoPages();

private:
    QStringList pagesOf(const QString &sName, const QStringList &args);

    QTemporaryDir m_dir;
    QHash<QString, QStringList> m_reports;
};

void TestReportSections::initTestCase()
{
    if (!QFileInfo::exists(TestHelpers::cliPath()))
        QSKIP("corvane-cli is not built");
    if (!QFileInfo::exists(TestHelpers::demoProjectDir() + QStringLiteral("/project.dat")))
        QSKIP("the demo project is missing");
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
}

QStringList TestReportSections::pagesOf(const QString &sName, const QStringList &args)
{
    if (!m_reports.contains(sName)) {
        const QString sPdf = m_dir.filePath(sName + QStringLiteral(".pdf"));
        m_reports.insert(sName, writeDemoReport(sPdf, args) ? PdfText::pageTexts(sPdf) : QStringList());
    }
    return m_reports.value(sName);
}

void TestReportSections::protocolPages()
{
    const QStringList pages = pagesOf(QStringLiteral("photos3"), {QStringLiteral("--photos"), QStringLiteral("3")});
    QVERIFY(!pages.isEmpty());
    static const QRegularExpression kScale(QStringLiteral("(^|\\s)1\\s*:\\s*(\\d+)\\s+POSITION"));
    int iProtocols = 0;
    bool bNoData = false;
    for (const QString &sPage : pages) {
        if (!sPage.contains(QStringLiteral("OBSERVATION")))
            continue;
        ++iProtocols;
        for (const QString &sCaption :
             {QStringLiteral("POSITION"), QStringLiteral("DC"), QStringLiteral("CODE"), QStringLiteral("VIDEO POS"),
              QStringLiteral("PHOTO"), QStringLiteral("Section Protocol")})
            QVERIFY2(sPage.contains(sCaption), qPrintable(sCaption + QStringLiteral(" missing in\n") + sPage));
        const QRegularExpressionMatch match = kScale.match(sPage);
        QVERIFY2(match.hasMatch(), qPrintable(sPage));
        // The drawing scales are 1 : 10, 25, 50 and then steps of 50.
        const int iScale = match.captured(2).toInt();
        QVERIFY2(iScale == 10 || iScale == 25 || (iScale >= 50 && iScale % 50 == 0),
                 qPrintable(QString::number(iScale)));
        if (sPage.contains(QStringLiteral("No data available"))) {
            bNoData = true;
            QVERIFY2(!sPage.contains(QStringLiteral(" m ")) || !sPage.contains(QStringLiteral("00:00:")),
                     "a section without events shows event rows");
        } else {
            QVERIFY2(sPage.contains(QRegularExpression(QStringLiteral("\\d+\\.\\d\\d m"))), qPrintable(sPage));
        }
    }
    QVERIFY2(iProtocols >= 2, "the demo report has too few section protocols");
    QVERIFY2(bNoData, "no section without events printed \"No data available\"");
}

void TestReportSections::footers_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addRow("no photos") << QStringList{};
    QTest::addRow("one photo per page") << QStringList{QStringLiteral("--photos"), QStringLiteral("1")};
    QTest::addRow("three photos per page") << QStringList{QStringLiteral("--photos"), QStringLiteral("3")};
}

void TestReportSections::footers()
{
    QFETCH(QStringList, args);
    const QString sName = args.isEmpty() ? QStringLiteral("photos0") : QStringLiteral("photos") + args.last();
    const QStringList pages = pagesOf(sName, args);
    QVERIFY(!pages.isEmpty());
    const int n = static_cast<int>(pages.size());
    for (int k = 1; k <= n; ++k) {
        const QString sFooter = QStringLiteral("Page %1/%2").arg(k).arg(n);
        QVERIFY2(pages.at(k - 1).contains(sFooter), qPrintable(sFooter + QStringLiteral(" missing")));
    }
}

void TestReportSections::inclinationChart_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("withCurve");
    QTest::addRow("with the measured inclination") << QStringList{} << true;
    QTest::addRow("altitude profile only") << QStringList{QStringLiteral("--no-inclination-graph")} << false;
}

void TestReportSections::inclinationChart()
{
    QFETCH(QStringList, args);
    QFETCH(bool, withCurve);
    const QStringList pages = pagesOf(withCurve ? QStringLiteral("photos0") : QStringLiteral("nocurve"), args);
    QVERIFY(!pages.isEmpty());
    int iCharts = 0;
    for (const QString &sPage : pages) {
        if (!sPage.contains(QStringLiteral("Inclination measured [%]:")))
            continue;
        ++iCharts;
        QVERIFY(!sPage.contains(QStringLiteral("Section Protocol")));
        for (const QString &sText :
             {QStringLiteral("Position [m]"), QStringLiteral("Altitude [m]"), QStringLiteral("Pipe"),
              QStringLiteral("Inspection Direction"), QStringLiteral("Flow Direction")})
            QVERIFY2(sPage.contains(sText), qPrintable(sText + QStringLiteral(" missing in\n") + sPage));
        QVERIFY2(sPage.contains(QRegularExpression(QStringLiteral("1\\s*:\\s*\\d+"))), qPrintable(sPage));
        QVERIFY2(!sPage.contains(QStringLiteral("nan"), Qt::CaseInsensitive)
                     && !sPage.contains(QStringLiteral("inf"), Qt::CaseInsensitive),
                 qPrintable(sPage));
        QCOMPARE(sPage.contains(QStringLiteral("Inclination [%]")), withCurve);
    }
    QVERIFY2(iCharts >= 1, "the demo report has no inclination chart");
}

void TestReportSections::photoPages()
{
    const QStringList none = pagesOf(QStringLiteral("photos0"), {});
    const QStringList one = pagesOf(QStringLiteral("photos1"), {QStringLiteral("--photos"), QStringLiteral("1")});
    const QStringList three = pagesOf(QStringLiteral("photos3"), {QStringLiteral("--photos"), QStringLiteral("3")});
    QVERIFY(!none.isEmpty() && !one.isEmpty() && !three.isEmpty());
    const QString sCaption = QStringLiteral("Photo File");
    QCOMPARE(countOf(none.join(QLatin1Char('\f')), sCaption), 0);

    int iPhotosOne = 0;
    int iPhotoPagesOne = 0;
    for (const QString &sPage : one) {
        const int iCount = countOf(sPage, sCaption);
        if (iCount > 0) {
            QCOMPARE(iCount, 1);
            ++iPhotoPagesOne;
        }
        iPhotosOne += iCount;
    }
    QVERIFY2(iPhotosOne > 3, "the demo project has too few photos");
    QCOMPARE(static_cast<int>(one.size() - none.size()), iPhotoPagesOne);

    // Three per page: every photo page of a section is full but its last.
    int iPhotosThree = 0;
    int iPhotoPagesThree = 0;
    QList<QPair<QString, int>> runs;
    for (const QString &sPage : three) {
        const int iCount = countOf(sPage, sCaption);
        if (iCount == 0)
            continue;
        QVERIFY(iCount <= 3);
        ++iPhotoPagesThree;
        iPhotosThree += iCount;
        const QString sSection = sectionOf(sPage);
        if (runs.isEmpty() || runs.last().first != sSection)
            runs.append({sSection, 0});
        runs.last().second += 1;
    }
    QCOMPARE(iPhotosThree, iPhotosOne);
    QCOMPARE(static_cast<int>(three.size() - none.size()), iPhotoPagesThree);
    int iIndex = 0;
    for (const auto &run : runs) {
        int iPhotosOfSection = 0;
        QList<int> perPage;
        for (int i = 0; i < run.second; ++i) {
            while (countOf(three.at(iIndex), sCaption) == 0)
                ++iIndex;
            perPage.append(countOf(three.at(iIndex), sCaption));
            iPhotosOfSection += perPage.last();
            ++iIndex;
        }
        for (int i = 0; i + 1 < perPage.size(); ++i)
            QVERIFY2(perPage.at(i) == 3, qPrintable(QStringLiteral("section %1 has a photo page of %2 before its last")
                                                        .arg(run.first)
                                                        .arg(perPage.at(i))));
        QCOMPARE(perPage.size(), (iPhotosOfSection + 2) / 3);
    }
}

QTEST_GUILESS_MAIN(TestReportSections)
#include "tst_report_sections.moc"
