#include "CliRunner.h"
#include "PdfText.h"
#include "ProjectWriter.h"
#include "TestHelpers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

CliRun runCli(const QStringList &args, const QString &sLocale = QStringLiteral("C.UTF-8"))
{
    return TestHelpers::runCli(QStringList{QStringLiteral("report")} + args, sLocale);
}

using TestHelpers::writeFile;

// ---- printout layout files -------------------------------------------------

struct Cell
{
    int iWidth;
    int iId = 0;
    int iLinkType = 0;
    int iFontSize = 20;
};

struct Row
{
    int iHeight;
    QList<Cell> cells;
};

QString tableGroup(const QString &sName, int iWidth, const QList<Row> &rows)
{
    QString s = QStringLiteral("[%1]\nwidth=%2\n").arg(sName).arg(iWidth);
    for (int r = 0; r < rows.size(); ++r) {
        const QString sRow = QStringLiteral("rows\\%1\\").arg(r + 1);
        s += sRow + QStringLiteral("height=%1\n").arg(rows[r].iHeight);
        const QList<Cell> &cells = rows[r].cells;
        for (int c = 0; c < cells.size(); ++c) {
            const QString sCell = sRow + QStringLiteral("cells\\%1\\").arg(c + 1);
            s += sCell + QStringLiteral("width=%1\n").arg(cells[c].iWidth);
            s += sCell + QStringLiteral("id=%1\n").arg(cells[c].iId);
            s += sCell + QStringLiteral("link-type=%1\n").arg(cells[c].iLinkType);
            s += sCell + QStringLiteral("font-size=%1\n").arg(cells[c].iFontSize);
            s += sCell + QStringLiteral("color=0xff4c4c4c\n");
            s += sCell + QStringLiteral("text-alignment=129\n");
            s += sCell + QStringLiteral("borders\\size=0\n");
        }
        s += sRow + QStringLiteral("cells\\size=%1\n").arg(cells.size());
    }
    s += QStringLiteral("rows\\size=%1\n\n").arg(rows.size());
    return s;
}

QList<Row> uniformRows(int iCount, int iHeight, const QList<Cell> &cells)
{
    QList<Row> rows;
    for (int i = 0; i < iCount; ++i)
        rows.append({iHeight, cells});
    return rows;
}

// Sizes of the front-page tables of a generated layout.
struct LayoutSpec
{
    int iHeaderHeight = 3000;
    int iContentsRowHeight = 600;
    int iListRowHeight = 600;
    int iRowCount = 1;  // rows per table (thousands for the stress cases)
    int iCellWidth = 0; // 0: cells share the table width
    int iSectionRowHeight = 600;
};

QString layoutFile(const LayoutSpec &cSpec)
{
    const auto width = [&cSpec](int iShare) { return cSpec.iCellWidth != 0 ? cSpec.iCellWidth : iShare; };
    QString s;
    s += tableGroup("project-page-header", 18000, {{cSpec.iHeaderHeight, {{width(18000), 1000031, 1}}}});
    s += tableGroup(
        "project-info", 18000,
        uniformRows(cSpec.iRowCount, cSpec.iListRowHeight, {{width(6000), 1000031, 3}, {width(12000), 1000031, 1}}));
    s += tableGroup("table-of-contents", 18000,
                    uniformRows(cSpec.iRowCount, cSpec.iContentsRowHeight, {{width(14000)}, {width(4000)}}));
    QList<Cell> listCells;
    for (int i = 0; i < 7; ++i)
        listCells.append(Cell{width(2500)});
    s += tableGroup("section-list", 18000, uniformRows(std::max(3, cSpec.iRowCount), cSpec.iListRowHeight, listCells));
    s += tableGroup("damage-class-legend", 9000,
                    uniformRows(cSpec.iRowCount * 6, cSpec.iListRowHeight, {{width(6000)}, {width(3000)}}));
    s += tableGroup("section-page-header", 18000, {{cSpec.iHeaderHeight, {{width(18000), 1001100, 1}}}});
    s += tableGroup("section-header", 18000,
                    {{cSpec.iSectionRowHeight, {{width(9000), 1001100, 3}, {width(9000), 1001100, 1}}}});
    QList<Cell> eventCells;
    for (int i = 0; i < 6; ++i)
        eventCells.append(Cell{width(2000)});
    s += tableGroup("event", 12000, uniformRows(2, cSpec.iSectionRowHeight, eventCells));
    s += tableGroup("no-events", 12000, {{cSpec.iSectionRowHeight, {{width(12000)}}}});
    s += tableGroup("big-picture", 18000, {{20000, {{width(18000)}}}, {600, {{width(9000)}, {width(9000)}}}});
    s += tableGroup("small-picture", 18000, {{6000, {{width(9000)}, {width(3000)}, {width(3000)}, {width(3000)}}}});
    s += QStringLiteral("[page-footer]\nwidth=18000\nheight=1000\ntext-x=100\ntext-y=300\n\n");
    s += QStringLiteral("[event-pos-indicator]\nwidth1=300\nwidth2=600\nwidth3=900\n\n");
    s += QStringLiteral("[section-graphic]\ncircle-diameter=600\nline-distance=300\nmax-node-text-width=2000\n\n");
    return s;
}

