#include "storage/CDAOBaseProject.h"

#include "model/CBaseProject.h"
#include "storage/CProjectFileReader.h"
#include "storage/StorageErrors.h"

CDAOBaseProject::CDAOBaseProject() : m_cProject(std::make_unique<CBaseProject>(false))
{
}

CDAOBaseProject::CDAOBaseProject(std::unique_ptr<CBaseProject> cProject) : m_cProject(std::move(cProject))
{
}

CDAOBaseProject::~CDAOBaseProject() = default;

int CDAOBaseProject::load(const QString &sProjectDirectory)
{
    const CProjectFileReader reader(sProjectDirectory);
    ProjectFileInfo info;
    const int iResult = reader.readProjectFile(info);
    if (iResult == ProjectAccess::Ok && !loadProbed(reader, info))
        return ProjectAccess::Canceled;
    return iResult;
}

bool CDAOBaseProject::loadProbed(const CProjectFileReader &cReader, const ProjectFileInfo &cInfo)
{
    cReader.fillProject(cInfo, m_cProject.get());
    return true;
}
