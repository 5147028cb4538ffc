#include "FakePlaybackControl.h"
#include "TestHelpers.h"
#include "WidgetLookup.h"
#include "app/CApplicationContext.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "storage/CBasePersistenceFacade.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/CurrentProject.h"
#include "storage/IPersistenceFacade.h"
#include "storage/IProjectOpenObserver.h"
#include "storage/StorageErrors.h"
#include "ui/CAppMainWindow.h"
#include "ui/CDataCoreObjectDisplayWidget.h"
#include "ui/CMediaPlayer.h"
#include "ui/CPhotoLabel.h"
#include "ui/CPrintoutSettingsDialog.h"
#include "ui/CProjectTreeModel.h"
#include "ui/CProjectTreeView.h"
#include "ui/CViewerSettings.h"
#include "ui/CommandLine.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <atomic>
#include <functional>
#include <memory>

namespace {

// Closes every message box that becomes modal and remembers what it said.
class BoxCatcher
{
public:
    BoxCatcher()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *cBox = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!cBox)
                return;
            titles << cBox->windowTitle();
            texts << cBox->text();
            icons << cBox->icon();
            buttons << cBox->buttons().size();
            cBox->done(QMessageBox::Ok);
        });
        m_timer.start();
    }
    QStringList titles;
    QStringList texts;
    QList<QMessageBox::Icon> icons;
    QList<int> buttons;

private:
    QTimer m_timer;
};

void writeFile(const QString &sPath, const QByteArray &cContent)
{
    if (!TestHelpers::writeFile(sPath, cContent))
        qFatal("cannot write %s", qPrintable(sPath));
}

void writeImage(const QString &sPath, const QColor &cColour)
{
    QDir().mkpath(QFileInfo(sPath).absolutePath());
    QImage cImage(64, 48, QImage::Format_RGB32);
    cImage.fill(cColour);
    if (!cImage.save(sPath, "PNG"))
        qFatal("cannot write %s", qPrintable(sPath));
}

QByteArray projectFile(bool bExtended)
{
    return QByteArray("[projectfile]\nversion=3\n\n[projectdata]\nname=Window test\n"
                      "inspectionstandard=OSTREL-DEMO\nextendedproject=")
           + (bExtended ? "true" : "false") + "\ncreated=2024-04-15\n";
}

// Passes everything to the real storage layer and notes what the window
// still shows at the moment a project is freed.
class RecordingFacade : public IPersistenceFacade
{
public:
    RecordingFacade(IPersistenceFacade *cInner, std::function<QString()> cProbe)
        : m_cInner(cInner), m_cProbe(std::move(cProbe))
    {
    }
    int openProject(const QString &sDirectory, CProjectRuntimeData *&cRuntimeData) override
    {
        return m_cInner->openProject(sDirectory, cRuntimeData);
    }
    int closeProject(CProjectRuntimeData *cRuntimeData) override
    {
        statesAtClose << m_cProbe();
        return m_cInner->closeProject(cRuntimeData);
    }
    QStringList statesAtClose;

private:
    IPersistenceFacade *m_cInner;
    std::function<QString()> m_cProbe;
};

// Opens through the real storage layer, slowly: it reports files read and
// then waits, while the window must keep answering. It stops when the
// observer cancels (code 100), or after iRounds rounds of 20 ms; with
// bOpenFirst it has opened the project before it waits, so a Cancel comes
// too late for the reading.
class SlowFacade : public IPersistenceFacade
{
public:
    SlowFacade(IPersistenceFacade *cInner, int iRounds, bool bOpenFirst = false)
        : m_cInner(cInner), m_iRounds(iRounds), m_bOpenFirst(bOpenFirst)
    {
    }
    int openProject(const QString &sDirectory, CProjectRuntimeData *&cRuntimeData) override
    {
        return m_cInner->openProject(sDirectory, cRuntimeData);
    }
    int closeProject(CProjectRuntimeData *cRuntimeData) override { return m_cInner->closeProject(cRuntimeData); }
    int openProject(const QString &sDirectory, CProjectRuntimeData *&cRuntimeData,
                    IProjectOpenObserver *cObserver) override
    {
        bOnGuiThread = QThread::currentThread() == qApp->thread();
        cRuntimeData = nullptr;
        int iResult = m_bOpenFirst ? m_cInner->openProject(sDirectory, cRuntimeData) : -1;
        for (int i = 0; i < m_iRounds; ++i) {
            cObserver->filesRead(1 + i * 10 / m_iRounds, 11);
            if (cObserver->isCanceled()) {
                bSawCancel = true;
                return m_bOpenFirst ? iResult : int(StorageError::OpenCanceled);
            }
            QThread::msleep(20);
        }
        return m_bOpenFirst ? iResult : m_cInner->openProject(sDirectory, cRuntimeData, cObserver);
    }
    std::atomic<bool> bOnGuiThread{true};
    std::atomic<bool> bSawCancel{false};

private:
    IPersistenceFacade *m_cInner;
    int m_iRounds;
    bool m_bOpenFirst;
};

// Notes the open's progress dialog while the window waits for the project,
// and what the window did meanwhile; cancels it when asked to.
class ProgressWatcher : public QObject
{
public:
    explicit ProgressWatcher(bool bCancel) : m_bCancel(bCancel)
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { look(); });
        m_timer.start();
    }
    void look()
    {
        ++iTicks; // the GUI thread's loop runs while the project loads
        auto *cDialog = qApp->findChild<QProgressDialog *>(QStringLiteral("dlgOpenProgress"));
        if (!cDialog)
            for (QWidget *cWidget : QApplication::topLevelWidgets())
                if (!cDialog)
                    cDialog = cWidget->findChild<QProgressDialog *>(QStringLiteral("dlgOpenProgress"));
        if (!cDialog || !cDialog->isVisible())
            return;
        bShown = true;
        eModality = cDialog->windowModality();
        sLabel = cDialog->labelText();
        if (!labels.contains(sLabel))
            labels.append(sLabel);
        if (m_bCancel && !bCanceled && cDialog->value() >= 1) {
            bCanceled = true;
            QPushButton *cButton = cDialog->findChild<QPushButton *>();
            if (cButton)
                cButton->click();
        }
    }
    int iTicks = 0;
    bool bShown = false;
    bool bCanceled = false;
    Qt::WindowModality eModality = Qt::NonModal;
    QString sLabel;
    QStringList labels; // every text the dialog showed, in order


private:
    bool m_bCancel;
    QTimer m_timer;
};