// ---- installation and projects ---------------------------------------------

// An installation directory with one catalog "R2-CAT" using the given
// layout text and the fixture's standard and printout data.
bool writeInstallation(const QString &sDir, const QByteArray &layout)
{
    const QString sFixtures = TestHelpers::fixturesDir() + QStringLiteral("/installation/");
    QFile std(sFixtures + "CatalogBaseData/Fixture.std");
    QFile pod(sFixtures + "CatalogPrintoutData/Fixture.pod");
    QFile locales(sFixtures + "Locales.dat");
    if (!std.open(QIODevice::ReadOnly) || !pod.open(QIODevice::ReadOnly) || !locales.open(QIODevice::ReadOnly))
        return false;
    ProjectWriter::Installation cInstallation;
    cInstallation.sCatalog = QStringLiteral("R2-CAT");
    cInstallation.sOfficialName = QStringLiteral("R2 Coding");
    cInstallation.sFileStem = QStringLiteral("R2");
    cInstallation.locales = locales.readAll();
    cInstallation.standard = std.readAll();
    cInstallation.printoutData = pod.readAll();
    cInstallation.layout = layout;
    return ProjectWriter::writeInstallation(sDir, cInstallation);
}

QString sectionName(int i)
{
    return QStringLiteral("Sec-%1").arg(i, 3, 10, QLatin1Char('0'));
}

// A project of iSections sections with two events each; section names come
// from sectionName unless sLongName is given.
bool writeProject(const QString &sDir, int iSections, bool bExtended = true, const QString &sLongName = QString())
{
    ProjectWriter::ProjectFile cFile;
    cFile.sName = QStringLiteral("Report Test");
    cFile.sCatalog = QStringLiteral("R2-CAT");
    cFile.bExtended = bExtended;
    cFile.sCreated = QStringLiteral("2024-03-01");
    cFile.sLastModified = QStringLiteral("2024-03-02");
    cFile.contractor = {{1, QStringLiteral("Pipe Works"), QString()}};
    QList<ProjectWriter::Section> sections;
    for (int i = 1; i <= iSections; ++i) {
        ProjectWriter::Section cSection;
        cSection.iId = i;
        cSection.sName = sLongName.isEmpty() ? sectionName(i) : sLongName;
        cSection.properties = {{3, QString::number(i), QString()}, {30, QStringLiteral("Ostrel"), QString()}};
        ProjectWriter::Event cStart;
        cStart.iId = 1;
        cStart.sText = QStringLiteral("Start");
        cStart.sAbbreviation = QStringLiteral("BDA");
        ProjectWriter::Event cEnd;
        cEnd.iId = 2;
        cEnd.sText = QStringLiteral("End");
        cEnd.sAbbreviation = QStringLiteral("BDB");
        cEnd.dMeterValue = 25.5;
        cSection.events = {cStart, cEnd};
        sections.append(cSection);
    }
    return ProjectWriter::writeProject(sDir, cFile, sections);
}

QStringList standardFrontOptions()
{
    return {"--no-inclination", "--quiet"};
}

// ---- reading the PDF back ----------------------------------------------------

// "Page k/n" of every page, in page order; "" when a page has none.
QStringList footers(const QStringList &pages)
{
    static const QRegularExpression re(QStringLiteral("Page (\\d+)/(\\d+)"));
    QStringList result;
    for (const QString &sPage : pages) {
        const QRegularExpressionMatch match = re.match(sPage);
        result << (match.hasMatch() ? match.captured(0) : QString());
    }
    return result;
}

