#include "storage/CDAOCorvaneProject.h"

#include "model/CCorvaneProject.h"
#include "model/CPropertyList.h"
#include "storage/CProjectFileReader.h"

namespace {
constexpr int kAddressPropertyCount = 10;

std::unique_ptr<CBaseProject> newCorvaneProject()
{
    return std::make_unique<CCorvaneProject>(CPropertyList::withIds(kAddressPropertyCount).release(),
                                             CPropertyList::withIds(kAddressPropertyCount).release(),
                                             CPropertyList::withIds(kAddressPropertyCount).release());
}
} // namespace

CDAOCorvaneProject::CDAOCorvaneProject() : CDAOBaseProject(newCorvaneProject())
{
}

CDAOCorvaneProject::~CDAOCorvaneProject() = default;

CCorvaneProject *CDAOCorvaneProject::corvaneProject() const
{
    return static_cast<CCorvaneProject *>(project());
}

bool CDAOCorvaneProject::loadProbed(const CProjectFileReader &cReader, const ProjectFileInfo &cInfo)
{
    CDAOBaseProject::loadProbed(cReader, cInfo);
    return cReader.readInspectionData(corvaneProject());
}
