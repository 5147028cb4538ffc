#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>

// What the viewer keeps between runs, in the user's configuration (the
// toolkit's settings in their standard user location, never in a project
// directory): the recently opened projects, the directories last used and
// the window's geometry and splitter positions. Needs no widgets.
class CViewerSettings
{
public:
    static constexpr int iMaxRecentProjects = 8;

    // The names that place the configuration file; the entry function gives
    // them to the application as well.
    static QString organizationName();
    static QString applicationName();

    CViewerSettings();
    CViewerSettings(const CViewerSettings &) = delete;
    CViewerSettings &operator=(const CViewerSettings &) = delete;

    // Most recent first, at most iMaxRecentProjects, without duplicates;
    // absolute directory paths with "/" separators and no trailing "/".
    QStringList recentProjects() const;
    // Puts the directory first (moving it up when it is already listed).
    void addRecentProject(const QString &sDirectory);
    void removeRecentProject(const QString &sDirectory);
    void clearRecentProjects();

    // The directory the Open dialog starts in: the last project opened.
    QString lastProjectDirectory() const;
    // Where the last video frame was saved.
    QString lastFrameDirectory() const;
    void setLastFrameDirectory(const QString &sDirectory);

    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray &cGeometry);
    QByteArray splitterState(const QString &sSplitterName) const;
    void setSplitterState(const QString &sSplitterName, const QByteArray &cState);

    // The same directory in the form the list keeps, for comparisons.
    static QString normalisedDirectory(const QString &sDirectory);

private:
    void writeRecentProjects(const QStringList &cProjects);

    mutable QSettings m_cSettings;
};
