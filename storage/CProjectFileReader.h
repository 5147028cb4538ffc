#pragma once

#include "model/CPropertyList.h"

#include <QDate>
#include <QString>

#include <atomic>
#include <memory>

class CBaseProject;
class CCorvaneProject;
class CIniReader;
class CInspectionSegment;
class CPropertyStore;
class IProjectOpenObserver;

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

// What a reading thread reuses from one property list to the next: the
// store its lists go into (none: each list keeps its own block) and the
// buffers they are built in.
struct PropertyListBuffers
{
    PropertyListBuffers();
    ~PropertyListBuffers();
    PropertyListBuffers(PropertyListBuffers &&) noexcept;
    PropertyListBuffers &operator=(PropertyListBuffers &&) noexcept;

    std::unique_ptr<CPropertyStore> cStore;
    CPropertyList::Builder cBuilder;
    QString sValue;
    QString sCode;
};

// How a project is read: the threads that read event files (0: one per
// processor core; the result is the same for any number) and who follows
// the progress and may cancel (none by default).
struct ProjectLoadOptions
{
    int iThreads = 0;
    IProjectOpenObserver *cObserver = nullptr;
};

// Reads a project directory's files into the data objects. Only reads:
// every file goes through CIniReader, which never writes back. Damaged
// section and event files are tolerated; only a missing directory, an
// unsupported version and a missing name are errors (ProjectAccess codes).
// "project.dat" is parsed once per reader, however often it is asked.
//
// The section groups and the event files are read on several threads,
// each into its own section, so the project comes out the same whatever
// the thread count.
class CProjectFileReader
{
public:
    enum PropertyMode {
        ReplaceProperties, // empty the list, then append every element
        MergeProperties    // only fill properties whose id the list holds
    };

    explicit CProjectFileReader(const QString &sProjectDirectory, const ProjectLoadOptions &cOptions = {});
    ~CProjectFileReader();
    CProjectFileReader(const CProjectFileReader &) = delete;
    CProjectFileReader &operator=(const CProjectFileReader &) = delete;

    // The project directory with a trailing "/".
    QString projectDirectory() const { return m_sDirectory; }

    // Checks and reads "project.dat"; a ProjectAccess result.
    int readProjectFile(ProjectFileInfo &cInfo) const;
    // The checked master data into the project, and the project directory.
    void fillProject(const ProjectFileInfo &cInfo, CBaseProject *cProject) const;
    // Address blocks, sections and events, then the sort. False when the
    // observer canceled; the project then has no sections.
    bool readInspectionData(CCorvaneProject *cProject) const;

    void readAddressBlocks(CCorvaneProject *cProject) const;
    // False when canceled (then no section is added).
    bool readSections(CCorvaneProject *cProject) const;
    // One section group of "segments.dat", without its events.
    static std::unique_ptr<CInspectionSegment> readSection(CIniReader &cReader, const QString &sGroup,
                                                           CCorvaneProject *cProject, PropertyListBuffers &cBuffers);
    void readEvents(CInspectionSegment *cSection, PropertyListBuffers &cBuffers) const;

    // The "property" array of the reader's current group.
    static void readPropertyArray(CIniReader &cReader, CPropertyList *cList, PropertyMode eMode,
                                  PropertyListBuffers *cBuffers = nullptr);
    // Decimal id of a group name; anything else is 0.
    static int idOfGroupName(const QString &sGroup);
    // The thread count the options stand for.
    static int threadCount(const ProjectLoadOptions &cOptions);

private:
    // "project.dat", opened on first use.
    CIniReader &projectFile() const;
    bool isCanceled() const;
    // Counts a file read and tells the observer.
    void fileRead() const;

    QString m_sDirectory;
    ProjectLoadOptions m_cOptions;
    mutable std::unique_ptr<CIniReader> m_cProjectFile;
    mutable std::atomic<int> m_iFilesRead{0};
    mutable std::atomic<int> m_iFilesTotal{0};
};
