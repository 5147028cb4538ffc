#include "ui/CAppMainWindow.h"

#include "app/CApplicationContext.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "metadata/CInspectionStandard.h"
#include "queries/CSharedTranslations.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/CurrentProject.h"
#include "storage/IPersistenceFacade.h"
#include "storage/PathUtils.h"
#include "storage/ProjectDirectory.h"
#include "ui/CPrintoutSettingsDialog.h"
#include "ui/CommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPixmap>

namespace {
CAppMainWindow *g_cMainWindow = nullptr;

const QString g_sWindowTitle = QStringLiteral("Ostrel Corvane Viewer");
const int g_iVideoTab = 0;
} // namespace

CAppMainWindow::CAppMainWindow(QWidget *parent) : QMainWindow(parent)
{
    setupUi(this);

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

CAppMainWindow *CAppMainWindow::instance() { return g_cMainWindow; }

void CAppMainWindow::setInstance(CAppMainWindow *cWindow) { g_cMainWindow = cWindow; }

void CAppMainWindow::showMainWindow()
{
    setWindowTitle(g_sWindowTitle);
    showNormal();
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
    tvProject->setProject(nullptr, QString());
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
    closeCurrentProject();
    IPersistenceFacade *cFacade = facade();
    if (!cFacade)
        return;

    CProjectRuntimeData *cRuntimeData = nullptr;
    const int iResult = cFacade->openProject(sDirectory, cRuntimeData);
    if (iResult != 0) {
        if (cRuntimeData)
            cFacade->closeProject(cRuntimeData);
        const CSharedTranslations *cTranslations = CSharedTranslations::instance();
        const quint32 uiCode = static_cast<quint32>(iResult);
        const QString sMessage = QStringLiteral("%1\n\n%2")
                                     .arg(cTranslations->errorMessage(uiCode),
                                          cTranslations->errorCodeText(uiCode));
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
}

void CAppMainWindow::showProject(const CProjectRuntimeData *cRuntimeData)
{
    // Opening let only projects with inspection data through.
    const CCorvaneProject *cProject = cRuntimeData->corvaneProject();
    if (const CInspectionStandard *cStandard = cRuntimeData->inspectionStandard())
        tvProject->setProject(cProject, cStandard->textDelimiter());
    twProperties->setObject(nullptr);

    const QString sVideoDirectory = videosDirectory(cProject->directory());
    QStringList cPlaylist;
    for (int iSection = 0; iSection < cProject->sectionCount(); ++iSection) {
        const CInspectionSegment *cSection = cProject->sectionAt(iSection);
        if (!cSection)
            continue;
        for (const QString &sName : cSection->videoFiles()) {
            const QString sPath = mediaFilePath(sVideoDirectory, sName);
            if (!sPath.isEmpty())
                cPlaylist.append(sPath);
        }
    }
    mpVideo->setPlaylist(cPlaylist);
    setProjectActionsEnabled(true);
}

void CAppMainWindow::onactionQuitTriggered() { close(); }

void CAppMainWindow::onactionOpenTriggered()
{
    const QString sDirectory = QFileDialog::getExistingDirectory(
        this, tr("Select a project directory"), QDir::homePath(),
        QFileDialog::ShowDirsOnly | QFileDialog::ReadOnly);
    if (sDirectory.isEmpty())
        return;
    openProjectAt(sDirectory);
}

void CAppMainWindow::onactionCloseTriggered() { closeCurrentProject(); }

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
    CPrintoutSettingsDialog::instance(this)->showPrintoutSettings(*cProject, *cData->inspectionStandard(),
                                                                 *cData->printoutLayout(), *cData->damageClassList(),
                                                                 sLogoImagePath, sLogoTextPath);
}

void CAppMainWindow::onactionInfoTriggered()
{
    const QString sText = tr("Version ") + CApplicationContext::applicationVersion()
        + QStringLiteral("\n\n")
        + tr("This program uses the Qt library under the GNU Lesser General Public "
             "License (LGPL) version 3. The source code of Qt can be downloaded from "
             "https://download.qt.io/.");
    QMessageBox::about(this, g_sWindowTitle, sText);
}

void CAppMainWindow::onactionExpandAllTriggered() { tvProject->expandAll(); }

void CAppMainWindow::onactionCollapseAllTriggered() { tvProject->collapseAll(); }

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
        const QString sPath = mediaFilePath(videosDirectory(cSection.project()->directory()),
                                            cVideoFiles.first());
        if (!sPath.isEmpty()) {
            mpVideo->loadMedia(sPath, 0, 0, 0);
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
    QPixmap cPixmap;
    if (sPath.isEmpty() || !cPixmap.load(sPath)) {
        cLabel->clear();
        return;
    }
    cLabel->setPixmap(cPixmap);
}

void CAppMainWindow::onMediaFileChanged(const QString & /*cMediaFile*/) {}

void CAppMainWindow::onMediaTimeIndexChanged(uint /*uiHours*/, uint /*uiMinutes*/, uint /*uiSeconds*/) {}
