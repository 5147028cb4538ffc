#include "storage/CDAOBaseProject.h"

#include "model/CBaseProject.h"
#include "storage/CProjectFileReader.h"

CDAOBaseProject::CDAOBaseProject()
    : m_cProject(std::make_unique<CBaseProject>(false))
{
}

CDAOBaseProject::CDAOBaseProject(std::unique_ptr<CBaseProject> cProject)
    : m_cProject(std::move(cProject))
{
}

CDAOBaseProject::~CDAOBaseProject() = default;

int CDAOBaseProject::load(const QString &sProjectDirectory)
{
    return CProjectFileReader(sProjectDirectory).readProjectInto(m_cProject.get());
}
