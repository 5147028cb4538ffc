#include "ui/CAppMainWindow.h"

#include "app/CApplicationContext.h"
#include "app/units/Units.h"
#include "metadata/CInspectionStandard.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "queries/CSharedTranslations.h"
#include "storage/CProjectOpenProgress.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/CurrentProject.h"
#include "storage/IPersistenceFacade.h"
#include "storage/PathUtils.h"
#include "storage/ProjectDirectory.h"
#include "storage/StorageErrors.h"
#include "ui/CPrintoutSettingsDialog.h"
#include "ui/CViewerSettings.h"
#include "ui/CommandLine.h"
#include "ui/SaveFileNames.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMessageBox>
#include <QMimeData>
#include <QPixmap>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <cmath>
#include <utility>

namespace {
CAppMainWindow *g_cMainWindow = nullptr;

const QString g_sWindowTitle = QStringLiteral("Ostrel Corvane Viewer");
const int g_iVideoTab = 0;
const double g_dSeekStepSeconds = 5.0;
const int g_iStatusMessageMs = 8000;
const QString g_sHorizontalSplitter = QStringLiteral("horizontal");
const QString g_sVerticalSplitter = QStringLiteral("vertical");

// Starts beside the last project, with it selected: one click reopens it,
// and its neighbours are in view. Without one, in the home directory.
QString chooseProjectDirectory(QWidget *cParent, const QString &sTitle, const QString &sLastProject)
{
    QFileDialog cDialog(cParent, sTitle);
    cDialog.setFileMode(QFileDialog::Directory);
    cDialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::ReadOnly);
    const QFileInfo cLast(sLastProject);
    if (!sLastProject.isEmpty() && cLast.isDir() && !cLast.isRoot()) {
        cDialog.setDirectory(cLast.absolutePath());
        cDialog.selectFile(cLast.fileName());
    } else {
        cDialog.setDirectory(QDir::homePath());
    }
    if (cDialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList cFiles = cDialog.selectedFiles();
    return cFiles.isEmpty() ? QString() : cFiles.first();
}

QString savePngFileName(QWidget *cParent, const QString &sCaption, const QString &sProposed, const QString &sFilter)
{
    return askSaveFileName(cParent, sCaption, sProposed, sFilter, QStringLiteral("png"));
}

// A menu text shows "&" only when doubled.
QString menuText(const QString &sText)
{
    QString sEscaped = sText;
    return sEscaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
} // namespace

CAppMainWindow::CAppMainWindow(QWidget *parent)
    : QMainWindow(parent), m_cSettings(std::make_unique<CViewerSettings>()), m_directoryChooser(chooseProjectDirectory),
      m_saveFileNameProvider(savePngFileName),
      m_urlOpener([](const QUrl &cUrl) { return QDesktopServices::openUrl(cUrl); })
{
    setupUi(this);
    setAcceptDrops(true);

    // The picture gets the room a larger window gives; the tree keeps its
    // width, and neither pane can be pushed out of sight.
    spHorizontal->setStretchFactor(0, 0);
    spHorizontal->setStretchFactor(1, 1);
    spHorizontal->setSizes({240, 560});
    spVertical->setStretchFactor(0, 3);
    spVertical->setStretchFactor(1, 1);

    m_cStatusReport = new QLabel(this);
    m_cStatusReport->setObjectName(QStringLiteral("lblStatusReport"));
    m_cStatusReport->setTextFormat(Qt::RichText);
    m_cStatusReport->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_cStatusReport->hide();
    statusBar()->addWidget(m_cStatusReport, 1);
    menuOpenRecent->setToolTipsVisible(true);

    connect(actionQuit, &QAction::triggered, this, &CAppMainWindow::onactionQuitTriggered);
    connect(actionOpen, &QAction::triggered, this, &CAppMainWindow::onactionOpenTriggered);
    connect(actionClose, &QAction::triggered, this, &CAppMainWindow::onactionCloseTriggered);
    connect(actionCreateReport, &QAction::triggered, this, &CAppMainWindow::onactionCreateReportTriggered);
    connect(actionInfo, &QAction::triggered, this, &CAppMainWindow::onactionInfoTriggered);
    connect(actionExpandAll, &QAction::triggered, this, &CAppMainWindow::onactionExpandAllTriggered);
    connect(actionCollapseAll, &QAction::triggered, this, &CAppMainWindow::onactionCollapseAllTriggered);
    connect(tabWidget, &QTabWidget::currentChanged, this, &CAppMainWindow::ontabWidgetCurrentChanged);
    connect(tvProject, &CProjectTreeView::onProjectSelected, this, &CAppMainWindow::onProjectSelected);
    connect(tvProject, &CProjectTreeView::onSectionSelected, this, &CAppMainWindow::onSectionSelected);
    connect(tvProject, &CProjectTreeView::onEventSelected, this, &CAppMainWindow::onEventSelected);
    connect(mpVideo, &CMediaPlayer::mediaFileChanged, this, &CAppMainWindow::onMediaFileChanged);
    connect(mpVideo, &CMediaPlayer::mediaTimeIndexChanged, this, &CAppMainWindow::onMediaTimeIndexChanged);
    connect(mpVideo, &CMediaPlayer::saveFrameRequested, this, &CAppMainWindow::onactionSaveFrameTriggered);
    connect(actionPlayPause, &QAction::triggered, this, &CAppMainWindow::onactionPlayPauseTriggered);
    connect(actionSeekBackward, &QAction::triggered, this, &CAppMainWindow::onactionSeekBackwardTriggered);
    connect(actionSeekForward, &QAction::triggered, this, &CAppMainWindow::onactionSeekForwardTriggered);
    connect(actionSaveFrame, &QAction::triggered, this, &CAppMainWindow::onactionSaveFrameTriggered);
    connect(menuOpenRecent, &QMenu::aboutToShow, this, &CAppMainWindow::onmenuOpenRecentAboutToShow);
    connect(m_cStatusReport, &QLabel::linkActivated, this, &CAppMainWindow::onlblStatusReportLinkActivated);

    rebuildRecentMenu();
}

CAppMainWindow::~CAppMainWindow()
{
    if (g_cMainWindow == this)
        g_cMainWindow = nullptr;
}

IPersistenceFacade *CAppMainWindow::facade() const
{
    if (m_cFacade)
        return m_cFacade;
    CApplicationContext *cContext = CApplicationContext::instance();
    return cContext ? cContext->persistenceFacade() : nullptr;
}

CAppMainWindow *CAppMainWindow::instance()
{
    return g_cMainWindow;
}

void CAppMainWindow::setInstance(CAppMainWindow *cWindow)
{
    g_cMainWindow = cWindow;
}

void CAppMainWindow::showMainWindow()
{
    setWindowTitle(g_sWindowTitle);
    restoreWindowState();
    if (m_cSettings->windowGeometry().isEmpty())
        showNormal();
    else
        show(); // keeps a maximised window maximised
    resetWindow();
    handleCommandLine(commandLineText(QCoreApplication::arguments()));
}

void CAppMainWindow::handleCommandLine(const QString &sCommandLine)
{
    const QString sStartPath = startPathFromCommandLine(sCommandLine);
    if (sStartPath.isEmpty())
        return;
    m_sStartPath = sStartPath;
    if (pathExists(projectFilePath(m_sStartPath)))
        openProjectAt(m_sStartPath);
}

void CAppMainWindow::resetWindow()
{
    setWindowTitle(g_sWindowTitle);
    m_sectionOfVideo.clear();
    m_sMediaSection.clear();
    tvProject->setProject(nullptr, QString());
    tvProject->setDamageClasses(QStringList());
    twProperties->setObject(nullptr);
    mpVideo->resetPlayer();
    // Photos of a closed project must not stay on show.
    clearPhotos();
    setProjectActionsEnabled(false);
}

void CAppMainWindow::setProjectActionsEnabled(bool bEnabled)
{
    actionClose->setEnabled(bEnabled);
    actionCollapseAll->setEnabled(bEnabled);
    actionExpandAll->setEnabled(bEnabled);
    actionCreateReport->setEnabled(bEnabled);
    actionPlayPause->setEnabled(bEnabled);
    actionSeekBackward->setEnabled(bEnabled);
    actionSeekForward->setEnabled(bEnabled);
    actionSaveFrame->setEnabled(bEnabled);
}

void CAppMainWindow::clearPhotos()
{
    lblPhoto1->clear();
    lblPhoto2->clear();
}

void CAppMainWindow::closeCurrentProject()
{
    // Tree, table and player let go of the project's objects before the
    // storage layer frees them.
    resetWindow();
    CProjectRuntimeData *cRuntimeData = currentRuntimeData();
    if (!cRuntimeData)
        return;
    setCurrentRuntimeData(nullptr);
    if (IPersistenceFacade *cFacade = facade())
        cFacade->closeProject(cRuntimeData);
}

void CAppMainWindow::openProjectAt(const QString &sDirectory)
{
    // One open at a time: the window answers while a project loads, and an
    // Open, a drop or a recent project meanwhile is ignored.
    if (m_cOpenProgress)
        return;
    closeCurrentProject();
    IPersistenceFacade *cFacade = facade();
    if (!cFacade)
        return;

    if (hasUndecodableName(sDirectory)) {
        QMessageBox::warning(this, tr("Error"),
                             tr("The name of the directory \"%1\" cannot be used: it holds characters that are "
                                "not valid UTF-8. Please rename the directory and open it again.")
                                 .arg(QDir::toNativeSeparators(sDirectory)),
                             QMessageBox::Ok);
        return;
    }
    CProjectRuntimeData *cRuntimeData = nullptr;
    const int iResult = openInBackground(*cFacade, sDirectory, cRuntimeData);
    if (iResult == StorageError::OpenCanceled) {
        statusBar()->showMessage(tr("Opening the project was canceled."), g_iStatusMessageMs);
        return;
    }
    if (iResult != 0) {
        if (cRuntimeData)
            cFacade->closeProject(cRuntimeData);
        const CSharedTranslations *cTranslations = CSharedTranslations::instance();
        const quint32 uiCode = static_cast<quint32>(iResult);
        const QString sMessage =
            QStringLiteral("%1\n\n%2").arg(cTranslations->errorMessage(uiCode), cTranslations->errorCodeText(uiCode));
        QMessageBox::warning(this, tr("Error"), sMessage, QMessageBox::Ok);
        return;
    }
    if (!cRuntimeData)
        return;
    if (!cRuntimeData->hasInspectionData() || !cRuntimeData->corvaneProject()) {
        QMessageBox::information(this, tr("Unsupported project"),
                                 tr("The specified project is a project without inspection data, "
                                    "thus it cannot be opened with this Viewer."),
                                 QMessageBox::Ok);
        cFacade->closeProject(cRuntimeData);
        return;
    }
    setCurrentRuntimeData(cRuntimeData);
    showProject(cRuntimeData);
    // However it was opened, it joins the recent projects.
    m_cSettings->addRecentProject(cRuntimeData->corvaneProject()->directory());
    rebuildRecentMenu();
}

int CAppMainWindow::openInBackground(IPersistenceFacade &cFacade, const QString &sDirectory,
                                     CProjectRuntimeData *&cRuntimeData)
{
    cRuntimeData = nullptr;
    CProjectOpenProgress cProgress;
    m_cOpenProgress = &cProgress;
    actionOpen->setEnabled(false);
    menuOpenRecent->setEnabled(false);

    // The files are read on a thread of their own while this one goes on
    // painting and answering; the window gets the project back here, on
    // its own thread.
    int iResult = StorageError::InternalError;
    CProjectRuntimeData *cOpened = nullptr;
    const std::unique_ptr<QThread> cThread(
        QThread::create([&] { iResult = cFacade.openProject(sDirectory, cOpened, &cProgress); }));
    QEventLoop cLoop;
    connect(cThread.get(), &QThread::finished, &cLoop, &QEventLoop::quit);

    // A quick open shows nothing; a longer one a progress dialog with Cancel.
    std::unique_ptr<QProgressDialog> cDialog;
    QTimer cShowTimer;
    cShowTimer.setSingleShot(true);
    connect(&cShowTimer, &QTimer::timeout, this, [&] {
        cDialog = std::make_unique<QProgressDialog>(this);
        cDialog->setObjectName(QStringLiteral("dlgOpenProgress"));
        cDialog->setWindowTitle(tr("Open Project"));
        cDialog->setWindowModality(Qt::WindowModal);
        cDialog->setAutoClose(false);
        cDialog->setAutoReset(false);
        cDialog->setMinimumDuration(0);
        connect(cDialog.get(), &QProgressDialog::canceled, this, [&] {
            cProgress.cancel();
            cDialog->setLabelText(tr("Canceling…"));
        });
        updateOpenProgress(*cDialog, cProgress, sDirectory);
        cDialog->show();
    });
    QTimer cPollTimer;
    cPollTimer.setInterval(50);
    connect(&cPollTimer, &QTimer::timeout, this, [&] {
        if (cDialog && !cProgress.isCanceled())
            updateOpenProgress(*cDialog, cProgress, sDirectory);
    });

    cThread->start();
    cShowTimer.start(kOpenProgressDelayMs);
    cPollTimer.start();
    cLoop.exec();
    // The loop also ends when the program quits: then reading stops.
    if (!cThread->isFinished())
        cProgress.cancel();
    cThread->wait();
    cPollTimer.stop();
    cShowTimer.stop();
    cDialog.reset();

    m_cOpenProgress = nullptr;
    actionOpen->setEnabled(true);
    menuOpenRecent->setEnabled(!m_cSettings->recentProjects().isEmpty());
    // Closed during an open at start, before the program's event loop ran:
    // the quit that closing asked for went to the loop of the open, so it
    // is asked for again.
    if (std::exchange(m_bClosedWhileOpening, false) && QGuiApplication::quitOnLastWindowClosed() && !isVisible())
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    // A Cancel that came too late to stop the reading still wins.
    if (cProgress.isCanceled()) {
        if (iResult == StorageError::Success && cOpened)
            cFacade.closeProject(cOpened);
        return StorageError::OpenCanceled;
    }
    cRuntimeData = cOpened;
    return iResult;
}

void CAppMainWindow::updateOpenProgress(QProgressDialog &cDialog, const CProjectOpenProgress &cProgress,
                                        const QString &sDirectory)
{
    const int iTotal = cProgress.total();
    const int iRead = std::min(cProgress.read(), iTotal);
    const QString sName = QDir::toNativeSeparators(QDir::cleanPath(sDirectory));
    const QLocale cLocale;
    // Until the section file is read the number of files is not known.
    const QString sCount = iTotal > 0 ? tr("%1 of %2 files read").arg(cLocale.toString(iRead), cLocale.toString(iTotal))
                                      : tr("Reading the sections");
    cDialog.setLabelText(tr("Opening \"%1\"").arg(sName) + QLatin1Char('\n') + sCount);
    cDialog.setMaximum(iTotal);
    cDialog.setValue(iRead);
}

void CAppMainWindow::showProject(const CProjectRuntimeData *cRuntimeData)
{
    // Opening let only projects with inspection data through.
    const CCorvaneProject *cProject = cRuntimeData->corvaneProject();
    if (const CInspectionStandard *cStandard = cRuntimeData->inspectionStandard()) {
        QStringList cDamageClasses;
        for (int i = 0; i < cStandard->damageClassCount(); ++i)
            cDamageClasses << cStandard->damageClassAt(i);
        tvProject->setDamageClasses(cDamageClasses);
        tvProject->setProject(cProject, cStandard->textDelimiter());
    }
    twProperties->setObject(nullptr);
    setWindowTitle(QStringLiteral("%1 - %2").arg(cProject->name().simplified(), g_sWindowTitle));

    const QString sVideoDirectory = videosDirectory(cProject->directory());
    QStringList cPlaylist;
    for (int iSection = 0; iSection < cProject->sectionCount(); ++iSection) {
        const CInspectionSegment *cSection = cProject->sectionAt(iSection);
        if (!cSection)
            continue;
        for (const QString &sName : cSection->videoFiles()) {
            const QString sPath = mediaFilePath(sVideoDirectory, sName);
            if (sPath.isEmpty())
                continue;
            cPlaylist.append(sPath);
            if (!m_sectionOfVideo.contains(sPath))
                m_sectionOfVideo.insert(sPath, cSection->name());
        }
    }
    mpVideo->setPlaylist(cPlaylist);
    setProjectActionsEnabled(true);
}

void CAppMainWindow::onactionQuitTriggered()
{
    close();
}

void CAppMainWindow::onactionOpenTriggered()
{
    if (m_cOpenProgress)
        return;
    const QString sDirectory =
        m_directoryChooser(this, tr("Select a project directory"), m_cSettings->lastProjectDirectory());
    if (sDirectory.isEmpty())
        return;
    openProjectAt(sDirectory);
}

void CAppMainWindow::onactionCloseTriggered()
{
    closeCurrentProject();
}

void CAppMainWindow::onactionCreateReportTriggered()
{
    const CProjectRuntimeData *cData = currentRuntimeData();
    if (!cData || !cData->hasInspectionData())
        return;
    const CCorvaneProject *cProject = cData->corvaneProject();
    if (!cProject || !cData->inspectionStandard() || !cData->printoutLayout() || !cData->damageClassList())
        return;
    // The logo files are looked up in the start directory only.
    QString sLogoImagePath;
    QString sLogoTextPath;
    if (!m_sStartPath.isEmpty()) {
        sLogoImagePath = m_sStartPath + QStringLiteral("logo.bmp");
        sLogoTextPath = m_sStartPath + QStringLiteral("logo.txt");
    }
    IPrintoutSettingsDialog *cDialog = CPrintoutSettingsDialog::instance(this);
    connect(CPrintoutSettingsDialog::existingInstance(), &CPrintoutSettingsDialog::reportWritten, this,
            &CAppMainWindow::onReportWritten, Qt::UniqueConnection);
    cDialog->showPrintoutSettings(*cProject, *cData->inspectionStandard(), *cData->printoutLayout(),
                                  *cData->damageClassList(), sLogoImagePath, sLogoTextPath);
}

void CAppMainWindow::onactionInfoTriggered()
{
    const QString sText = tr("Version ") + CApplicationContext::applicationVersion() + QStringLiteral("\n\n")
                          + tr("This program uses the Qt library under the GNU Lesser General Public "
                               "License (LGPL) version 3. The source code of Qt can be downloaded from "
                               "https://download.qt.io/.");
    QMessageBox::about(this, g_sWindowTitle, sText);
}

void CAppMainWindow::onactionExpandAllTriggered()
{
    tvProject->expandAll();
}

void CAppMainWindow::onactionCollapseAllTriggered()
{
    tvProject->collapseAll();
}

void CAppMainWindow::ontabWidgetCurrentChanged(int iIndex)
{
    if (iIndex != g_iVideoTab)
        mpVideo->pausePlayback();
}

void CAppMainWindow::pauseUnlessVideoTabShown()
{
    if (tabWidget->currentIndex() != g_iVideoTab)
        mpVideo->pausePlayback();
}

void CAppMainWindow::onProjectSelected(const CCorvaneProject &cProject)
{
    twProperties->setObject(&cProject);
    // Stop and unload, but keep the project's playlist for the skip
    // buttons and the advance at the end of a video.
    const QStringList cPlaylist = mpVideo->playlist();
    mpVideo->resetPlayer();
    mpVideo->setPlaylist(cPlaylist);
    clearPhotos();
}

void CAppMainWindow::onSectionSelected(const CInspectionSegment &cSection)
{
    twProperties->setObject(&cSection);
    const QStringList cVideoFiles = cSection.videoFiles();
    if (!cVideoFiles.isEmpty() && cSection.project()) {
        const QString sPath = mediaFilePath(videosDirectory(cSection.project()->directory()), cVideoFiles.first());
        if (!sPath.isEmpty()) {
            mpVideo->loadMedia(sPath, 0, 0, 0);
            m_sMediaSection = cSection.name();
            pauseUnlessVideoTabShown();
        }
    }
    clearPhotos();
}

void CAppMainWindow::onEventSelected(const CInspectionEvent &cEvent)
{
    twProperties->setObject(&cEvent);
    const CInspectionSegment *cSection = cEvent.section();
    const CBaseProject *cProject = cSection ? cSection->project() : nullptr;
    if (!cProject) {
        clearPhotos();
        return;
    }

    if (!cEvent.videoFile().isEmpty()) {
        const QString sPath = mediaFilePath(videosDirectory(cProject->directory()), cEvent.videoFile());
        if (!sPath.isEmpty()) {
            const CVideoTimeIndex cTime = cEvent.videoTimeIndex();
            mpVideo->loadMedia(sPath, cTime.uiHour, cTime.uiMinute, cTime.uiSecond);
            m_sMediaSection = cSection->name();
            pauseUnlessVideoTabShown();
        }
    }

    const QString sPhotoDirectory = photosDirectory(cProject->directory());
    showPhoto(lblPhoto1, sPhotoDirectory, cEvent.imageFile());
    showPhoto(lblPhoto2, sPhotoDirectory, cEvent.imageFile2());
}

void CAppMainWindow::showPhoto(QLabel *cLabel, const QString &sPhotoDirectory, const QString &sName)
{
    const QString sPath = mediaFilePath(sPhotoDirectory, sName);
    QFile file;
    QPixmap cPixmap;
    if (sPath.isEmpty() || !openMediaFile(file, sPath) || !cPixmap.loadFromData(file.readAll())) {
        cLabel->clear();
        return;
    }
    cLabel->setPixmap(cPixmap);
}

void CAppMainWindow::onMediaFileChanged(const QString &cMediaFile)
{
    // Skipping and the advance at the end reach other sections' videos.
    m_sMediaSection = m_sectionOfVideo.value(cMediaFile);
}

void CAppMainWindow::onMediaTimeIndexChanged(uint /*uiHours*/, uint /*uiMinutes*/, uint /*uiSeconds*/)
{
}

void CAppMainWindow::onactionPlayPauseTriggered()
{
    mpVideo->togglePlayback();
}

void CAppMainWindow::onactionSeekBackwardTriggered()
{
    mpVideo->seekBy(-g_dSeekStepSeconds);
}

void CAppMainWindow::onactionSeekForwardTriggered()
{
    mpVideo->seekBy(g_dSeekStepSeconds);
}

QString CAppMainWindow::frameFileProposal() const
{
    QString sName = m_sMediaSection;
    if (sName.isEmpty())
        sName = QFileInfo(mpVideo->currentMediaFile()).completeBaseName();
    const double dSeconds = std::trunc(mpVideo->currentPosition());
    const uint uiHours = static_cast<uint>(std::min(dSeconds / 3600.0, 999999.0));
    const uint uiMinutes = static_cast<uint>(std::fmod(std::floor(dSeconds / 60.0), 60.0));
    const uint uiSeconds = static_cast<uint>(std::fmod(dSeconds, 60.0));
    const QString sTime = formatTimeIndex(uiHours, uiMinutes, uiSeconds).replace(QLatin1Char(':'), QLatin1Char('-'));
    return validFileName(sName + QLatin1Char('_') + sTime) + QStringLiteral(".png");
}

void CAppMainWindow::onactionSaveFrameTriggered()
{
    // Taken now: the video plays on while the dialog is open.
    const QImage cFrame = mpVideo->currentFrame();
    if (cFrame.isNull()) {
        statusBar()->showMessage(tr("There is no video picture to save."), g_iStatusMessageMs);
        return;
    }
    QString sDirectory = m_cSettings->lastFrameDirectory();
    if (sDirectory.isEmpty() || !QFileInfo(sDirectory).isDir())
        sDirectory = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (sDirectory.isEmpty() || !QFileInfo(sDirectory).isDir())
        sDirectory = QDir::homePath();
    const QString sChosen = m_saveFileNameProvider(
        this, tr("Save Frame"), QDir(sDirectory).filePath(frameFileProposal()), tr("PNG Images (*.png)"));
    const QString sFileName = completeSaveFileName(this, sChosen, QStringLiteral(".png"));
    if (sFileName.isEmpty())
        return;
    QImageWriter cWriter(sFileName, "png");
    if (!cWriter.write(cFrame)) {
        QMessageBox::warning(this, tr("Save Frame"),
                             tr("The picture could not be saved to \"%1\":\n%2")
                                 .arg(QDir::toNativeSeparators(sFileName), cWriter.errorString()),
                             QMessageBox::Ok);
        return;
    }
    m_cSettings->setLastFrameDirectory(QFileInfo(sFileName).absolutePath());
    statusBar()->showMessage(tr("Picture saved to \"%1\".").arg(QDir::toNativeSeparators(sFileName)),
                             g_iStatusMessageMs);
}

void CAppMainWindow::rebuildRecentMenu()
{
    menuOpenRecent->clear();
    const QStringList cProjects = m_cSettings->recentProjects();
    for (int i = 0; i < cProjects.size(); ++i) {
        const QString sDirectory = cProjects.at(i);
        QAction *cAction = menuOpenRecent->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(menuText(QDir::toNativeSeparators(sDirectory))));
        cAction->setData(sDirectory);
        // A project that is gone stays listed, greyed, until newer ones push it out.
        if (!pathExists(projectFilePath(sDirectory))) {
            cAction->setEnabled(false);
            cAction->setToolTip(tr("The project is no longer there."));
        }
        // Queued: opening rebuilds this menu, which deletes the action.
        connect(
            cAction, &QAction::triggered, this, [this, sDirectory]() { openProjectAt(sDirectory); },
            Qt::QueuedConnection);
    }
    menuOpenRecent->addSeparator();
    QAction *cClear = menuOpenRecent->addAction(tr("Clear List"));
    cClear->setObjectName(QStringLiteral("actionClearRecentProjects"));
    connect(
        cClear, &QAction::triggered, this,
        [this]() {
            m_cSettings->clearRecentProjects();
            rebuildRecentMenu();
        },
        Qt::QueuedConnection);
    menuOpenRecent->setEnabled(!cProjects.isEmpty());
}

