#include "ui/CPrintoutSettingsDialog.h"

#include "app/CApplicationContext.h"
#include "metadata/CInspectionStandard.h"
#include "metadata/InspectionStandardLoader.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"
#include "report/layout/CDamageClassList.h"
#include "report/layout/PrintoutLayout.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/IPersistenceFacade.h"

#include "PdfText.h"
#include "ProjectWriter.h"
#include "TestHelpers.h"
#include "ui/ButtonCaptions.h"
#include "ui/SaveFileNames.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <functional>

namespace {
std::unique_ptr<CCorvaneProject> makeProject(const QStringList &names)
{
    auto cProject =
        std::make_unique<CCorvaneProject>(CPropertyList::withIds(10).release(), CPropertyList::withIds(10).release(),
                                          CPropertyList::withIds(10).release());
    cProject->setName(QStringLiteral(" my:report."));
    cProject->setDirectory(QStringLiteral("/tmp/projects/"));
    for (int i = 0; i < names.size(); ++i) {
        auto *cSection = new CInspectionSegment(cProject.get(), new CPropertyList, 10 * (i + 1));
        cSection->setName(names.at(i));
        cProject->addSection(cSection);
    }
    return cProject;
}

QStringList rowTexts(const QListWidget *cList)
{
    QStringList texts;
    for (int i = 0; i < cList->count(); ++i)
        texts << cList->item(i)->text();
    return texts;
}

// Closes the next message box that opens and remembers its text.
class CMessageBoxCloser : public QObject
{
public:
    CMessageBoxCloser()
    {
        connect(&m_timer, &QTimer::timeout, this, [this]() {
            if (auto *cBox = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                m_sText = cBox->text();
                cBox->accept();
                m_timer.stop();
            }
        });
        m_timer.start(20);
    }
    bool done() const { return !m_timer.isActive(); }
    QString text() const { return m_sText; }

private:
    QTimer m_timer;
    QString m_sText;
};
// Answers every message box that opens with the given button (or its
// default), and remembers the texts.
class CMessageBoxAnswerer : public QObject
{
public:
    explicit CMessageBoxAnswerer(QMessageBox::StandardButton eAnswer = QMessageBox::NoButton) : m_eAnswer(eAnswer)
    {
        connect(&m_timer, &QTimer::timeout, this, [this]() {
            auto *cBox = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!cBox)
                return;
            texts << cBox->text();
            if (QAbstractButton *cButton = cBox->button(m_eAnswer))
                cButton->click();
            else
                cBox->accept();
        });
        m_timer.start(20);
    }
    QStringList texts;

private:
    QMessageBox::StandardButton m_eAnswer;
    QTimer m_timer;
};
} // namespace

class TestPrintoutSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void moveRows_data();
    void moveRows();
    void selectAllToggling();
    void damageClassSwitches_data();
    void damageClassSwitches();
    void reopeningResets();
    void uncheckedRowsGiveNoEntries();
    void cancelledSaveDialogChangesNothing();
    void unwritableOutputIsReported();
    void outputInProjectIsRefused_data();
    void outputInProjectIsRefused();
    void showRunsModallyAndCloses();
    void writesDemoReport();
    void printerPathsGiveThePdfsPages_data();
    void printerPathsGiveThePdfsPages();
    void buttonCaptionsFit_data();
    void buttonCaptionsFit();
    void tickingMakesTheRowCurrent_data();
    void tickingMakesTheRowCurrent();
    void saveFileNames_data();
    void saveFileNames();

private:
    QListWidget *list() { return m_cDialog->findChild<QListWidget *>(QStringLiteral("lwSections")); }
    template <typename T>
    T *child(const char *pName)
    {
        return m_cDialog->findChild<T *>(QLatin1String(pName));
    }
    void open(const CCorvaneProject &cProject, const CInspectionStandard &cStandard);

    std::unique_ptr<CInspectionStandard> m_cWithClasses;
    std::unique_ptr<CInspectionStandard> m_cNoClasses;
    PrintoutLayout m_layout;
    CDamageClassList m_damageClasses;
    std::unique_ptr<CPrintoutSettingsDialog> m_cDialog;
};

