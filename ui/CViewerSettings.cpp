#include "ui/CViewerSettings.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString g_sRecentProjectsKey = QStringLiteral("recentProjects");
const QString g_sLastFrameDirectoryKey = QStringLiteral("lastFrameDirectory");
const QString g_sWindowGeometryKey = QStringLiteral("window/geometry");
const QString g_sSplitterKeyPrefix = QStringLiteral("window/splitter_");
} // namespace

QString CViewerSettings::organizationName()
{
    return QStringLiteral("Ostrel");
}

QString CViewerSettings::applicationName()
{
    return QStringLiteral("Corvane Viewer");
}

// The names are given explicitly, so that the file is the same whether or
// not the application object has them.
CViewerSettings::CViewerSettings()
    : m_cSettings(QSettings::NativeFormat, QSettings::UserScope, organizationName(), applicationName())
{
}

QString CViewerSettings::normalisedDirectory(const QString &sDirectory)
{
    if (sDirectory.trimmed().isEmpty())
        return QString();
    return QDir::cleanPath(QFileInfo(sDirectory).absoluteFilePath());
}

QStringList CViewerSettings::recentProjects() const
{
    // The file may have been edited by hand: clean up what it holds.
    QStringList cProjects;
    const QStringList cStored = m_cSettings.value(g_sRecentProjectsKey).toStringList();
    for (const QString &sStored : cStored) {
        const QString sDirectory = normalisedDirectory(sStored);
        if (!sDirectory.isEmpty() && !cProjects.contains(sDirectory))
            cProjects.append(sDirectory);
        if (cProjects.size() == iMaxRecentProjects)
            break;
    }
    return cProjects;
}

void CViewerSettings::writeRecentProjects(const QStringList &cProjects)
{
    if (cProjects.isEmpty())
        m_cSettings.remove(g_sRecentProjectsKey);
    else
        m_cSettings.setValue(g_sRecentProjectsKey, cProjects);
    // At once, so that another viewer running beside this one sees it.
    m_cSettings.sync();
}

void CViewerSettings::addRecentProject(const QString &sDirectory)
{
    const QString sProject = normalisedDirectory(sDirectory);
    if (sProject.isEmpty())
        return;
    QStringList cProjects = recentProjects();
    cProjects.removeAll(sProject);
    cProjects.prepend(sProject);
    writeRecentProjects(cProjects.mid(0, iMaxRecentProjects));
}

void CViewerSettings::removeRecentProject(const QString &sDirectory)
{
    QStringList cProjects = recentProjects();
    if (cProjects.removeAll(normalisedDirectory(sDirectory)) > 0)
        writeRecentProjects(cProjects);
}

void CViewerSettings::clearRecentProjects()
{
    writeRecentProjects(QStringList());
}

QString CViewerSettings::lastProjectDirectory() const
{
    const QStringList cProjects = recentProjects();
    return cProjects.isEmpty() ? QString() : cProjects.first();
}

QString CViewerSettings::lastFrameDirectory() const
{
    return normalisedDirectory(m_cSettings.value(g_sLastFrameDirectoryKey).toString());
}

void CViewerSettings::setLastFrameDirectory(const QString &sDirectory)
{
    m_cSettings.setValue(g_sLastFrameDirectoryKey, normalisedDirectory(sDirectory));
}

QByteArray CViewerSettings::windowGeometry() const
{
    return m_cSettings.value(g_sWindowGeometryKey).toByteArray();
}

void CViewerSettings::setWindowGeometry(const QByteArray &cGeometry)
{
    m_cSettings.setValue(g_sWindowGeometryKey, cGeometry);
}

QByteArray CViewerSettings::splitterState(const QString &sSplitterName) const
{
    return m_cSettings.value(g_sSplitterKeyPrefix + sSplitterName).toByteArray();
}

void CViewerSettings::setSplitterState(const QString &sSplitterName, const QByteArray &cState)
{
    m_cSettings.setValue(g_sSplitterKeyPrefix + sSplitterName, cState);
}
