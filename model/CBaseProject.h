#pragma once

#include "model/CDataCoreObject.h"

#include <QDate>
#include <QString>

// Project master data as read from project.dat. A plain base project carries
// no inspection data; CCorvaneProject adds sections and address blocks.
class CBaseProject : public CDataCoreObject
{
public:
    explicit CBaseProject(bool bExtended = false);
    ~CBaseProject() override;

    QDate lastModified() const { return m_lastModified; }
    QDate created() const { return m_created; }
    QString name() const { return m_sName; }
    // Absolute project directory, always ending in "/".
    QString directory() const { return m_sDirectory; }
    QString inspectionStandard() const { return m_sInspectionStandard; }
    bool extended() const { return m_bExtended; }
    int version() const { return m_iVersion; }

    void setLastModified(const QDate &dDate) { m_lastModified = dDate; }
    void setCreated(const QDate &dDate) { m_created = dDate; }
    void setName(const QString &sName) { m_sName = sName; }
    void setDirectory(const QString &sDirectory) { m_sDirectory = sDirectory; }
    void setInspectionStandard(const QString &sName) { m_sInspectionStandard = sName; }
    void setVersion(int iVersion) { m_iVersion = iVersion; }

private:
    QDate m_lastModified;
    QDate m_created;
    QString m_sName;
    QString m_sDirectory;
    QString m_sInspectionStandard;
    bool m_bExtended;
    int m_iVersion = 1;
};