// Distinct embedded images (by object id) and the number of pages that
// show one, from `pdfimages -list`.
struct ImageUse
{
    int iDistinct = 0;
    int iPlacements = 0;
};

ImageUse imageUse(const QString &sPdf)
{
    const QStringList lines = PdfText::runTool("pdfimages", {"-list", sPdf}).split('\n', Qt::SkipEmptyParts);
    QSet<QString> objects;
    ImageUse use;
    for (int i = 2; i < lines.size(); ++i) {
        const QStringList fields = lines.at(i).split(' ', Qt::SkipEmptyParts);
        if (fields.size() > 11) {
            objects.insert(fields.at(10));
            ++use.iPlacements;
        }
    }
    use.iDistinct = int(objects.size());
    return use;
}

// Reads the contents pages and checks that every entry names the page that
// carries it: the part's title, or for a section its first protocol page.
struct ContentsCheck
{
    QString sError;
    int iContentsPages = 0;
    int iSectionEntries = 0;
    QStringList titles;
};

ContentsCheck checkContents(const QStringList &pages)
{
    static const QRegularExpression entryRe(QStringLiteral("^\\s*(\\S.*?)\\s+Page (\\d+)\\s*$"),
                                            QRegularExpression::MultilineOption);
    ContentsCheck check;
    const int n = int(pages.size());
    for (const QString &sPage : pages) {
        if (!sPage.contains("Table Of Contents") || sPage.contains("Section Protocol"))
            continue;
        ++check.iContentsPages;
        auto it = entryRe.globalMatch(sPage);
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            const QString sTitle = match.captured(1);
            const int iPage = match.captured(2).toInt();
            check.titles << sTitle;
            if (iPage < 1 || iPage > n) {
                check.sError = QStringLiteral("%1: page %2 of %3").arg(sTitle).arg(iPage).arg(n);
                return check;
            }
            const QString &sTarget = pages.at(iPage - 1);
            bool bOk = true;
            if (sTitle.startsWith("Section: ")) {
                ++check.iSectionEntries;
                const QString sName = sTitle.mid(9);
                bOk = sTarget.contains("Section Protocol") && sTarget.contains(sName)
                      && (iPage == 1 || !pages.at(iPage - 2).contains(sName)
                          || !pages.at(iPage - 2).contains("Section Protocol"));
            } else {
                bOk = sTarget.contains(sTitle);
            }
            if (!bOk) {
                check.sError = QStringLiteral("%1 does not start on page %2").arg(sTitle).arg(iPage);
                return check;
            }
        }
    }
    return check;
}

} // namespace

class TestCliReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exitCodes_data();
    void exitCodes();
    void pageSizeByLocale_data();
    void pageSizeByLocale();
    void contentsMatchesFooters_data();
    void contentsMatchesFooters();
    void partsAndSections_data();
    void partsAndSections();
    void hostileLayouts_data();
    void hostileLayouts();
    void logo_data();
    void logo();
    void longSectionNames();
    void demoProject();

private:
    QTemporaryDir m_dir;
    QString m_sInstall;
};

void TestCliReport::initTestCase()
{
    QVERIFY(QFile::exists(TestHelpers::installDir() + "/corvane-cli"));
    if (PdfText::runTool("pdfinfo", {"-v"}).isNull() && QProcess::execute("pdfinfo", {"-v"}) < 0)
        QSKIP("poppler tools are missing");
    m_sInstall = m_dir.filePath("install");
    QVERIFY(writeInstallation(m_sInstall, layoutFile(LayoutSpec()).toUtf8()));
}

