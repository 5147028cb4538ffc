#pragma once

#include "ui_MainWindow.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class CCorvaneProject;
class CInspectionEvent;
class CInspectionSegment;
class CProjectRuntimeData;
class IPersistenceFacade;
class QLabel;

// The viewer's single top-level window: menus, project tree, property
// table, video player and the two photo tabs. Turns the tree's selection
// into content and carries out the user's commands.
class CAppMainWindow : public QMainWindow, public Ui_MainWindow
{
    Q_OBJECT
public:
    explicit CAppMainWindow(QWidget *parent = nullptr);
    ~CAppMainWindow() override;

    static CAppMainWindow *instance();
    static void setInstance(CAppMainWindow *cWindow);

    // Title, show, reset, then the program's command line.
    void showMainWindow();
    // The start directory named on the command line ("/" separators, final
    // "/"), or empty.
    QString startPath() const { return m_sStartPath; }
    // Handles a command-line text as the show step does.
    void handleCommandLine(const QString &sCommandLine);
    void openProjectAt(const QString &sDirectory);
    void closeCurrentProject();
    // The storage layer used for opening and closing; by default (null) the
    // application context's. Not owned.
    void setPersistenceFacade(IPersistenceFacade *cFacade) { m_cFacade = cFacade; }

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

private:
    IPersistenceFacade *facade() const;
    void resetWindow();
    void showProject(const CProjectRuntimeData *cRuntimeData);
    void setProjectActionsEnabled(bool bEnabled);
    void clearPhotos();
    void pauseUnlessVideoTabShown();
    static void showPhoto(QLabel *cLabel, const QString &sPhotoDirectory, const QString &sName);
    QString m_sStartPath;
    IPersistenceFacade *m_cFacade = nullptr;
};
