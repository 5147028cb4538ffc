#pragma once

#include "ui_MainWindow.h"

#include <QHash>
#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>

class CCorvaneProject;
class CInspectionEvent;
class CInspectionSegment;
class CProjectOpenProgress;
class CProjectRuntimeData;
class CViewerSettings;
class IPersistenceFacade;
class QLabel;
class QProgressDialog;
class QUrl;

// The viewer's single top-level window: menus, project tree, property
// table, video player and the two photo tabs. Turns the tree's selection
// into content and carries out the user's commands.
class CAppMainWindow : public QMainWindow, public Ui_MainWindow
{
    Q_OBJECT
public:
    // Asks for a project directory: parent, title, the directory to start in.
    using DirectoryChooser = std::function<QString(QWidget *, const QString &, const QString &)>;
    // Asks for a file to write: parent, caption, proposed name, filter.
    using SaveFileNameProvider = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;
    // Hands a file or link to the desktop (a PDF to its viewer); false when
    // nothing could open it.
    using UrlOpener = std::function<bool(const QUrl &)>;

    explicit CAppMainWindow(QWidget *parent = nullptr);
    ~CAppMainWindow() override;

    static CAppMainWindow *instance();
    static void setInstance(CAppMainWindow *cWindow);

    // Title, the window's last size and place, show, reset, then the
    // program's command line.
    void showMainWindow();
    // The start directory named on the command line ("/" separators, final
    // "/"), or empty.
    QString startPath() const { return m_sStartPath; }
    // Handles a command-line text as the show step does.
    void handleCommandLine(const QString &sCommandLine);
    // Reads the project on another thread while the window goes on
    // answering; a read that takes longer than kOpenProgressDelayMs shows a
    // progress dialog with Cancel. Returns when the project is shown, has
    // been refused or the open was canceled. Ignored while an open runs.
    void openProjectAt(const QString &sDirectory);
    bool isOpening() const { return m_cOpenProgress != nullptr; }
    static constexpr int kOpenProgressDelayMs = 300;
    void closeCurrentProject();
    // The storage layer used for opening and closing; by default (null) the
    // application context's. Not owned.
    void setPersistenceFacade(IPersistenceFacade *cFacade) { m_cFacade = cFacade; }
    CViewerSettings &settings() const { return *m_cSettings; }

    // Tests replace the dialogs and the desktop.
    void setDirectoryChooser(DirectoryChooser chooser) { m_directoryChooser = std::move(chooser); }
    void setSaveFileNameProvider(SaveFileNameProvider provider) { m_saveFileNameProvider = std::move(provider); }
    void setUrlOpener(UrlOpener opener) { m_urlOpener = std::move(opener); }

    // The last report written in this run, empty before the first.
    QString lastReportFile() const { return m_sLastReportFile; }

public slots:
    void onactionQuitTriggered();
    void onactionOpenTriggered();
    void onactionCloseTriggered();
    void onactionCreateReportTriggered();
    void onactionInfoTriggered();
    void onactionExpandAllTriggered();
    void onactionCollapseAllTriggered();
    void ontabWidgetCurrentChanged(int iIndex);
    void onProjectSelected(const CCorvaneProject &cProject);
    void onSectionSelected(const CInspectionSegment &cSection);
    void onEventSelected(const CInspectionEvent &cEvent);
    void onMediaFileChanged(const QString &cMediaFile);
    void onMediaTimeIndexChanged(uint uiHours, uint uiMinutes, uint uiSeconds);
    void onactionPlayPauseTriggered();
    void onactionSeekBackwardTriggered();
    void onactionSeekForwardTriggered();
    void onactionSaveFrameTriggered();
    void onmenuOpenRecentAboutToShow();
    void onReportWritten(const QString &sFileName);
    void onlblStatusReportLinkActivated(const QString &sLink);

protected:
    void closeEvent(QCloseEvent *cEvent) override;
    void dragEnterEvent(QDragEnterEvent *cEvent) override;
    void dropEvent(QDropEvent *cEvent) override;

private:
    IPersistenceFacade *facade() const;
    void resetWindow();
    void showProject(const CProjectRuntimeData *cRuntimeData);
    int openInBackground(IPersistenceFacade &cFacade, const QString &sDirectory, CProjectRuntimeData *&cRuntimeData);
    static void updateOpenProgress(QProgressDialog &cDialog, const CProjectOpenProgress &cProgress,
                                   const QString &sDirectory);
    void setProjectActionsEnabled(bool bEnabled);
    void clearPhotos();
    void pauseUnlessVideoTabShown();
    void rebuildRecentMenu();
    void restoreWindowState();
    void saveWindowState() const;
    QString frameFileProposal() const;
    static void showPhoto(QLabel *cLabel, const QString &sPhotoDirectory, const QString &sName);

    QString m_sStartPath;
    IPersistenceFacade *m_cFacade = nullptr;
    std::unique_ptr<CViewerSettings> m_cSettings;
    // Section name of every video in the playlist, for naming saved frames.
    QHash<QString, QString> m_sectionOfVideo;
    QString m_sMediaSection;
    QString m_sLastReportFile;
    QLabel *m_cStatusReport = nullptr;
    // The open that is running, or null.
    CProjectOpenProgress *m_cOpenProgress = nullptr;
    bool m_bClosedWhileOpening = false;
    DirectoryChooser m_directoryChooser;
    SaveFileNameProvider m_saveFileNameProvider;
    UrlOpener m_urlOpener;
};