// Arguments -> exit status; nothing claims a report was written on failure.
void TestCliReport::exitCodes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString sProject = "@project";
    QTest::addRow("no arguments") << QStringList{} << 1 << "no project directory";
    QTest::addRow("no output file") << QStringList{sProject} << 1 << "no output file";
    QTest::addRow("bad photo mode") << QStringList{sProject, "-o", "@out", "--photos", "2"} << 1 << "--photos";
    QTest::addRow("unknown option") << QStringList{sProject, "-o", "@out", "--colour"} << 1 << "unknown option";
    QTest::addRow("section id not a number")
        << QStringList{sProject, "-o", "@out", "--sections", "1,x"} << 1 << "not a section id";
    QTest::addRow("unknown section id") << QStringList{sProject, "-o", "@out", "--sections", "2,77"} << 1
                                        << "no section with id 77";
    QTest::addRow("missing project") << QStringList{"@missing", "-o", "@out"} << 2 << "";
    QTest::addRow("project without inspection data")
        << QStringList{"@plain", "-o", "@out"} << 3 << "without inspection data";
    QTest::addRow("directory does not exist") << QStringList{sProject, "-o", "@nodir"} << 4 << "cannot write";
    QTest::addRow("directory in the file's place") << QStringList{sProject, "-o", "@isdir"} << 4 << "cannot write";
    QTest::addRow("file in the directory's place") << QStringList{sProject, "-o", "@underfile"} << 4 << "cannot write";
    if (QFileInfo::exists("/dev/full"))
        QTest::addRow("disk full") << QStringList{sProject, "-o", "/dev/full"} << 4 << "failed; no report was written";
    QTest::addRow("written") << QStringList{sProject, "-o", "@out"} << 0 << "wrote";
}

void TestCliReport::exitCodes()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(writeProject(dir.filePath("project"), 2));
    QVERIFY(writeProject(dir.filePath("plain"), 1, false));
    QVERIFY(QDir().mkpath(dir.filePath("isdir.pdf")));
    QVERIFY(writeFile(dir.filePath("file.txt"), "x"));
    const QMap<QString, QString> places{
        {"@project", dir.filePath("project")},           {"@plain", dir.filePath("plain")},
        {"@missing", dir.filePath("missing")},           {"@out", dir.filePath("out.pdf")},
        {"@nodir", dir.filePath("no/such/dir/out.pdf")}, {"@isdir", dir.filePath("isdir.pdf")},
        {"@underfile", dir.filePath("file.txt/out.pdf")}};
    QStringList resolved;
    for (const QString &sArg : args)
        resolved << places.value(sArg, sArg);
    if (!args.isEmpty())
        resolved << "--install-dir" << m_sInstall;
    const CliRun result = runCli(resolved);
    QCOMPARE(result.iExitCode, exitCode);
    QVERIFY2(QString::fromUtf8(result.err).contains(message), result.err.constData());
    const bool bWritten = exitCode == 0;
    QCOMPARE(QFileInfo(dir.filePath("out.pdf")).isFile(), bWritten);
    QCOMPARE(QString::fromUtf8(result.err).contains("wrote"), bWritten);
    QVERIFY(!QFileInfo::exists(dir.filePath("no")));
    if (bWritten)
        QVERIFY(PdfText::pageCount(dir.filePath("out.pdf")) > 0);
}

void TestCliReport::pageSizeByLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("pageSize");
    QTest::addRow("US") << "en_US.UTF-8"
                        << "612 x 792 pts (letter)";
    QTest::addRow("Germany") << "de_DE.UTF-8"
                             << "595 x 842 pts (A4)";
    QTest::addRow("neutral") << "C.UTF-8"
                             << "595 x 842 pts (A4)";
}

void TestCliReport::pageSizeByLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, pageSize);
    QTemporaryDir dir;
    QVERIFY(writeProject(dir.filePath("p"), 3));
    const QString sPdf = dir.filePath("r.pdf");
    const CliRun result = runCli(
        QStringList{dir.filePath("p"), "-o", sPdf, "--install-dir", m_sInstall} + standardFrontOptions(), locale);
    QCOMPARE(result.iExitCode, 0);
    QCOMPARE(PdfText::infoValue(sPdf, "Page size"), pageSize);
    QCOMPARE(PdfText::infoValue(sPdf, "Title"), QStringLiteral("Report Test"));
    QCOMPARE(PdfText::infoValue(sPdf, "Creator"), QStringLiteral("Pipe Works"));
    QVERIFY(PdfText::fonts(sPdf).contains("LiberationSans"));
    // An archival PDF: PDF/A-1b identification and the title and creator in
    // its metadata, every font embedded.
    const QString sMeta = PdfText::runTool("pdfinfo", {"-meta", sPdf});
    QVERIFY2(sMeta.contains("pdfaid:part=\"1\"") && sMeta.contains("pdfaid:conformance=\"B\""), qPrintable(sMeta));
    QVERIFY2(sMeta.contains("Report Test") && sMeta.contains("Pipe Works"), qPrintable(sMeta));
    const QStringList fontLines = PdfText::fonts(sPdf).split('\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fontLines.isEmpty());
    for (const QString &sLine : fontLines) {
        // name, type, encoding, then emb, sub, uni, object and ID.
        const QStringList fields = sLine.simplified().split(' ');
        QVERIFY2(fields.size() > 5 && fields.at(fields.size() - 5) == "yes", qPrintable(sLine));
    }
}