void CAppMainWindow::onmenuOpenRecentAboutToShow()
{
    // Projects may have gone (or come back) since the menu was built.
    for (QAction *cAction : menuOpenRecent->actions()) {
        const QString sDirectory = cAction->data().toString();
        if (sDirectory.isEmpty())
            continue;
        const bool bThere = pathExists(projectFilePath(sDirectory));
        cAction->setEnabled(bThere);
        cAction->setToolTip(bThere ? QString() : tr("The project is no longer there."));
    }
}

void CAppMainWindow::restoreWindowState()
{
    const QByteArray cGeometry = m_cSettings->windowGeometry();
    if (!cGeometry.isEmpty())
        restoreGeometry(cGeometry);
    const QByteArray cHorizontal = m_cSettings->splitterState(g_sHorizontalSplitter);
    if (!cHorizontal.isEmpty())
        spHorizontal->restoreState(cHorizontal);
    const QByteArray cVertical = m_cSettings->splitterState(g_sVerticalSplitter);
    if (!cVertical.isEmpty())
        spVertical->restoreState(cVertical);
}

void CAppMainWindow::saveWindowState() const
{
    m_cSettings->setWindowGeometry(saveGeometry());
    m_cSettings->setSplitterState(g_sHorizontalSplitter, spHorizontal->saveState());
    m_cSettings->setSplitterState(g_sVerticalSplitter, spVertical->saveState());
}