void TestPrintoutSettingsDialog::initTestCase()
{
    const QString sDir = TestHelpers::fixturesDir() + QStringLiteral("/dialog/");
    m_cWithClasses = loadInspectionStandard(sDir + QStringLiteral("with_classes.std"));
    m_cNoClasses = loadInspectionStandard(sDir + QStringLiteral("no_classes.std"));
    QVERIFY(m_cWithClasses && m_cNoClasses);
    QCOMPARE(m_cWithClasses->damageClassCount(), 2);
    QCOMPARE(m_cNoClasses->damageClassCount(), 0);
    m_cDialog = std::make_unique<CPrintoutSettingsDialog>();
}

void TestPrintoutSettingsDialog::open(const CCorvaneProject &cProject, const CInspectionStandard &cStandard)
{
    m_cDialog->setReportData(cProject, cStandard, m_layout, m_damageClasses, QString(), QString());
    m_cDialog->prepare();
}

void TestPrintoutSettingsDialog::moveRows_data()
{
    QTest::addColumn<QStringList>("sections");
    QTest::addColumn<int>("currentRow");
    QTest::addColumn<bool>("down");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("expectedCurrent");
    const QStringList abc{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    QTest::addRow("single section up") << QStringList{QStringLiteral("A")} << 0 << false
                                       << QStringList{QStringLiteral("A")} << 0;
    QTest::addRow("single section down") << QStringList{QStringLiteral("A")} << 0 << true
                                         << QStringList{QStringLiteral("A")} << 0;
    QTest::addRow("first up goes to the end")
        << abc << 0 << false << QStringList{QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A")} << 2;
    QTest::addRow("last down goes to the top")
        << abc << 2 << true << QStringList{QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B")} << 0;
    QTest::addRow("middle down") << abc << 1 << true
                                 << QStringList{QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("B")} << 2;
    QTest::addRow("middle up") << abc << 1 << false
                               << QStringList{QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C")} << 0;
    QTest::addRow("no current row, down") << abc << -1 << true << abc << -1;
    QTest::addRow("no current row, up") << abc << -1 << false << abc << -1;
}

void TestPrintoutSettingsDialog::moveRows()
{
    QFETCH(QStringList, sections);
    QFETCH(int, currentRow);
    QFETCH(bool, down);
    QFETCH(QStringList, expected);
    QFETCH(int, expectedCurrent);
    const auto cProject = makeProject(sections);
    open(*cProject, *m_cWithClasses);
    list()->setCurrentRow(currentRow);
    QTest::mouseClick(child<QPushButton>(down ? "btnMoveSectionDown" : "btnMoveSectionUp"), Qt::LeftButton);
    QCOMPARE(rowTexts(list()), expected);
    QCOMPARE(list()->currentRow(), expectedCurrent);
    // Each row still knows its section after the move.
    for (int i = 0; i < list()->count(); ++i)
        QCOMPARE(sections.at(list()->item(i)->data(Qt::UserRole).toInt()), list()->item(i)->text());
}

void TestPrintoutSettingsDialog::selectAllToggling()
{
    const auto cProject = makeProject({QStringLiteral("A"), QStringLiteral("B")});
    open(*cProject, *m_cWithClasses);
    auto *cSelectAll = child<QCheckBox>("cbSelectAllSections");
    QVERIFY(cSelectAll->isChecked());
    cSelectAll->click();
    for (int i = 0; i < list()->count(); ++i)
        QCOMPARE(list()->item(i)->checkState(), Qt::Unchecked);
    list()->item(1)->setCheckState(Qt::Checked);
    QVERIFY(!cSelectAll->isChecked());
    QCOMPARE(m_cDialog->currentChoices().sectionKeys, QList<int>{1});
    cSelectAll->click();
    QCOMPARE(m_cDialog->currentChoices().sectionKeys, (QList<int>{0, 1}));
}

void TestPrintoutSettingsDialog::damageClassSwitches_data()
{
    QTest::addColumn<bool>("withClasses");
    QTest::addRow("standard with damage classes") << true;
    QTest::addRow("standard without damage classes") << false;
}

void TestPrintoutSettingsDialog::damageClassSwitches()
{
    QFETCH(bool, withClasses);
    const auto cProject = makeProject({QStringLiteral("A")});
    const CInspectionStandard &cStandard = withClasses ? *m_cWithClasses : *m_cNoClasses;
    open(*cProject, cStandard);
    for (const char *pName : {"cbDamageInfo", "cbLegendOfDamageClasses"}) {
        QCOMPARE(child<QCheckBox>(pName)->isChecked(), withClasses);
        QCOMPARE(child<QCheckBox>(pName)->isVisibleTo(m_cDialog.get()), withClasses);
    }
    const auto cJob =
        buildReportJob(m_cDialog->currentChoices(), cProject.get(), &m_layout, &cStandard, &m_damageClasses);
    QCOMPARE(cJob->bDamageInformation, withClasses);
    QCOMPARE(cJob->bDamageClassLegend, withClasses);
    QVERIFY(cJob->bProjectInformation && cJob->bTableOfContents && cJob->bSectionOverview);
}

void TestPrintoutSettingsDialog::reopeningResets()
{
    const QStringList names{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    const auto cProject = makeProject(names);
    open(*cProject, *m_cWithClasses);
    list()->setCurrentRow(0);
    child<QPushButton>("btnMoveSectionDown")->click();
    list()->item(2)->setCheckState(Qt::Unchecked);
    child<QRadioButton>("rbThreePhotosPerPage")->setChecked(true);
    child<QCheckBox>("cbSectionProtocol")->setChecked(false);
    child<QCheckBox>("cbInclinationGraph")->setChecked(false);

    m_cDialog->prepare();
    QCOMPARE(rowTexts(list()), names);
    for (int i = 0; i < list()->count(); ++i)
        QCOMPARE(list()->item(i)->checkState(), Qt::Checked);
    const ReportChoices cChoices = m_cDialog->currentChoices();
    QCOMPARE(cChoices.iPhotosPerPage, 0);
    QVERIFY(cChoices.bSectionProtocol && cChoices.bInclinationGraph);
    QCOMPARE(cChoices.sectionKeys, (QList<int>{0, 1, 2}));
    QVERIFY(m_cDialog->outputFileName().isEmpty());
}

void TestPrintoutSettingsDialog::uncheckedRowsGiveNoEntries()
{
    const auto cProject = makeProject({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    open(*cProject, *m_cWithClasses);
    list()->setCurrentRow(2);
    child<QPushButton>("btnMoveSectionUp")->click(); // A C B
    list()->item(0)->setCheckState(Qt::Unchecked);
    child<QRadioButton>("rbOnePhotoPerPage")->setChecked(true);
    auto cJob =
        buildReportJob(m_cDialog->currentChoices(), cProject.get(), &m_layout, m_cWithClasses.get(), &m_damageClasses);
    QCOMPARE(cJob->sectionCount(), 2);
    QCOMPARE(cJob->sectionAt(0)->cSection->name(), QStringLiteral("C"));
    QCOMPARE(cJob->sectionAt(1)->cSection->name(), QStringLiteral("B"));
    QCOMPARE(cJob->sectionAt(0)->iPhotosPerPage, 1);

    child<QCheckBox>("cbSelectAllSections")->setChecked(false);
    cJob =
        buildReportJob(m_cDialog->currentChoices(), cProject.get(), &m_layout, m_cWithClasses.get(), &m_damageClasses);
    QCOMPARE(cJob->sectionCount(), 0);
}

void TestPrintoutSettingsDialog::cancelledSaveDialogChangesNothing()
{
    const auto cProject = makeProject({QStringLiteral("A")});
    open(*cProject, *m_cWithClasses);
    QString sProposed;
    QString sFilter;
    m_cDialog->setSaveFileNameProvider([&](QWidget *, const QString &, const QString &sName, const QString &sF) {
        sProposed = sName;
        sFilter = sF;
        return QString();
    });
    child<QPushButton>("btnCreateReport")->click();
    // Beside the project directory, which is only read.
    QCOMPARE(sProposed, QStringLiteral("/tmp/_my_report_.pdf"));
    QCOMPARE(sFilter, QStringLiteral("PDF Documents (*.pdf)"));
    QVERIFY(!m_cDialog->isBusy());
    QVERIFY(m_cDialog->isEnabled());
    QCOMPARE(m_cDialog->windowTitle(), QStringLiteral("Create Report"));
}

void TestPrintoutSettingsDialog::unwritableOutputIsReported()
{
    const auto cProject = makeProject({QStringLiteral("A")});
    open(*cProject, *m_cWithClasses);
    QTemporaryDir dir;
    // A directory standing where the file should go cannot be written.
    const QString sTarget = dir.filePath(QStringLiteral("taken.pdf"));
    QVERIFY(QDir().mkpath(sTarget));
    m_cDialog->setSaveFileNameProvider(
        [&](QWidget *, const QString &, const QString &, const QString &) { return sTarget; });
    CMessageBoxCloser closer;
    QSignalSpy cWritten(m_cDialog.get(), &CPrintoutSettingsDialog::reportWritten);
    child<QPushButton>("btnCreateReport")->click();
    QTRY_VERIFY_WITH_TIMEOUT(closer.done(), 10000);
    QCOMPARE(cWritten.count(), 0);
    const QString sMessage = closer.text();
    QVERIFY2(sMessage.contains(QStringLiteral("taken.pdf")), qPrintable(sMessage));
    QTRY_VERIFY(!m_cDialog->isBusy());
    QVERIFY(m_cDialog->isEnabled());
    QVERIFY(child<QPushButton>("btnCreateReport")->isEnabled());
    QVERIFY(QFileInfo(sTarget).isDir());
}

void TestPrintoutSettingsDialog::outputInProjectIsRefused_data()
{
    QTest::addColumn<QString>("sChosen"); // relative to the project directory's parent
    QTest::newRow("a new file in the project") << "project/report.pdf";
    QTest::newRow("a link to a project file") << "link-to-segments.pdf";
    QTest::newRow("through a link to the project") << "project-link/report.pdf";
}

void TestPrintoutSettingsDialog::outputInProjectIsRefused()
{
    QFETCH(QString, sChosen);
    QTemporaryDir dir;
    const QString sProject = dir.filePath(QStringLiteral("project"));
    QVERIFY(QDir().mkpath(sProject));
    QVERIFY(ProjectWriter::writeFile(sProject + QStringLiteral("/segments.dat"), "[1]\nname=A\n"));
    QVERIFY(
        QFile::link(sProject + QStringLiteral("/segments.dat"), dir.filePath(QStringLiteral("link-to-segments.pdf"))));
    QVERIFY(QFile::link(sProject, dir.filePath(QStringLiteral("project-link"))));
    const auto cProject = makeProject({QStringLiteral("A")});
    cProject->setDirectory(sProject + QLatin1Char('/'));
    open(*cProject, *m_cWithClasses);
    const QString sTarget = dir.filePath(sChosen);
    m_cDialog->setSaveFileNameProvider(
        [&](QWidget *, const QString &, const QString &, const QString &) { return sTarget; });
    CMessageBoxCloser closer;
    QSignalSpy cWritten(m_cDialog.get(), &CPrintoutSettingsDialog::reportWritten);
    child<QPushButton>("btnCreateReport")->click();
    QTRY_VERIFY_WITH_TIMEOUT(closer.done(), 10000);
    QCOMPARE(cWritten.count(), 0);
    QVERIFY2(closer.text().contains(QStringLiteral("project directory")), qPrintable(closer.text()));
    // Nothing was added or changed.
    QCOMPARE(QDir(sProject).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{QStringLiteral("segments.dat")});
    QFile segments(sProject + QStringLiteral("/segments.dat"));
    QVERIFY(segments.open(QIODevice::ReadOnly));
    QCOMPARE(segments.readAll(), QByteArray("[1]\nname=A\n"));
}

void TestPrintoutSettingsDialog::showRunsModallyAndCloses()
{
    QWidget mainWindow;
    IPrintoutSettingsDialog *cFirst = CPrintoutSettingsDialog::instance(&mainWindow);
    QCOMPARE(CPrintoutSettingsDialog::instance(&mainWindow), cFirst);
    CPrintoutSettingsDialog *cDialog = CPrintoutSettingsDialog::existingInstance();
    QCOMPARE(cDialog->parentWidget(), &mainWindow);
    const auto cProject = makeProject({QStringLiteral("A"), QStringLiteral("B")});
    QTimer::singleShot(50, cDialog, [cDialog]() {
        QCOMPARE(cDialog->findChild<QListWidget *>(QStringLiteral("lwSections"))->count(), 2);
        cDialog->findChild<QPushButton *>(QStringLiteral("btnClose"))->click();
    });
    cFirst->showPrintoutSettings(*cProject, *m_cWithClasses, m_layout, m_damageClasses, QString(), QString());
    QCOMPARE(cDialog->result(), int(QDialog::Accepted));
}

void TestPrintoutSettingsDialog::writesDemoReport()
{
    const QString sDemo = TestHelpers::demoProjectDir();
    if (!QFile::exists(sDemo + QStringLiteral("/project.dat")))
        QSKIP("the demo project is not there");
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    CApplicationContext::setInstance(new CApplicationContext(TestHelpers::installDir(), QStringLiteral("en_GB")));
    CProjectRuntimeData *cData = nullptr;
    const int iCode = CApplicationContext::instance()->persistenceFacade()->openProject(sDemo, cData);
    QCOMPARE(iCode, 0);
    QVERIFY(cData && cData->corvaneProject());

    QTemporaryDir out;
    const QString sPdf = out.filePath(QStringLiteral("demo report.pdf"));
    CPrintoutSettingsDialog dialog;
    dialog.setReportData(*cData->corvaneProject(), *cData->inspectionStandard(), *cData->printoutLayout(),
                         *cData->damageClassList(), sDemo + QStringLiteral("/logo.bmp"),
                         sDemo + QStringLiteral("/logo.txt"));
    dialog.prepare();
    // The user puts the last section first and leaves out the second.
    auto *cList = dialog.findChild<QListWidget *>(QStringLiteral("lwSections"));
    const QString sLast = cList->item(cList->count() - 1)->text();
    cList->setCurrentRow(cList->count() - 1);
    dialog.findChild<QPushButton *>(QStringLiteral("btnMoveSectionDown"))->click();
    cList->item(1)->setCheckState(Qt::Unchecked);
    dialog.setSaveFileNameProvider([&](QWidget *, const QString &, const QString &, const QString &) { return sPdf; });
    QSignalSpy cWritten(&dialog, &CPrintoutSettingsDialog::reportWritten);
    dialog.findChild<QPushButton *>(QStringLiteral("btnCreateReport"))->click();
    QVERIFY(!dialog.isBusy());
    QVERIFY(QFileInfo(sPdf).size() > 0);
    QCOMPARE(cWritten.count(), 1);
    QCOMPARE(cWritten.first().first().toString(), sPdf);

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), sPdf, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(60000));
    const QString sText = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY(sText.contains(QStringLiteral("Page 1/")));
    QVERIFY2(sText.contains(sLast), qPrintable(sLast));

    QCOMPARE(CApplicationContext::instance()->persistenceFacade()->closeProject(cData), 0);
    CApplicationContext::destroyInstance();
}

void TestPrintoutSettingsDialog::printerPathsGiveThePdfsPages_data()
{
    QTest::addColumn<QString>("sButton");
    QTest::addRow("Print, to a PDF file") << "btnPrint";
    QTest::addRow("Preview, painted into a PDF file") << "btnPreview";
}

// Printing and previewing paint the pages the PDF has: a printer that
// writes a file gives the same pages, paper and texts as Create Report.
void TestPrintoutSettingsDialog::printerPathsGiveThePdfsPages()
{
    QFETCH(QString, sButton);
    const QString sDemo = TestHelpers::demoProjectDir();
    if (!QFile::exists(sDemo + QStringLiteral("/project.dat")))
        QSKIP("the demo project is not there");
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    CApplicationContext::setInstance(new CApplicationContext(TestHelpers::installDir(), QStringLiteral("en_GB")));
    CProjectRuntimeData *cData = nullptr;
    QCOMPARE(CApplicationContext::instance()->persistenceFacade()->openProject(sDemo, cData), 0);
    QVERIFY(cData && cData->corvaneProject());
    const auto close = qScopeGuard([cData] {
        CApplicationContext::instance()->persistenceFacade()->closeProject(cData);
        CApplicationContext::destroyInstance();
    });

    QTemporaryDir out;
    const QString sDirect = out.filePath(QStringLiteral("direct.pdf"));
    const QString sPrinted = out.filePath(QStringLiteral("printed.pdf"));
    CPrintoutSettingsDialog dialog;
    dialog.setReportData(*cData->corvaneProject(), *cData->inspectionStandard(), *cData->printoutLayout(),
                         *cData->damageClassList(), sDemo + QStringLiteral("/logo.bmp"),
                         sDemo + QStringLiteral("/logo.txt"));
    dialog.prepare();
    dialog.findChild<QRadioButton *>(QStringLiteral("rbThreePhotosPerPage"))->setChecked(true);
    dialog.setSaveFileNameProvider(
        [&](QWidget *, const QString &, const QString &, const QString &) { return sDirect; });
    const auto toFile = [&sPrinted](QPrinter &cPrinter) {
        cPrinter.setOutputFormat(QPrinter::PdfFormat);
        cPrinter.setOutputFileName(sPrinted);
    };
    int iPrintDialogs = 0;
    dialog.setPrintDialogProvider([&](QPrinter &cPrinter, QWidget *) {
        ++iPrintDialogs;
        toFile(cPrinter);
        return true;
    });
    int iPreviews = 0;
    dialog.setPreviewProvider([&](QPrinter &cPrinter, QWidget *, const std::function<void(QPrinter *)> &paint) {
        ++iPreviews;
        toFile(cPrinter);
        paint(&cPrinter);
    });
    dialog.findChild<QPushButton *>(QStringLiteral("btnCreateReport"))->click();
    dialog.findChild<QPushButton *>(sButton)->click();
    QVERIFY(!dialog.isBusy());
    QCOMPARE(iPrintDialogs + iPreviews, 1);

    const int iPages = PdfText::pageCount(sDirect);
    QVERIFY(iPages > 10);
    QCOMPARE(PdfText::pageCount(sPrinted), iPages);
    QCOMPARE(PdfText::infoValue(sPrinted, QStringLiteral("Page size")),
             PdfText::infoValue(sDirect, QStringLiteral("Page size")));
    QCOMPARE(PdfText::infoValue(sPrinted, QStringLiteral("Title")),
             PdfText::infoValue(sDirect, QStringLiteral("Title")));
    const QStringList direct = PdfText::pageTexts(sDirect);
    const QStringList printed = PdfText::pageTexts(sPrinted);
    QCOMPARE(printed.size(), direct.size());
    for (int i = 0; i < direct.size(); ++i)
        QCOMPARE(PdfText::simplified(printed.at(i)), PdfText::simplified(direct.at(i)));
}

void TestPrintoutSettingsDialog::buttonCaptionsFit_data()
{
    QTest::addColumn<QString>("languageFile");
    QTest::addRow("English") << QString();
    QTest::addRow("German") << QStringLiteral("corvane_de.qm");
}

// The form fixes the button widths; every caption must still be readable.
void TestPrintoutSettingsDialog::buttonCaptionsFit()
{
    QFETCH(QString, languageFile);
    QTranslator translator;
    if (!languageFile.isEmpty()) {
        QVERIFY(translator.load(languageFile, TestHelpers::installDir() + QStringLiteral("/LanguageFiles/")));
        QCoreApplication::installTranslator(&translator);
    }
    const CPrintoutSettingsDialog dialog;
    const QList<QPushButton *> buttons = dialog.findChildren<QPushButton *>();
    QVERIFY(buttons.size() >= 4);
    for (const QPushButton *cButton : buttons) {
        const int iTextWidth = QFontMetrics(cButton->font()).horizontalAdvance(cButton->text());
        QVERIFY2(iTextWidth <= captionRoom(cButton), qPrintable(cButton->text()));
    }
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("btnMoveSectionDown"))->font(),
             dialog.findChild<QPushButton *>(QStringLiteral("btnMoveSectionUp"))->font());
    QCoreApplication::removeTranslator(&translator);
}

void TestPrintoutSettingsDialog::tickingMakesTheRowCurrent_data()
{
    QTest::addColumn<bool>("bByMouse");
    QTest::addRow("mouse on the box") << true;
    QTest::addRow("check state changed") << false;
}

// The row whose box was ticked is the one the move buttons act on, and it
// shows highlighted.
void TestPrintoutSettingsDialog::tickingMakesTheRowCurrent()
{
    QFETCH(bool, bByMouse);
    const auto cProject = makeProject({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    open(*cProject, *m_cWithClasses);
    QCOMPARE(list()->currentRow(), -1);
    m_cDialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_cDialog.get()));
    list()->setCurrentRow(0);
    QListWidgetItem *cItem = list()->item(2);
    if (bByMouse) {
        QStyleOptionViewItem cOption;
        cOption.initFrom(list());
        cOption.rect = list()->visualItemRect(cItem);
        cOption.features |= QStyleOptionViewItem::HasCheckIndicator;
        const QRect cBox = list()->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &cOption, list());
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, cBox.center());
    } else {
        cItem->setCheckState(Qt::Unchecked);
    }
    QCOMPARE(cItem->checkState(), Qt::Unchecked);
    QCOMPARE(list()->currentRow(), 2);
    QVERIFY(cItem->isSelected());
    QCOMPARE(list()->selectedItems().size(), 1);
    // Select All neither moves the current row.
    child<QCheckBox>("cbSelectAllSections")->click();
    QCOMPARE(list()->currentRow(), 2);
    child<QPushButton>("btnMoveSectionUp")->click();
    QCOMPARE(rowTexts(list()), QStringList({"A", "C", "B"}));
    m_cDialog->hide();
}

void TestPrintoutSettingsDialog::saveFileNames_data()
{
    QTest::addColumn<QString>("sChosen");
    QTest::addColumn<bool>("bTargetExists");
    QTest::addColumn<int>("iAnswer");
    QTest::addColumn<QString>("sExpected");
    QTest::addColumn<int>("iQuestions");
    QTest::addRow("typed without suffix") << "report" << false << int(QMessageBox::NoButton) << "report.pdf" << 0;
    QTest::addRow("suffix in capitals") << "report.PDF" << false << int(QMessageBox::NoButton) << "report.PDF" << 0;
    QTest::addRow("other suffix") << "report.v2" << false << int(QMessageBox::NoButton) << "report.v2.pdf" << 0;
    QTest::addRow("cancelled") << "" << false << int(QMessageBox::NoButton) << "" << 0;
    // The dialog asked about "report", not about the file that gets replaced.
    QTest::addRow("added suffix hits a file, keep it") << "report" << true << int(QMessageBox::No) << "" << 1;
    QTest::addRow("added suffix hits a file, replace it")
        << "report" << true << int(QMessageBox::Yes) << "report.pdf" << 1;
    QTest::addRow("chosen file exists") << "report.pdf" << true << int(QMessageBox::No) << "report.pdf" << 0;
}

void TestPrintoutSettingsDialog::saveFileNames()
{
    QFETCH(QString, sChosen);
    QFETCH(bool, bTargetExists);
    QFETCH(int, iAnswer);
    QFETCH(QString, sExpected);
    QFETCH(int, iQuestions);
    QTemporaryDir cDir;
    if (bTargetExists) {
        QFile cFile(cDir.filePath(QStringLiteral("report.pdf")));
        QVERIFY(cFile.open(QIODevice::WriteOnly));
    }
    CMessageBoxAnswerer cAnswerer{QMessageBox::StandardButton(iAnswer)};
    const QString sResult =
        completeSaveFileName(nullptr, sChosen.isEmpty() ? QString() : cDir.filePath(sChosen), QStringLiteral(".pdf"));
    QCOMPARE(sResult, sExpected.isEmpty() ? QString() : cDir.filePath(sExpected));
    QCOMPARE(cAnswerer.texts.size(), iQuestions);
}

QTEST_MAIN(TestPrintoutSettingsDialog)
#include "tst_printoutsettingsdialog.moc"