// Every page carries "Page k/n", and every page number in the contents is
// the footer number of the page it names, also over several contents pages.
void TestCliReport::contentsMatchesFooters_data()
{
    QTest::addColumn<int>("sections");
    QTest::addColumn<int>("contentsRowHeight");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("contentsPages");
    QTest::addRow("one contents page") << 5 << 600 << QStringList{} << 1;
    // (27700 - 3000) / 4900 - 1 = 4 entries per contents page.
    QTest::addRow("contents over three pages") << 8 << 4900 << QStringList{} << 3;
    QTest::addRow("no project information") << 6 << 4900 << QStringList{"--no-project-info"} << 3;
    QTest::addRow("many sections, long overview") << 60 << 600 << QStringList{} << 2;
}

void TestCliReport::contentsMatchesFooters()
{
    QFETCH(int, sections);
    QFETCH(int, contentsRowHeight);
    QFETCH(QStringList, options);
    QFETCH(int, contentsPages);
    QTemporaryDir dir;
    LayoutSpec cSpec;
    cSpec.iContentsRowHeight = contentsRowHeight;
    QVERIFY(writeInstallation(dir.filePath("install"), layoutFile(cSpec).toUtf8()));
    QVERIFY(writeProject(dir.filePath("p"), sections));
    const QString sPdf = dir.filePath("r.pdf");
    const CliRun result = runCli(QStringList{dir.filePath("p"), "-o", sPdf, "--install-dir", dir.filePath("install")}
                                 + standardFrontOptions() + options);
    QCOMPARE(result.iExitCode, 0);
    const QStringList pages = PdfText::pageTexts(sPdf);
    const int n = int(pages.size());
    QCOMPARE(PdfText::pageCount(sPdf), n);
    const QStringList footerTexts = footers(pages);
    for (int k = 1; k <= n; ++k)
        QCOMPARE(footerTexts.at(k - 1), QStringLiteral("Page %1/%2").arg(k).arg(n));

    const ContentsCheck check = checkContents(pages);
    QVERIFY2(check.sError.isEmpty(), qPrintable(check.sError));
    const int iContentsPages = check.iContentsPages;
    const int iSectionEntries = check.iSectionEntries;
    const QStringList titles = check.titles;
    QCOMPARE(iContentsPages, contentsPages);
    QCOMPARE(iSectionEntries, sections);
    QCOMPARE(titles.first(), options.contains("--no-project-info") ? QStringLiteral("Table Of Contents")
                                                                   : QStringLiteral("Project Information"));
}

// Part switches -> page count and the titles that appear.
void TestCliReport::partsAndSections_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    const QStringList front{"--no-protocol", "--no-inclination"};
    QTest::addRow("front parts only") << front << 4
                                      << QStringList{"Project Information", "Table Of Contents", "Section List",
                                                     "Damage Class Legend", "No defect",         "Severe defect"}
                                      << QStringList{"Section Protocol"};
    QTest::addRow("no legend") << front + QStringList{"--no-legend"} << 3 << QStringList{"Section List"}
                               << QStringList{"Damage Class Legend"};
    QTest::addRow("no overview, no contents")
        << front + QStringList{"--no-overview", "--no-contents"} << 2 << QStringList{"Damage Class Legend"}
        << QStringList{"Section List", "Table Of Contents"};
    QTest::addRow("chosen sections in order")
        << QStringList{"--sections", "3,1", "--no-inclination", "--no-legend", "--no-overview"} << 4
        << QStringList{"Section: Sec-003", "Section: Sec-001"} << QStringList{"Sec-002"};
    QTest::addRow("no sections chosen") << QStringList{"--sections", "", "--no-inclination"} << 4
                                        << QStringList{"Section List"} << QStringList{"Section: "};
}