// Puts a stand-in facade into the window for one test and takes it out
// again however the test ends, so that no later step reaches a facade that
// is gone.
class FacadeSwap
{
public:
    FacadeSwap(CAppMainWindow *cWindow, IPersistenceFacade *cFacade) : m_cWindow(cWindow)
    {
        m_cWindow->setPersistenceFacade(cFacade);
    }
    ~FacadeSwap()
    {
        m_cWindow->closeCurrentProject();
        m_cWindow->setPersistenceFacade(nullptr);
    }
    FacadeSwap(const FacadeSwap &) = delete;
    FacadeSwap &operator=(const FacadeSwap &) = delete;

private:
    CAppMainWindow *m_cWindow;
};

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_cDir;
    QString m_sProject;      // with inspection data, "/" at the end
    QString m_sPlain;        // without inspection data
    QString m_sNoProject;    // a directory without project.dat
    QString m_sOther;        // a second project with inspection data
    QTemporaryDir m_cConfig; // the user's configuration during the tests
    std::unique_ptr<CAppMainWindow> m_cWindow;
    FakePlaybackControl *m_cFake = nullptr;

    CProjectTreeView *tree() { return child<CProjectTreeView>(*m_cWindow, "tvProject"); }
    CMediaPlayer *player() { return child<CMediaPlayer>(*m_cWindow, "mpVideo"); }
    QLabel *photo(int i) { return child<QLabel>(*m_cWindow, i == 1 ? "lblPhoto1" : "lblPhoto2"); }
    CDataCoreObjectDisplayWidget *table() { return child<CDataCoreObjectDisplayWidget>(*m_cWindow, "twProperties"); }
    QAction *action(const char *pName) { return child<QAction>(*m_cWindow, pName); }

    // The tree's items by their rows: the project, a section, an event.
    QModelIndex projectItem() { return tree()->model()->index(0, 0); }
    QModelIndex sectionItem(int iSection) { return tree()->model()->index(iSection, 0, projectItem()); }
    QModelIndex eventItem(int iSection, int iEvent) { return tree()->model()->index(iEvent, 0, sectionItem(iSection)); }
    int topLevelItemCount() { return tree()->model()->rowCount(); }

    void openTestProject()
    {
        m_cWindow->openProjectAt(m_sProject);
        QVERIFY(currentRuntimeData());
        m_cFake->calls.clear();
    }

    // A window as the entry function makes it, with the fake playback control.
    std::unique_ptr<CAppMainWindow> makeWindow(FakePlaybackControl *&cFake)
    {
        auto cWindow = std::make_unique<CAppMainWindow>();
        auto cControl = std::make_unique<FakePlaybackControl>(child<CMediaPlayer>(*cWindow, "mpVideo"));
        cFake = cControl.get();
        child<CMediaPlayer>(*cWindow, "mpVideo")->setPlaybackControl(std::move(cControl));
        cWindow->showMainWindow();
        cFake->calls.clear();
        return cWindow;
    }

    QString openedDirectory() const
    {
        const CProjectRuntimeData *cData = currentRuntimeData();
        return cData ? cData->corvaneProject()->directory() : QString();
    }

    QString configFile() const
    {
        return m_cConfig.filePath(CViewerSettings::organizationName() + QLatin1Char('/')
                                  + CViewerSettings::applicationName() + QStringLiteral(".conf"));
    }

    bool projectActionsEnabled(bool bEnabled)
    {
        for (const char *pName : {"actionClose", "actionCollapseAll", "actionExpandAll", "actionCreateReport"})
            if (action(pName)->isEnabled() != bEnabled)
                return false;
        return action("actionOpen")->isEnabled() && action("actionQuit")->isEnabled()
               && action("actionInfo")->isEnabled();
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        // Recent projects and window state go to a configuration of the tests' own.
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_cConfig.isValid());
        // Ctrl+Q closes the window; the test run goes on.
        QApplication::setQuitOnLastWindowClosed(false);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_cConfig.path());
        CApplicationContext::setInstance(new CApplicationContext(TestHelpers::installDir(), QStringLiteral("en_GB")));
        QVERIFY(m_cDir.isValid());
        m_sProject = m_cDir.filePath(QStringLiteral("my project")) + QLatin1Char('/');
        writeFile(m_sProject + "project.dat", projectFile(true));
        writeFile(m_sProject + "segments.dat",
                  "[1]\nname=S1 - S2\nvideofile\\1\\name=a.webm\nvideofile\\2\\name=../evil.webm\n"
                  "videofile\\3\\name=b.webm\nvideofile\\size=3\n\n"
                  "[2]\nname=S3 - S4\n\n"
                  "[3]\nname=S5 - S6\nvideofile\\1\\name=..\nvideofile\\size=1\n");
        writeFile(m_sProject + "1.evtdat",
                  "[1]\ntext=Both photos|detail\nmetervalue=1\nimagefile=p1.png\nimagefile2=p2.png\n"
                  "videofile=b.webm\nvideo-hour=1\nvideo-minute=2\nvideo-second=5\n\n"
                  "[2]\ntext=Only first\nmetervalue=2\nimagefile=p1.png\n\n"
                  "[3]\ntext=No photos\nmetervalue=3\n\n"
                  "[4]\ntext=Missing and no image\nmetervalue=4\nimagefile=missing.png\nimagefile2=notimage.png\n\n"
                  "[5]\ntext=Outside\nmetervalue=5\nimagefile=../outside.png\nimagefile2=..\nvideofile=../evil.webm\n"
                  "\n[6]\ntext=Only second\nmetervalue=6\nimagefile2=p2.png\n");
        writeImage(m_sProject + "Photos/p1.png", Qt::red);
        writeImage(m_sProject + "Photos/p2.png", Qt::blue);
        writeFile(m_sProject + "Photos/notimage.png", "this is no picture");
        writeImage(m_cDir.filePath(QStringLiteral("outside.png")), Qt::green);

        m_sPlain = m_cDir.filePath(QStringLiteral("plain")) + QLatin1Char('/');
        writeFile(m_sPlain + "project.dat", projectFile(false));
        m_sNoProject = m_cDir.filePath(QStringLiteral("empty")) + QLatin1Char('/');
        QDir().mkpath(m_sNoProject);
        m_sOther = m_cDir.filePath(QStringLiteral("other & more")) + QLatin1Char('/');
        writeFile(m_sOther + "project.dat", projectFile(true).replace("Window test", "Other & more"));
        writeFile(m_sOther + "segments.dat", "[1]\nname=X1 - X2\n");
    }

    void init()
    {
        QFile::remove(configFile());
        m_cWindow = makeWindow(m_cFake);
    }

    void cleanup()
    {
        m_cWindow->closeCurrentProject();
        m_cWindow.reset();
        QCOMPARE(currentRuntimeData(), nullptr);
    }

    void cleanupTestCase() { CApplicationContext::destroyInstance(); }

    void formWidgets_data()
    {
        QTest::addColumn<QString>("sName");
        QTest::addColumn<QString>("sClass");
        QTest::addColumn<QString>("sParent");
        QTest::addRow("central") << "centralWidget"
                                 << "QWidget"
                                 << "MainWindow";
        QTest::addRow("outer splitter") << "spHorizontal"
                                        << "QSplitter"
                                        << "centralWidget";
        QTest::addRow("tree") << "tvProject"
                              << "CProjectTreeView"
                              << "spHorizontal";
        QTest::addRow("inner splitter") << "spVertical"
                                        << "QSplitter"
                                        << "spHorizontal";
        QTest::addRow("tabs") << "tabWidget"
                              << "QTabWidget"
                              << "spVertical";
        QTest::addRow("player") << "mpVideo"
                                << "CMediaPlayer"
                                << "tabVideo";
        QTest::addRow("photo 1") << "lblPhoto1"
                                 << "CPhotoLabel"
                                 << "tabPhoto1";
        QTest::addRow("photo 2") << "lblPhoto2"
                                 << "CPhotoLabel"
                                 << "tabPhoto2";
        QTest::addRow("properties") << "twProperties"
                                    << "CDataCoreObjectDisplayWidget"
                                    << "spVertical";
        QTest::addRow("menu bar") << "MainMenu"
                                  << "QMenuBar"
                                  << "MainWindow";
    }

    void formWidgets()
    {
        QFETCH(QString, sName);
        QFETCH(QString, sClass);
        QFETCH(QString, sParent);
        QCOMPARE(m_cWindow->objectName(), QStringLiteral("MainWindow"));
        auto *cWidget = m_cWindow->findChild<QWidget *>(sName);
        QVERIFY(cWidget);
        QCOMPARE(QString::fromLatin1(cWidget->metaObject()->className()), sClass);
        QCOMPARE(cWidget->parentWidget()->objectName(), sParent);
    }

    void formSettings()
    {
        auto *cTabs = child<QTabWidget>(*m_cWindow, "tabWidget");
        QCOMPARE(cTabs->count(), 3);
        QCOMPARE(cTabs->tabText(0), QStringLiteral("Video"));
        QCOMPARE(cTabs->tabText(1), QStringLiteral("Photo 1"));
        QCOMPARE(cTabs->tabText(2), QStringLiteral("Photo 2"));
        QCOMPARE(cTabs->widget(0)->objectName(), QStringLiteral("tabVideo"));
        QCOMPARE(cTabs->currentIndex(), 0);
        QCOMPARE(cTabs->minimumSize(), QSize(0, 400));
        QVERIFY(tree()->isHeaderHidden());
        QCOMPARE(tree()->model()->columnCount(), 1);
        QCOMPARE(tree()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("1"));
        QCOMPARE(table()->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(table()->selectionBehavior(), QAbstractItemView::SelectRows);
        for (int i = 1; i <= 2; ++i) {
            QCOMPARE(photo(i)->frameShape(), QFrame::Box);
            QCOMPARE(photo(i)->frameShadow(), QFrame::Raised);
        }
        QCOMPARE(child<QSplitter>(*m_cWindow, "spHorizontal")->orientation(), Qt::Horizontal);
        QCOMPARE(child<QSplitter>(*m_cWindow, "spVertical")->orientation(), Qt::Vertical);
        QCOMPARE(m_cWindow->windowTitle(), QStringLiteral("Ostrel Corvane Viewer"));
    }

    void menus_data()
    {
        QTest::addColumn<QString>("sMenu");
        QTest::addColumn<QString>("sMenuTitle");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("shortcuts");
        QTest::addRow("program") << "menuProgram"
                                 << "Program" << QStringList({"actionQuit"}) << QStringList({"Quit"})
                                 << QStringList({"Ctrl+Q"});
        QTest::addRow("project") << "menuProject"
                                 << "Project"
                                 << QStringList({"actionOpen", "", "actionClose", "", "actionCreateReport"})
                                 << QStringList({"Open", "Open Recent", "Close", "", "Create Report"})
                                 << QStringList({"F5", "", "Ctrl+W", "", "F6"});
        QTest::addRow("view") << "menuView"
                              << "View" << QStringList({"actionExpandAll", "actionCollapseAll"})
                              << QStringList({"Expand All", "Collapse All"}) << QStringList({"", ""});
        QTest::addRow("video")
            << "menuVideo"
            << "Video"
            << QStringList({"actionPlayPause", "actionSeekBackward", "actionSeekForward", "", "actionSaveFrame"})
            << QStringList({"Play/Pause", "Back 5 Seconds", "Forward 5 Seconds", "", "Save Frame..."})
            << QStringList({"Space", "Ctrl+Left", "Ctrl+Right", "", ""});
        QTest::addRow("help") << "menuHelp"
                              << "Help" << QStringList({"actionInfo"}) << QStringList({"Info"}) << QStringList({""});
    }

    void menus()
    {
        QFETCH(QString, sMenu);
        QFETCH(QString, sMenuTitle);
        QFETCH(QStringList, actions);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, shortcuts);
        auto *cMenu = m_cWindow->findChild<QMenu *>(sMenu);
        QVERIFY(cMenu);
        QCOMPARE(cMenu->title(), sMenuTitle);
        const QList<QAction *> cActions = cMenu->actions();
        QCOMPARE(cActions.size(), actions.size());
        for (int i = 0; i < cActions.size(); ++i) {
            QCOMPARE(cActions.at(i)->objectName(), actions.at(i));
            QCOMPARE(cActions.at(i)->isSeparator(), captions.at(i).isEmpty());
            QCOMPARE(cActions.at(i)->text(), captions.at(i));
            QCOMPARE(cActions.at(i)->shortcut().toString(), shortcuts.at(i));
        }
        const QStringList cOrder({"menuProgram", "menuProject", "menuView", "menuVideo", "menuHelp"});
        const QList<QAction *> cBar = child<QMenuBar>(*m_cWindow, "MainMenu")->actions();
        QCOMPARE(cBar.size(), 5);
        QCOMPARE(cBar.at(cOrder.indexOf(sMenu))->menu(), cMenu);
    }

    void startsWithoutProject()
    {
        QVERIFY(m_cWindow->isVisible());
        QVERIFY(projectActionsEnabled(false));
        QCOMPARE(topLevelItemCount(), 0);
        QVERIFY(!player()->isEnabled());
        QCOMPARE(currentRuntimeData(), nullptr);
    }

    void commandLineText_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("sText");
        QTest::addRow("no arguments") << QStringList({"corvane-viewer"}) << "";
        QTest::addRow("one argument") << QStringList({"/usr/bin/corvane-viewer", "/start_path=/data/proj"})
                                      << "/start_path=/data/proj";
        QTest::addRow("blank inside one argument")
            << QStringList({"v", "/start_path=/data/my proj"}) << "/start_path=/data/my proj";
        QTest::addRow("unquoted blank splits arguments")
            << QStringList({"v", "/start_path=/data/my", "proj"}) << "/start_path=/data/my proj";
    }

    void commandLineText()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, sText);
        QCOMPARE(::commandLineText(arguments), sText);
    }

    void startPath_data()
    {
        QTest::addColumn<QString>("sCommandLine");
        QTest::addColumn<QString>("sExpected");
        const QString sDir = m_sProject.chopped(1);
        QString sBackslashed = sDir;
        sBackslashed.replace(QLatin1Char('/'), QLatin1Char('\\'));
        QTest::addRow("plain") << "/start_path=" + sDir << m_sProject;
        QTest::addRow("trailing slash") << "/start_path=" + m_sProject << m_sProject;
        QTest::addRow("quoted path") << "/start_path=\"" + sDir + "\"" << m_sProject;
        QTest::addRow("quoted line") << "\"/start_path=" + sDir + "\"" << m_sProject;
        QTest::addRow("backslashes") << "/start_path=" + sBackslashed << m_sProject;
        QTest::addRow("program path first") << "/usr/bin/corvane-viewer /start_path=" + sDir << "";
        QTest::addRow("wrong case") << "/Start_Path=" + sDir << "";
        QTest::addRow("missing directory") << "/start_path=" + sDir + "-gone"
                                           << "";
        QTest::addRow("a file") << "/start_path=" + m_sProject + "project.dat"
                                << "";
        QTest::addRow("nothing after the option") << "/start_path="
                                                  << "";
        QTest::addRow("relative") << "/start_path=my project" << m_sProject;
        QTest::addRow("relative with dots") << "/start_path=./plain/../my project" << m_sProject;
        QTest::addRow("plain directory") << sDir << m_sProject;
        QTest::addRow("plain relative directory") << "my project" << m_sProject;
        QTest::addRow("plain file in it") << m_sProject + "segments.dat" << m_sProject;
        QTest::addRow("plain photo in its Photos") << m_sProject + "Photos/p1.png" << m_sProject;
        QTest::addRow("plain Photos directory") << m_sProject + "Photos" << m_sProject;
        QTest::addRow("plain quoted") << "\"" + sDir + "\"" << m_sProject;
        QTest::addRow("file URL") << QUrl::fromLocalFile(m_sProject + "segments.dat").toString() << m_sProject;
        QTest::addRow("plain directory without project file") << m_sNoProject << m_sNoProject;
        QTest::addRow("plain missing") << sDir + "-gone"
                                       << "";
    }

    void startPath()
    {
        QFETCH(QString, sCommandLine);
        QFETCH(QString, sExpected);
        const QString sOld = QDir::currentPath();
        QDir::setCurrent(m_cDir.path());
        const QString sResult = startPathFromCommandLine(sCommandLine);
        QDir::setCurrent(sOld);
        QCOMPARE(sResult, sExpected);
    }

    void commandLineOpens_data()
    {
        QTest::addColumn<QString>("sCommandLine");
        QTest::addColumn<QString>("sStartPath");
        QTest::addColumn<bool>("bOpened");
        QTest::addRow("project") << "/start_path=" + m_sProject << m_sProject << true;
        QTest::addRow("plain argument") << m_sProject.chopped(1) << m_sProject << true;
        QTest::addRow("plain file argument") << m_sProject + "1.evtdat" << m_sProject << true;
        QTest::addRow("directory without project file") << "/start_path=" + m_sNoProject << m_sNoProject << false;
        QTest::addRow("file") << "/start_path=" + m_sProject + "segments.dat"
                              << "" << false;
        QTest::addRow("missing") << "/start_path=/nonexistent/x"
                                 << "" << false;
    }

    void commandLineOpens()
    {
        QFETCH(QString, sCommandLine);
        QFETCH(QString, sStartPath);
        QFETCH(bool, bOpened);
        BoxCatcher cBoxes;
        m_cWindow->handleCommandLine(sCommandLine);
        QCOMPARE(m_cWindow->startPath(), sStartPath);
        QCOMPARE(currentRuntimeData() != nullptr, bOpened);
        QCOMPARE(topLevelItemCount(), bOpened ? 1 : 0);
        QVERIFY(projectActionsEnabled(bOpened));
        QTest::qWait(60);
        QCOMPARE(cBoxes.titles, QStringList());
    }

    void openShowsProject()
    {
        openTestProject();
        QVERIFY(projectActionsEnabled(true));
        QCOMPARE(projectItem().data().toString(), QStringLiteral("Window test"));
        QCOMPARE(tree()->model()->rowCount(projectItem()), 3);
        // The standard's delimiter shortens the event texts.
        QCOMPARE(eventItem(0, 0).data().toString(), QStringLiteral("1.00 m Both photos"));
        QCOMPARE(table()->rowCount(), 0);
        // Names that would leave the video directory are not played.
        QCOMPARE(player()->playlist(), QStringList({m_sProject + "Videos/a.webm", m_sProject + "Videos/b.webm"}));
        QCOMPARE(m_cFake->calls, QStringList());
    }

    void openFailures_data()
    {
        QTest::addColumn<QString>("sDirectory");
        QTest::addColumn<QString>("sTitle");
        QTest::addColumn<QString>("sText");
        QTest::addColumn<int>("iIcon");
        QTest::addRow("no project file") << m_sNoProject << "Error"
                                         << "Error-Code: 0x000008" << int(QMessageBox::Warning);
        QTest::addRow("missing directory") << m_sNoProject + "gone/"
                                           << "Error"
                                           << "Error-Code: 0x00000" << int(QMessageBox::Warning);
        QTest::addRow("without inspection data")
            << m_sPlain << "Unsupported project"
            << "The specified project is a project without inspection data, thus it cannot be opened with this Viewer."
            << int(QMessageBox::Information);
    }

    void openFailures()
    {
        QFETCH(QString, sDirectory);
        QFETCH(QString, sTitle);
        QFETCH(QString, sText);
        QFETCH(int, iIcon);
        openTestProject();
        BoxCatcher cBoxes;
        m_cWindow->openProjectAt(sDirectory);
        QCOMPARE(cBoxes.titles, QStringList({sTitle}));
        QVERIFY2(cBoxes.texts.first().contains(sText), qPrintable(cBoxes.texts.first()));
        QCOMPARE(int(cBoxes.icons.first()), iIcon);
        QCOMPARE(cBoxes.buttons.first(), 1);
        if (sTitle == QLatin1String("Error"))
            QVERIFY(cBoxes.texts.first().contains(QStringLiteral("\n\nError-Code: 0x")));
        // The project that was open is closed; none stays open.
        QCOMPARE(currentRuntimeData(), nullptr);
        QVERIFY(projectActionsEnabled(false));
        QCOMPARE(topLevelItemCount(), 0);
        // The same directory can be opened again afterwards.
        m_cWindow->openProjectAt(m_sProject);
        QVERIFY(currentRuntimeData());
    }

    void slowOpenShowsProgress_data()
    {
        QTest::addColumn<bool>("bCancel");
        QTest::addColumn<bool>("bOpenFirst");
        QTest::addColumn<bool>("bOpened");
        QTest::addRow("runs to the end") << false << false << true;
        QTest::addRow("Cancel stops the reading") << true << false << false;
        QTest::addRow("Cancel after the reading still wins") << true << true << false;
    }

    // A long open reads on another thread with a progress dialog; Cancel
    // leaves the window without a project, as after Close.
    void slowOpenShowsProgress()
    {
        QFETCH(bool, bCancel);
        QFETCH(bool, bOpenFirst);
        QFETCH(bool, bOpened);
        auto *cInner = static_cast<CBasePersistenceFacade *>(CApplicationContext::instance()->persistenceFacade());
        SlowFacade cFacade(cInner, 60, bOpenFirst);
        const FacadeSwap cSwap(m_cWindow.get(), &cFacade);
        openTestProject(); // the project open before: it goes first
        m_cFake->calls.clear();
        BoxCatcher cBoxes;
        ProgressWatcher cWatcher(bCancel);
        m_cWindow->openProjectAt(m_sOther);
        QVERIFY(!cFacade.bOnGuiThread);
        QVERIFY(cWatcher.bShown);
        QVERIFY(cWatcher.iTicks > 5);
        QCOMPARE(int(cWatcher.eModality), int(Qt::WindowModal));
        // The stand-in's counts; a slow machine may also show the real
        // open's counts that follow them.
        QVERIFY2(!cWatcher.labels.filter(QStringLiteral("of 11 files read")).isEmpty(),
                 qPrintable(cWatcher.labels.join(QLatin1Char('|'))));
        QCOMPARE(cFacade.bSawCancel.load(), bCancel);
        QCOMPARE(cBoxes.titles, QStringList());
        QCOMPARE(currentRuntimeData() != nullptr, bOpened);
        QCOMPARE(cInner->openProjectCount(), bOpened ? 1 : 0);
        QCOMPARE(topLevelItemCount(), bOpened ? 1 : 0);
        QVERIFY(projectActionsEnabled(bOpened));
        QCOMPARE(openedDirectory(), bOpened ? m_sOther : QString());
        QVERIFY(!m_cWindow->isOpening());
        QVERIFY(action("actionOpen")->isEnabled());
        // Nothing of the dialog is left.
        QVERIFY(!m_cWindow->findChild<QProgressDialog *>());
    }

    void quickOpenShowsNoProgress()
    {
        ProgressWatcher cWatcher(false);
        openTestProject();
        QVERIFY(!cWatcher.bShown);
        QVERIFY(!m_cWindow->findChild<QProgressDialog *>());
    }

    // While one open runs, a second one (a drop, a recent project, the
    // Open command) is ignored, and quitting cancels the running one.
    void openWhileOpening()
    {
        auto *cInner = static_cast<CBasePersistenceFacade *>(CApplicationContext::instance()->persistenceFacade());
        SlowFacade cFacade(cInner, 1000);
        const FacadeSwap cSwap(m_cWindow.get(), &cFacade);
        bool bTried = false;
        QTimer::singleShot(100, this, [&] {
            bTried = true;
            QVERIFY(m_cWindow->isOpening());
            QVERIFY(!action("actionOpen")->isEnabled());
            m_cWindow->openProjectAt(m_sProject); // returns at once
            QVERIFY(m_cWindow->isOpening());
            m_cWindow->close();
        });
        m_cWindow->openProjectAt(m_sOther);
        QVERIFY(bTried);
        QVERIFY(cFacade.bSawCancel);
        QCOMPARE(currentRuntimeData(), nullptr);
        QCOMPARE(cInner->openProjectCount(), 0);
    }

    // An observation text of megabytes on one line once froze the viewer for
    // half a minute when its section was expanded; the tree and the table
    // show it cut, at once.
    void hugeObservationText()
    {
        const QString sDirectory = m_cDir.filePath(QStringLiteral("huge")) + QLatin1Char('/');
        writeFile(sDirectory + "project.dat", projectFile(true));
        writeFile(sDirectory + "segments.dat", "[1]\nname=S1 - S2\n");
        QByteArray huge = "[1]\nmetervalue=2\ntext=Start";
        huge.append(16 * 1024 * 1024, 'x');
        huge.append("|behind the delimiter\n");
        writeFile(sDirectory + "1.evtdat", huge);
        m_cWindow->openProjectAt(sDirectory);
        QVERIFY(currentRuntimeData());
        QVERIFY(QTest::qWaitForWindowExposed(m_cWindow.get()));
        tree()->expand(sectionItem(0));
        tree()->setCurrentIndex(eventItem(0, 0));
        QVERIFY(!m_cWindow->grab().isNull()); // painted with the text on show
        const QString sItem = eventItem(0, 0).data().toString();
        QVERIFY(sItem.startsWith(QStringLiteral("2.00 m Startxxx")));
        QCOMPARE(sItem.size(), qsizetype(7 + CProjectTreeModel::kMaxItemText + 1));
        QVERIFY(table()->rowCount() > 0);
        QCOMPARE(table()->item(0, 1)->text().size(), CDataCoreObjectDisplayWidget::kMaxCellText + 1);
        m_cWindow->closeCurrentProject();
    }

    void eventPhotos_data()
    {
        QTest::addColumn<int>("iEvent");
        QTest::addColumn<QRgb>("photo1");
        QTest::addColumn<QRgb>("photo2");
        const QRgb red = QColor(Qt::red).rgb();
        const QRgb blue = QColor(Qt::blue).rgb();
        QTest::addRow("both photos") << 0 << red << blue;
        QTest::addRow("only the first") << 1 << red << QRgb(0);
        QTest::addRow("no photos") << 2 << QRgb(0) << QRgb(0);
        QTest::addRow("missing file and no image") << 3 << QRgb(0) << QRgb(0);
        QTest::addRow("names leaving the directory") << 4 << QRgb(0) << QRgb(0);
        QTest::addRow("only the second") << 5 << QRgb(0) << blue;
    }

    void eventPhotos()
    {
        QFETCH(int, iEvent);
        QFETCH(QRgb, photo1);
        QFETCH(QRgb, photo2);
        openTestProject();
        BoxCatcher cBoxes;
        // Photos of an earlier selection must not linger.
        tree()->setCurrentIndex(eventItem(0, 0));
        tree()->setCurrentIndex(eventItem(0, iEvent));
        const QRgb aExpected[] = {photo1, photo2};
        for (int i = 1; i <= 2; ++i) {
            const QPixmap cPixmap = photo(i)->pixmap();
            if (aExpected[i - 1] == 0) {
                QVERIFY2(cPixmap.isNull(), qPrintable(QString::number(i)));
            } else {
                QVERIFY(!cPixmap.isNull());
                QCOMPARE(cPixmap.toImage().pixel(5, 5), aExpected[i - 1]);
            }
        }
        QCOMPARE(table()->object(), tree()->currentIndex().data(Qt::UserRole + 1).value<void *>());
        QTest::qWait(60);
        QCOMPARE(cBoxes.titles, QStringList());
    }

    void eventVideo_data()
    {
        QTest::addColumn<int>("iTab");
        QTest::addColumn<bool>("bPaused");
        QTest::addRow("video tab plays") << 0 << false;
        QTest::addRow("photo tab pauses") << 1 << true;
    }

    void eventVideo()
    {
        QFETCH(int, iTab);
        QFETCH(bool, bPaused);
        openTestProject();
        child<QTabWidget>(*m_cWindow, "tabWidget")->setCurrentIndex(iTab);
        m_cFake->calls.clear();
        QSignalSpy cTimeSpy(player(), &CMediaPlayer::mediaTimeIndexChanged);
        tree()->setCurrentIndex(eventItem(0, 0));
        QStringList cExpected({"Stop", "FileName=" + QDir::toNativeSeparators(m_sProject + "Videos/b.webm"),
                               "ShowControls=0", "Play", "Position=3725"});
        if (bPaused)
            cExpected << "Pause";
        QCOMPARE(m_cFake->calls, cExpected);
        QCOMPARE(cTimeSpy.last(), QVariantList({1u, 2u, 5u}));

        // An event whose video name leaves the directory keeps the player as it was.
        m_cFake->calls.clear();
        tree()->setCurrentIndex(eventItem(0, 4));
        QCOMPARE(m_cFake->calls, QStringList());
        QCOMPARE(player()->currentMediaFile(), m_sProject + "Videos/b.webm");
    }

    void sectionSelection()
    {
        openTestProject();
        tree()->setCurrentIndex(eventItem(0, 0));
        QVERIFY(!photo(1)->pixmap().isNull());
        m_cFake->calls.clear();
        tree()->setCurrentIndex(sectionItem(0));
        QCOMPARE(m_cFake->calls,
                 QStringList({"Stop", "FileName=" + QDir::toNativeSeparators(m_sProject + "Videos/a.webm"),
                              "ShowControls=0", "Play", "Position=0"}));
        QVERIFY(photo(1)->pixmap().isNull());
        QVERIFY(photo(2)->pixmap().isNull());
        QVERIFY(table()->rowCount() > 0);

        // Without videos, or with an unusable name, the player stays as it was.
        m_cFake->calls.clear();
        tree()->setCurrentIndex(sectionItem(1));
        tree()->setCurrentIndex(sectionItem(2));
        QCOMPARE(m_cFake->calls, QStringList());
    }

    void projectSelectionKeepsPlaylist()
    {
        openTestProject();
        tree()->setCurrentIndex(eventItem(0, 0));
        m_cFake->becomeReady(10.0);
        tree()->setCurrentIndex(projectItem());
        QVERIFY(photo(1)->pixmap().isNull());
        QVERIFY(player()->currentMediaFile().isEmpty());
        QVERIFY(!player()->isEnabled());
        QCOMPARE(player()->playlist().size(), 2);
        QVERIFY(table()->rowCount() > 0);
        // The skip button still finds the project's videos.
        m_cFake->calls.clear();
        player()->onbtnSkipForwardClicked();
        QCOMPARE(player()->currentMediaFile(), m_sProject + "Videos/a.webm");
    }

    void photoTabPauses_data()
    {
        QTest::addColumn<int>("iTab");
        QTest::addColumn<QStringList>("expectedCalls");
        QTest::addRow("photo 1") << 1 << QStringList({"Pause"});
        QTest::addRow("photo 2") << 2 << QStringList({"Pause"});
    }

    void photoTabPauses()
    {
        QFETCH(int, iTab);
        QFETCH(QStringList, expectedCalls);
        auto *cTabs = child<QTabWidget>(*m_cWindow, "tabWidget");
        cTabs->setCurrentIndex(iTab);
        QCOMPARE(m_cFake->calls, expectedCalls);
        m_cFake->calls.clear();
        cTabs->setCurrentIndex(0);
        QCOMPARE(m_cFake->calls, QStringList());
    }

    void closeEmptiesEverything()
    {
        openTestProject();
        tree()->setCurrentIndex(eventItem(0, 0));
        m_cFake->becomeReady(10.0);
        QVERIFY(!photo(1)->pixmap().isNull());
        action("actionClose")->trigger();
        QCOMPARE(currentRuntimeData(), nullptr);
        QCOMPARE(topLevelItemCount(), 0);
        QCOMPARE(table()->rowCount(), 0);
        QCOMPARE(table()->object(), nullptr);
        QVERIFY(photo(1)->pixmap().isNull());
        QVERIFY(photo(2)->pixmap().isNull());
        QVERIFY(!player()->isEnabled());
        QVERIFY(player()->playlist().isEmpty());
        QVERIFY(projectActionsEnabled(false));
        // Closing again does nothing harmful.
        action("actionClose")->setEnabled(true);
        action("actionClose")->trigger();
        QCOMPARE(currentRuntimeData(), nullptr);
    }

    void projectIsFreedOnlyAfterTheWindowLetGo_data()
    {
        QTest::addColumn<bool>("bByClose");
        QTest::addRow("close command") << true;
        QTest::addRow("opening another project") << false;
    }

    void projectIsFreedOnlyAfterTheWindowLetGo()
    {
        QFETCH(bool, bByClose);
        RecordingFacade cFacade(CApplicationContext::instance()->persistenceFacade(), [this] {
            return QStringLiteral("items=%1 object=%2 media=%3 slot=%4")
                .arg(topLevelItemCount())
                .arg(table()->object() != nullptr)
                .arg(player()->currentMediaFile().isEmpty() ? "none" : "loaded")
                .arg(currentRuntimeData() != nullptr);
        });
        const FacadeSwap cSwap(m_cWindow.get(), &cFacade);
        openTestProject();
        tree()->setCurrentIndex(eventItem(0, 0));
        if (bByClose)
            action("actionClose")->trigger();
        else
            m_cWindow->openProjectAt(m_sProject);
        QCOMPARE(cFacade.statesAtClose, QStringList({"items=0 object=0 media=none slot=0"}));
    }

    void reopenReplacesProject()
    {
        openTestProject();
        tree()->setCurrentIndex(eventItem(0, 0));
        QVERIFY(!photo(1)->pixmap().isNull());
        BoxCatcher cBoxes;
        m_cWindow->openProjectAt(m_sProject);
        // The open project is closed before the same directory opens again:
        // the facade never answers "already open" and holds one project, the
        // current one, shown alone in a tree without the old selection.
        QCOMPARE(cBoxes.titles, QStringList());
        const auto *cFacade =
            static_cast<const CBasePersistenceFacade *>(CApplicationContext::instance()->persistenceFacade());
        QCOMPARE(cFacade->openProjectCount(), 1);
        QVERIFY(currentRuntimeData());
        QCOMPARE(topLevelItemCount(), 1);
        QVERIFY(photo(1)->pixmap().isNull());
    }

    void expandAndCollapse()
    {
        openTestProject();
        const QModelIndex cSection = sectionItem(0);
        QVERIFY(tree()->isExpanded(projectItem()));
        QVERIFY(!tree()->isExpanded(cSection));
        action("actionExpandAll")->trigger();
        QVERIFY(tree()->isExpanded(cSection));
        action("actionCollapseAll")->trigger();
        QVERIFY(!tree()->isExpanded(cSection));
        QVERIFY(!tree()->isExpanded(projectItem()));
    }

    void windowTitle_data()
    {
        QTest::addColumn<QString>("sSteps");
        QTest::addColumn<QString>("sTitle");
        QTest::addRow("no project") << ""
                                    << "Ostrel Corvane Viewer";
        QTest::addRow("project open") << "open"
                                      << "Window test - Ostrel Corvane Viewer";
        QTest::addRow("failed open after one") << "open fail"
                                               << "Ostrel Corvane Viewer";
        QTest::addRow("another project") << "open other"
                                         << "Other & more - Ostrel Corvane Viewer";
    }

    void windowTitle()
    {
        QFETCH(QString, sSteps);
        QFETCH(QString, sTitle);
        BoxCatcher cBoxes;
        for (const QString &sStep : sSteps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (sStep == QLatin1String("open"))
                m_cWindow->openProjectAt(m_sProject);
            else if (sStep == QLatin1String("close"))
                action("actionClose")->trigger();
            else if (sStep == QLatin1String("fail"))
                m_cWindow->openProjectAt(m_sNoProject);
            else if (sStep == QLatin1String("other"))
                m_cWindow->openProjectAt(m_sOther);
        }
        QCOMPARE(m_cWindow->windowTitle(), sTitle);
    }

    void keyboard_data()
    {
        QTest::addColumn<int>("iKey");
        QTest::addColumn<int>("iModifiers");
        QTest::addColumn<int>("iPlayState");
        QTest::addColumn<QStringList>("expectedCalls");
        QTest::addRow("space resumes") << int(Qt::Key_Space) << int(Qt::NoModifier) << 1 << QStringList({"Play"});
        QTest::addRow("space pauses") << int(Qt::Key_Space) << int(Qt::NoModifier) << 2 << QStringList({"Pause"});
        QTest::addRow("ctrl+right seeks on")
            << int(Qt::Key_Right) << int(Qt::ControlModifier) << 2 << QStringList({"Position=3730"});
        QTest::addRow("ctrl+left seeks back")
            << int(Qt::Key_Left) << int(Qt::ControlModifier) << 2 << QStringList({"Position=3720"});
    }

    // The shortcuts work wherever the focus is in the window, the tree
    // included.
    void keyboard()
    {
        QFETCH(int, iKey);
        QFETCH(int, iModifiers);
        QFETCH(int, iPlayState);
        QFETCH(QStringList, expectedCalls);
        openTestProject();
        tree()->setCurrentIndex(eventItem(0, 0));
        m_cFake->becomeReady(4000.0);
        m_cFake->iPlayState = iPlayState;
        QVERIFY(QTest::qWaitForWindowActive(m_cWindow.get()));
        tree()->setFocus();
        m_cFake->calls.clear();
        const QModelIndex cCurrent = tree()->currentIndex();
        QTest::keyClick(tree(), Qt::Key(iKey), Qt::KeyboardModifiers(iModifiers));
        QCOMPARE(m_cFake->calls, expectedCalls);
        QCOMPARE(tree()->currentIndex(), cCurrent);
    }

    void keyboardClosesAndQuits()
    {
        openTestProject();
        QVERIFY(QTest::qWaitForWindowActive(m_cWindow.get()));
        QTest::keyClick(tree(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(currentRuntimeData(), nullptr);
        QVERIFY(m_cWindow->isVisible());
        QTest::keyClick(tree(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_cWindow->isVisible());
    }

    // Every way of opening a project puts it first in Open Recent.
    void recentProjects_data()
    {
        QTest::addColumn<QString>("sWay");
        QTest::addRow("dialog") << "dialog";
        QTest::addRow("start path") << "start path";
        QTest::addRow("plain argument") << "argument";
        QTest::addRow("dropped file inside it") << "drop";
        QTest::addRow("the list itself") << "list";
    }

    void recentProjects()
    {
        QFETCH(QString, sWay);
        const QString sExpected = QDir::cleanPath(m_sProject);
        m_cWindow->openProjectAt(m_sProject);
        m_cWindow->openProjectAt(m_sOther);
        m_cWindow->closeCurrentProject();
        QCOMPARE(m_cWindow->settings().recentProjects(), QStringList({QDir::cleanPath(m_sOther), sExpected}));
        if (sWay == QLatin1String("dialog")) {
            QString sStart;
            m_cWindow->setDirectoryChooser([&](QWidget *, const QString &, const QString &sLast) {
                sStart = sLast;
                return sExpected;
            });
            action("actionOpen")->trigger();
            // The dialog starts at the project opened last.
            QCOMPARE(sStart, QDir::cleanPath(m_sOther));
        } else if (sWay == QLatin1String("start path")) {
            m_cWindow->handleCommandLine(QStringLiteral("/start_path=") + m_sProject);
        } else if (sWay == QLatin1String("argument")) {
            m_cWindow->handleCommandLine(m_sProject + QStringLiteral("Photos/p1.png"));
        } else if (sWay == QLatin1String("drop")) {
            QMimeData cData;
            cData.setUrls({QUrl::fromLocalFile(m_sProject + QStringLiteral("1.evtdat"))});
            QDragEnterEvent cEnter(QPoint(50, 50), Qt::CopyAction, &cData, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(m_cWindow.get(), &cEnter);
            QVERIFY(cEnter.isAccepted());
            QDropEvent cDrop(QPointF(50, 50), Qt::CopyAction, &cData, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(m_cWindow.get(), &cDrop);
        } else {
            QMenu *cMenu = child<QMenu>(*m_cWindow, "menuOpenRecent");
            QVERIFY(cMenu->isEnabled());
            const QList<QAction *> cEntries = cMenu->actions();
            QCOMPARE(cEntries.at(1)->text(), QStringLiteral("&2 ") + QDir::toNativeSeparators(sExpected));
            QCOMPARE(cEntries.at(0)->text(),
                     QStringLiteral("&1 ") + QDir::toNativeSeparators(QDir::cleanPath(m_sOther)).replace("&", "&&"));
            cEntries.at(1)->trigger();
        }
        QTRY_COMPARE(openedDirectory(), m_sProject);
        QCOMPARE(m_cWindow->settings().recentProjects(), QStringList({sExpected, QDir::cleanPath(m_sOther)}));
        // The list is kept in the user's configuration, not in the project.
        QVERIFY(QFile::exists(configFile()));
        QVERIFY(!QFile::exists(m_sProject + QStringLiteral("project.dat.lock")));
        QCOMPARE(QDir(m_sProject).entryList(QDir::Files), QStringList({"1.evtdat", "project.dat", "segments.dat"}));
    }

    void recentProjectsNotThereAreGreyed()
    {
        const QString sGone = m_cDir.filePath(QStringLiteral("gone"));
        m_cWindow->settings().addRecentProject(sGone);
        m_cWindow->openProjectAt(m_sProject);
        QMenu *cMenu = child<QMenu>(*m_cWindow, "menuOpenRecent");
        QList<QAction *> cEntries = cMenu->actions();
        QCOMPARE(cEntries.size(), 4); // two projects, separator, clear
        QVERIFY(cEntries.at(0)->isEnabled());
        QVERIFY(!cEntries.at(1)->isEnabled());
        // A project that came back since is enabled again when the menu opens.
        QDir().mkpath(sGone);
        QFile::copy(m_sOther + QStringLiteral("project.dat"), sGone + QStringLiteral("/project.dat"));
        QMetaObject::invokeMethod(cMenu, "aboutToShow");
        QVERIFY(cEntries.at(1)->isEnabled());
        // Clearing empties and disables the submenu.
        child<QAction>(*m_cWindow, "actionClearRecentProjects")->trigger();
        QTRY_VERIFY(!cMenu->isEnabled());
        QVERIFY(m_cWindow->settings().recentProjects().isEmpty());
    }

    void windowStateComesBack()
    {
        // Within the offscreen screen (800 x 600), which a restored geometry must fit.
        m_cWindow->resize(780, 590);
        auto *cSplitter = child<QSplitter>(*m_cWindow, "spHorizontal");
        cSplitter->setSizes({300, 480});
        QApplication::processEvents();
        const QList<int> cSizes = cSplitter->sizes();
        m_cWindow->close();
        FakePlaybackControl *cFake = nullptr;
        const auto cAgain = makeWindow(cFake);
        QCOMPARE(cAgain->size(), QSize(780, 590));
        QCOMPARE(child<QSplitter>(*cAgain, "spHorizontal")->sizes(), cSizes);
    }

    // At its smallest the window still shows every control in full, in
    // English and in German.
    void smallestWindowShowsEverything_data()
    {
        QTest::addColumn<QString>("sLanguageFile");
        QTest::addRow("English") << QString();
        QTest::addRow("German") << QStringLiteral("corvane_de.qm");
    }

    void smallestWindowShowsEverything()
    {
        QFETCH(QString, sLanguageFile);
        QTranslator cTranslator;
        if (!sLanguageFile.isEmpty()) {
            QVERIFY(cTranslator.load(sLanguageFile, TestHelpers::installDir() + QStringLiteral("/LanguageFiles/")));
            QCoreApplication::installTranslator(&cTranslator);
        }
        FakePlaybackControl *cFake = nullptr;
        const auto cWindow = makeWindow(cFake);
        QCoreApplication::removeTranslator(&cTranslator);
        cWindow->openProjectAt(m_sProject);
        cWindow->resize(1, 1);
        QVERIFY(QTest::qWaitForWindowExposed(cWindow.get()));
        QApplication::processEvents();
        QVERIFY(cWindow->width() <= 800 && cWindow->height() <= 600);
        const QRect cArea = cWindow->rect();
        for (const char *pName :
             {"tvProject", "tabWidget", "twProperties", "sslPosition", "lblTimeIndex", "btnSkipBackward",
              "btnPlayPause", "btnSkipForward", "btnSaveFrame", "lblPlayerMessage"}) {
            const QWidget *cWidget = child<QWidget>(*cWindow, pName);
            QVERIFY2(cWidget->isVisible(), pName);
            const QRect cGeometry(cWidget->mapTo(cWindow.get(), QPoint(0, 0)), cWidget->size());
            QVERIFY2(cArea.contains(cGeometry), pName);
            QVERIFY2(cWidget->width() >= cWidget->minimumSizeHint().width(), pName);
            QVERIFY2(cWidget->height() >= cWidget->minimumSizeHint().height(), pName);
        }
        QVERIFY(child<QWidget>(*cWindow, "tvProject")->width() >= 180);
        const QMenuBar *cBar = child<QMenuBar>(*cWindow, "MainMenu");
        for (QAction *cMenu : cBar->actions())
            QVERIFY2(cBar->rect().contains(cBar->actionGeometry(cMenu)), qPrintable(cMenu->text()));
        cWindow->closeCurrentProject();
    }

    // Photos fill their tab at the photo's own aspect ratio.
    void photosKeepTheirShape_data()
    {
        QTest::addColumn<QSize>("cWindowSize");
        QTest::addRow("wide") << QSize(1500, 700);
        QTest::addRow("tall") << QSize(900, 1000);
    }

    void photosKeepTheirShape()
    {
        QFETCH(QSize, cWindowSize);
        openTestProject();
        tree()->setCurrentIndex(eventItem(0, 0));
        child<QTabWidget>(*m_cWindow, "tabWidget")->setCurrentIndex(1);
        m_cWindow->resize(cWindowSize);
        QVERIFY(QTest::qWaitForWindowExposed(m_cWindow.get()));
        QApplication::processEvents();
        auto *cLabel = qobject_cast<CPhotoLabel *>(photo(1));
        QVERIFY(cLabel);
        const QRect cPhoto = cLabel->photoRect();
        const QRect cArea = cLabel->contentsRect();
        QVERIFY(cArea.contains(cPhoto));
        QVERIFY2(qAbs(double(cPhoto.width()) / cPhoto.height() - 64.0 / 48.0) < 0.02,
                 qPrintable(QStringLiteral("%1x%2").arg(cPhoto.width()).arg(cPhoto.height())));
        QVERIFY(cPhoto.width() >= cArea.width() - 1 || cPhoto.height() >= cArea.height() - 1);
        QVERIFY(cArea.width() > cWindowSize.width() / 2);
        const QImage cShown = cLabel->grab().toImage();
        QCOMPARE(QColor(cShown.pixel(cPhoto.center())), QColor(Qt::red));
    }

    void saveFrame_data()
    {
        QTest::addColumn<QString>("sAnswer");
        QTest::addColumn<QString>("sSaved");
        QTest::addRow("proposed name") << ""
                                       << "S1 - S2_01-02-05.png";
        QTest::addRow("typed without suffix") << "still"
                                              << "still.png";
        QTest::addRow("cancelled") << "<cancel>"
                                   << "";
    }

    // A still is named after the section and time index and written as PNG
    // where the user says.
    void saveFrame()
    {
        QFETCH(QString, sAnswer);
        QFETCH(QString, sSaved);
        QTemporaryDir cStills;
        m_cWindow->settings().setLastFrameDirectory(cStills.path());
        openTestProject();
        tree()->setCurrentIndex(eventItem(0, 0));
        m_cFake->becomeReady(4000.0);
        QImage cPicture(40, 30, QImage::Format_RGB32);
        cPicture.fill(Qt::darkCyan);
        m_cFake->cFrame = cPicture;
        QString sProposed;
        m_cWindow->setSaveFileNameProvider([&](QWidget *, const QString &, const QString &sName, const QString &) {
            sProposed = sName;
            if (sAnswer == QLatin1String("<cancel>"))
                return QString();
            return sAnswer.isEmpty() ? sName : cStills.filePath(sAnswer);
        });
        action("actionSaveFrame")->trigger();
        QCOMPARE(sProposed, cStills.filePath(QStringLiteral("S1 - S2_01-02-05.png")));
        QStringList cFiles = QDir(cStills.path()).entryList(QDir::Files);
        if (sSaved.isEmpty()) {
            QCOMPARE(cFiles, QStringList());
            return;
        }
        QCOMPARE(cFiles, QStringList({sSaved}));
        QCOMPARE(QImage(cStills.filePath(sSaved)).convertToFormat(QImage::Format_RGB32), cPicture);
        QVERIFY(m_cWindow->statusBar()->currentMessage().contains(sSaved));
        // The button beside the player does the same.
        QFile::remove(cStills.filePath(sSaved));
        child<QPushButton>(*m_cWindow, "btnSaveFrame")->click();
        cFiles = QDir(cStills.path()).entryList(QDir::Files);
        QCOMPARE(cFiles, QStringList({sSaved}));
    }

    void reportStatus_data()
    {
        QTest::addColumn<bool>("bFileThere");
        QTest::addColumn<bool>("bOpenerWorks");
        QTest::addColumn<bool>("bOpenerCalled");
        QTest::addRow("opens the report") << true << true << true;
        QTest::addRow("report gone since") << false << true << false;
    }

    // After a report the status bar says where it went and offers to open it.
    void reportStatus()
    {
        QFETCH(bool, bFileThere);
        QFETCH(bool, bOpenerWorks);
        QFETCH(bool, bOpenerCalled);
        const QString sReport = m_cDir.filePath(QStringLiteral("report.pdf"));
        QFile::remove(sReport);
        if (bFileThere)
            writeFile(sReport, "%PDF-1.4\n");
        QList<QUrl> cOpened;
        m_cWindow->setUrlOpener([&](const QUrl &cUrl) {
            cOpened << cUrl;
            return bOpenerWorks;
        });
        m_cWindow->onReportWritten(sReport);
        auto *cStatus = child<QLabel>(*m_cWindow, "lblStatusReport");
        QVERIFY(cStatus->isVisible());
        QVERIFY2(cStatus->text().contains(QDir::toNativeSeparators(sReport)), qPrintable(cStatus->text()));
        QVERIFY(cStatus->text().contains(QStringLiteral("<a href")));
        QCOMPARE(m_cWindow->lastReportFile(), sReport);
        emit cStatus->linkActivated(QStringLiteral("open"));
        QCOMPARE(cOpened.size(), bOpenerCalled ? 1 : 0);
        if (bOpenerCalled)
            QCOMPARE(cOpened.first(), QUrl::fromLocalFile(sReport));
        QCOMPARE(m_cWindow->statusBar()->currentMessage().isEmpty(), bFileThere && bOpenerWorks);
    }

    void infoBox()
    {
        BoxCatcher cBoxes;
        action("actionInfo")->trigger();
        QCOMPARE(cBoxes.titles, QStringList({"Ostrel Corvane Viewer"}));
        QVERIFY(cBoxes.texts.first().startsWith(QStringLiteral("Version 2.11.8")));
        QVERIFY(cBoxes.texts.first().contains(QStringLiteral("Qt")));
    }

    void createReportWithoutProjectDoesNothing()
    {
        BoxCatcher cBoxes;
        action("actionCreateReport")->setEnabled(true);
        action("actionCreateReport")->trigger();
        QTest::qWait(60);
        QCOMPARE(cBoxes.titles, QStringList());
    }

    void createReportOpensDialogForStartPath()
    {
        const QString sDemo = TestHelpers::demoProjectDir() + QLatin1Char('/');
        if (!QFile::exists(sDemo + "project.dat"))
            QSKIP("no demo project");
        m_cWindow->handleCommandLine("/start_path=" + sDemo);
        QVERIFY(currentRuntimeData());
        int iRows = -1;
        QString sLogoDirectory;
        // The dialog runs modally: look at it from inside its loop, then close it.
        QTimer::singleShot(100, m_cWindow.get(), [&]() {
            CPrintoutSettingsDialog *cDialog = CPrintoutSettingsDialog::existingInstance();
            QVERIFY(cDialog && cDialog->isVisible());
            QCOMPARE(cDialog->parentWidget(), static_cast<QWidget *>(m_cWindow.get()));
            iRows = cDialog->findChild<QListWidget *>(QStringLiteral("lwSections"))->count();
            sLogoDirectory = cDialog->currentChoices().sLogoDirectory;
            cDialog->findChild<QPushButton *>(QStringLiteral("btnClose"))->click();
        });
        action("actionCreateReport")->trigger();
        QCOMPARE(iRows, currentRuntimeData()->corvaneProject()->sectionCount());
        QCOMPARE(QDir(sLogoDirectory).canonicalPath(), QDir(sDemo).canonicalPath());
    }

    void demoProjectOpens()
    {
        const QString sDemo = TestHelpers::demoProjectDir() + QLatin1Char('/');
        if (!QFile::exists(sDemo + "project.dat"))
            QSKIP("no demo project");
        BoxCatcher cBoxes;
        m_cWindow->handleCommandLine("/start_path=" + sDemo);
        QTest::qWait(60);
        QCOMPARE(cBoxes.titles, QStringList());
        QVERIFY(currentRuntimeData());
        QVERIFY(tree()->model()->rowCount(projectItem()) > 0);
        QVERIFY(!player()->playlist().isEmpty());
        // Every event can be shown.
        for (int iSection = 0; iSection < tree()->model()->rowCount(projectItem()); ++iSection) {
            tree()->setCurrentIndex(sectionItem(iSection));
            for (int iEvent = 0; iEvent < tree()->model()->rowCount(sectionItem(iSection)); ++iEvent) {
                tree()->setCurrentIndex(eventItem(iSection, iEvent));
                QVERIFY(table()->rowCount() > 0);
            }
        }
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
