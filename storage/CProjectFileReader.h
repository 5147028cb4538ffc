#pragma once

#include <QDate>
#include <QString>

#include <memory>

class CBaseProject;
class CCorvaneProject;
class CIniReader;
class CInspectionSegment;
class CPropertyList;

// Master data of "project.dat" as the checks and the loads need it.
struct ProjectFileInfo
{
    int iVersion = 0;
    QString sName;
    QString sInspectionStandard;
    bool bExtended = false;
    QDate lastModified;
    QDate created;
};

// Reads a project directory's files into the data objects. Only reads:
// every file goes through CIniReader, which never writes back. Damaged
// section and event files are tolerated; only a missing directory, an
// unsupported version and a missing name are errors (ProjectAccess codes).
// "project.dat" is parsed once per reader, however often it is asked.
class CProjectFileReader
{
public:
    enum PropertyMode {
        ReplaceProperties, // empty the list, then append every element
        MergeProperties    // only fill properties whose id the list holds
    };

    explicit CProjectFileReader(const QString &sProjectDirectory);
    ~CProjectFileReader();
    CProjectFileReader(const CProjectFileReader &) = delete;
    CProjectFileReader &operator=(const CProjectFileReader &) = delete;

    // The project directory with a trailing "/".
    QString projectDirectory() const { return m_sDirectory; }

    // Checks and reads "project.dat"; a ProjectAccess result.
    int readProjectFile(ProjectFileInfo &cInfo) const;
    // The checked master data into the project, and the project directory.
    void fillProject(const ProjectFileInfo &cInfo, CBaseProject *cProject) const;
    // Address blocks, sections and events, then the sort.
    void readInspectionData(CCorvaneProject *cProject) const;

    void readAddressBlocks(CCorvaneProject *cProject) const;
    void readSections(CCorvaneProject *cProject) const;
    void readEvents(CInspectionSegment *cSection) const;

    // The "property" array of the reader's current group.
    static void readPropertyArray(CIniReader &cReader, CPropertyList *cList, PropertyMode eMode);
    // Decimal id of a group name; anything else is 0.
    static int idOfGroupName(const QString &sGroup);

private:
    // "project.dat", opened on first use.
    CIniReader &projectFile() const;

    QString m_sDirectory;
    mutable std::unique_ptr<CIniReader> m_cProjectFile;
};