void TestCliReport::partsAndSections()
{
    QFETCH(QStringList, options);
    QFETCH(int, pages);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    QTemporaryDir dir;
    QVERIFY(writeProject(dir.filePath("p"), 3));
    const QString sPdf = dir.filePath("r.pdf");
    const CliRun result =
        runCli(QStringList{dir.filePath("p"), "-o", sPdf, "--install-dir", m_sInstall, "--quiet"} + options);
    QCOMPARE(result.iExitCode, 0);
    QVERIFY(result.err.isEmpty());
    QCOMPARE(PdfText::pageCount(sPdf), pages);
    const QString sText = PdfText::text(sPdf);
    for (const QString &s : present)
        QVERIFY2(sText.contains(s), qPrintable(s));
    for (const QString &s : absent)
        QVERIFY2(!sText.contains(s), qPrintable(s));
    if (options.contains("3,1"))
        QVERIFY(sText.indexOf("Section: Sec-003") < sText.indexOf("Section: Sec-001"));
}

// Damaged layouts still give a PDF, quickly, without a crash.
void TestCliReport::hostileLayouts_data()
{
    QTest::addColumn<QByteArray>("layout");
    QTest::addColumn<int>("sections");
    LayoutSpec zero;
    zero.iHeaderHeight = 0;
    zero.iContentsRowHeight = 0;
    zero.iListRowHeight = 0;
    zero.iSectionRowHeight = 0;
    QTest::addRow("zero sizes") << layoutFile(zero).toUtf8() << 3;
    LayoutSpec negative;
    negative.iHeaderHeight = -4000;
    negative.iContentsRowHeight = -600;
    negative.iListRowHeight = -1;
    QTest::addRow("negative sizes") << layoutFile(negative).toUtf8() << 3;
    LayoutSpec tall;
    tall.iContentsRowHeight = 90000;
    tall.iListRowHeight = 90000;
    QTest::addRow("rows taller than the page") << layoutFile(tall).toUtf8() << 4;
    LayoutSpec wide;
    wide.iCellWidth = 500000;
    QTest::addRow("cells wider than their row") << layoutFile(wide).toUtf8() << 3;
    LayoutSpec many;
    many.iRowCount = 3000;
    many.iContentsRowHeight = 5;
    many.iListRowHeight = 5;
    QTest::addRow("thousands of rows") << layoutFile(many).toUtf8() << 40;
    QTest::addRow("missing groups") << QByteArray() << 3;
    QTest::addRow("garbage") << QByteArray("\x00\xff[[[rows\\size=2000000000\n", 26) << 2;
}

void TestCliReport::hostileLayouts()
{
    QFETCH(QByteArray, layout);
    QFETCH(int, sections);
    QTemporaryDir dir;
    QVERIFY(writeInstallation(dir.filePath("install"), layout));
    QVERIFY(writeProject(dir.filePath("p"), sections));
    const QString sPdf = dir.filePath("r.pdf");
    const CliRun result = runCli({dir.filePath("p"), "-o", sPdf, "--install-dir", dir.filePath("install"), "--quiet"});
    QCOMPARE(result.iExitCode, 0);
    QVERIFY2(result.llMilliseconds < 60000, qPrintable(QString::number(result.llMilliseconds)));
    const int iPages = PdfText::pageCount(sPdf);
    QVERIFY(iPages >= 3);
    const QStringList footerTexts = footers(PdfText::pageTexts(sPdf));
    QCOMPARE(footerTexts.last(), QStringLiteral("Page %1/%1").arg(iPages));
}

// Logo files in the logo directory -> images embedded in the PDF.
void TestCliReport::logo_data()
{
    QTest::addColumn<QString>("image");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("useProjectDir");
    QTest::addColumn<int>("images");
    QTest::addColumn<QString>("textShown");
    QTest::addRow("no logo files") << "" << QByteArray() << false << 0 << "";
    QTest::addRow("bitmap and text") << "bmp" << QByteArray("Ostrel Engineering") << false << 1 << "Ostrel Engineering";
    QTest::addRow("project directory is the default")
        << "bmp" << QByteArray("Default Office") << true << 1 << "Default Office";
    QTest::addRow("logo that is not an image") << "junk" << QByteArray("Office") << false << 0 << "Office";
    QTest::addRow("10 MB logo text") << "" << QByteArray(10 * 1024 * 1024, 'W') << false << 0 << "";
}

