#pragma once

#include <QString>

#include <memory>

class CBaseProject;
class CProjectFileReader;
struct ProjectFileInfo;

// Access object of a project without inspection data: owns the project and
// reads its master data from "project.dat". Deleting it deletes the project.
class CDAOBaseProject
{
public:
    // Creates a plain project (extended flag false).
    CDAOBaseProject();
    virtual ~CDAOBaseProject();
    CDAOBaseProject(const CDAOBaseProject &) = delete;
    CDAOBaseProject &operator=(const CDAOBaseProject &) = delete;

    CBaseProject *project() const { return m_cProject.get(); }

    // Reads the project directory into the project; a ProjectAccess result.
    int load(const QString &sProjectDirectory);
    // Loads from a project file that has passed the checks: its master data
    // comes from the checked values, and the reader's copy of "project.dat"
    // is not read again from disk. False when the reader's observer
    // canceled.
    virtual bool loadProbed(const CProjectFileReader &cReader, const ProjectFileInfo &cInfo);

protected:
    explicit CDAOBaseProject(std::unique_ptr<CBaseProject> cProject);

private:
    std::unique_ptr<CBaseProject> m_cProject;
};