void CAppMainWindow::closeEvent(QCloseEvent *cEvent)
{
    // Quitting while a project loads stops the loading.
    if (m_cOpenProgress) {
        m_cOpenProgress->cancel();
        m_bClosedWhileOpening = true;
    }
    saveWindowState();
    QMainWindow::closeEvent(cEvent);
}

void CAppMainWindow::dragEnterEvent(QDragEnterEvent *cEvent)
{
    const QList<QUrl> cUrls = cEvent->mimeData()->urls();
    if (!cUrls.isEmpty() && cUrls.first().isLocalFile())
        cEvent->acceptProposedAction();
}

void CAppMainWindow::dropEvent(QDropEvent *cEvent)
{
    const QList<QUrl> cUrls = cEvent->mimeData()->urls();
    if (cUrls.isEmpty() || !cUrls.first().isLocalFile())
        return;
    const QString sDirectory = projectDirectoryForPath(cUrls.first().toLocalFile());
    if (sDirectory.isEmpty())
        return;
    cEvent->acceptProposedAction();
    // Opening may show a message box; not while the drop is being handled.
    QMetaObject::invokeMethod(
        this, [this, sDirectory]() { openProjectAt(sDirectory); }, Qt::QueuedConnection);
}

void CAppMainWindow::onReportWritten(const QString &sFileName)
{
    m_sLastReportFile = sFileName;
    const QString sText = tr("Report written to \"%1\".").arg(QDir::toNativeSeparators(sFileName));
    m_cStatusReport->setText(sText.toHtmlEscaped()
                             + QStringLiteral(" <a href=\"open\">%1</a>").arg(tr("Open").toHtmlEscaped()));
    m_cStatusReport->show();
}

void CAppMainWindow::onlblStatusReportLinkActivated(const QString & /*sLink*/)
{
    const QString sNative = QDir::toNativeSeparators(m_sLastReportFile);
    if (!QFileInfo(m_sLastReportFile).isFile()) {
        statusBar()->showMessage(tr("The report \"%1\" is no longer there.").arg(sNative), g_iStatusMessageMs);
        return;
    }
    if (!m_urlOpener(QUrl::fromLocalFile(m_sLastReportFile)))
        statusBar()->showMessage(tr("No program was found to show \"%1\".").arg(sNative), g_iStatusMessageMs);
}