void TestCliReport::logo()
{
    QFETCH(QString, image);
    QFETCH(QByteArray, text);
    QFETCH(bool, useProjectDir);
    QFETCH(int, images);
    QFETCH(QString, textShown);
    QTemporaryDir dir;
    QVERIFY(writeProject(dir.filePath("p"), 2));
    const QString sLogoDir = useProjectDir ? dir.filePath("p") : dir.filePath("logo");
    QDir().mkpath(sLogoDir);
    if (image == "bmp") {
        QImage logoImage(300, 100, QImage::Format_RGB32);
        logoImage.fill(QColor(20, 80, 160));
        QVERIFY(logoImage.save(sLogoDir + "/logo.bmp", "BMP"));
    } else if (image == "junk") {
        QVERIFY(writeFile(sLogoDir + "/logo.bmp", "BM this is not a bitmap at all"));
    }
    if (!text.isEmpty())
        QVERIFY(writeFile(sLogoDir + "/logo.txt", text));
    const QString sPdf = dir.filePath("r.pdf");
    QStringList args{dir.filePath("p"), "-o", sPdf, "--install-dir", m_sInstall, "--quiet", "--no-protocol",
                     "--no-inclination"};
    if (!useProjectDir)
        args << "--logo-dir" << sLogoDir;
    const CliRun result = runCli(args);
    QCOMPARE(result.iExitCode, 0);
    QVERIFY2(result.llMilliseconds < 60000, qPrintable(QString::number(result.llMilliseconds)));
    // The logo is embedded once and shown in the header of every page.
    const ImageUse use = imageUse(sPdf);
    QCOMPARE(use.iDistinct, images);
    QCOMPARE(use.iPlacements, images * PdfText::pageCount(sPdf));
    if (!textShown.isEmpty())
        QVERIFY(PdfText::text(sPdf).contains(textShown));
}

// Section names of 5,000 characters in the overview, the contents and the
// section pages.
void TestCliReport::longSectionNames()
{
    QTemporaryDir dir;
    QString sName;
    for (int i = 0; sName.size() < 5000; ++i)
        sName += QStringLiteral("Longname%1 ").arg(i);
    sName.truncate(5000);
    QVERIFY(writeProject(dir.filePath("p"), 3, true, sName));
    const QString sPdf = dir.filePath("r.pdf");
    const CliRun result = runCli({dir.filePath("p"), "-o", sPdf, "--install-dir", m_sInstall, "--quiet"});
    QCOMPARE(result.iExitCode, 0);
    QVERIFY2(result.llMilliseconds < 60000, qPrintable(QString::number(result.llMilliseconds)));
    QVERIFY(PdfText::pageCount(sPdf) >= 4);
    QVERIFY(PdfText::text(sPdf).contains("Longname0"));
}

void TestCliReport::demoProject()
{
    const QString sDemo = TestHelpers::demoProjectDir();
    if (!QFile::exists(sDemo + "/project.dat"))
        QSKIP("the demo project is not there yet");
    QTemporaryDir dir;
    const QString sPdf = dir.filePath("demo.pdf");
    const CliRun result = runCli({sDemo, "-o", sPdf, "--photos", "1"}, "en_GB.UTF-8");
    QVERIFY2(result.iExitCode == 0, result.err.constData());
    QVERIFY(!QFileInfo::exists(sDemo + "/demo.pdf"));
    const QStringList pages = PdfText::pageTexts(sPdf);
    const int n = PdfText::pageCount(sPdf);
    QVERIFY(n >= 5);
    QCOMPARE(int(pages.size()), n);
    QCOMPARE(footers(pages).last(), QStringLiteral("Page %1/%1").arg(n));
    QCOMPARE(PdfText::infoValue(sPdf, "Page size"), QStringLiteral("595 x 842 pts (A4)"));
    QVERIFY(PdfText::fonts(sPdf).contains("LiberationSans"));
    QVERIFY(pages.at(0).contains("Project Information"));
    QVERIFY(pages.at(1).contains("Table Of Contents"));
    const ContentsCheck check = checkContents(pages);
    QVERIFY2(check.sError.isEmpty(), qPrintable(check.sError));
    QCOMPARE(check.iSectionEntries, 7);
    // With the logo the demo ships, the logo is embedded once.
    if (QFile::exists(sDemo + "/logo.bmp"))
        QVERIFY(imageUse(sPdf).iDistinct >= 1);
}

QTEST_GUILESS_MAIN(TestCliReport)
#include "tst_cli_report.moc"
