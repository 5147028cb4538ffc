#pragma once

#include "model/CDataCoreObject.h"
#include "model/CEventList.h"

#include <QString>
#include <QStringList>

#include <memory>

class CBaseProject;
class CInspectionEvent;
class CPropertyList;

// A section: the pipe run between two manholes, with its events.
class CInspectionSegment : public CDataCoreObject
{
public:
    // Takes ownership of the property list.
    CInspectionSegment(CBaseProject *cProject, CPropertyList *cProperties, int iId);
    ~CInspectionSegment() override;

    CBaseProject *project() const { return m_cProject; }
    CPropertyList *properties() const { return m_cProperties.get(); }
    QString name() const { return m_sName; }
    int id() const { return m_iId; }
    const CEventList *events() const { return &m_events; }
    CEventList *events() { return &m_events; }
    QStringList videoFiles() const { return m_videoFiles; }
    QString inclinationFile() const { return m_sInclinationFile; }

    void setName(const QString &sName) { m_sName = sName; }
    void setInclinationFile(const QString &sName) { m_sInclinationFile = sName; }
    void addVideoFile(const QString &sName) { m_videoFiles.append(sName); }
    // Takes ownership; see CEventList::addEvent for the position.
    void addEvent(CInspectionEvent *cEvent) { m_events.addEvent(cEvent); }

    // Metres between the first and the last event (see the .cpp).
    float calculatedLength() const;

private:
    CBaseProject *m_cProject;
    std::unique_ptr<CPropertyList> m_cProperties;
    QString m_sName;
    int m_iId;
    CEventList m_events;
    QStringList m_videoFiles;
    QString m_sInclinationFile;
};
