#include "storage/CDAOCorvaneProject.h"

#include "model/CCorvaneProject.h"
#include "model/CPropertyList.h"
#include "storage/CProjectFileReader.h"
#include "storage/StorageErrors.h"

namespace {
constexpr int kAddressPropertyCount = 10;

std::unique_ptr<CBaseProject> newCorvaneProject()
{
    return std::make_unique<CCorvaneProject>(CPropertyList::withIds(kAddressPropertyCount).release(),
                                             CPropertyList::withIds(kAddressPropertyCount).release(),
                                             CPropertyList::withIds(kAddressPropertyCount).release());
}
} // namespace

CDAOCorvaneProject::CDAOCorvaneProject()
    : CDAOBaseProject(newCorvaneProject())
{
}

CDAOCorvaneProject::~CDAOCorvaneProject() = default;

CCorvaneProject *CDAOCorvaneProject::corvaneProject() const
{
    return static_cast<CCorvaneProject *>(project());
}

int CDAOCorvaneProject::load(const QString &sProjectDirectory)
{
    const CProjectFileReader reader(sProjectDirectory);
    const int iResult = reader.readProjectInto(project());
    if (iResult != ProjectAccess::Ok)
        return iResult;
    reader.readInspectionData(corvaneProject());
    return ProjectAccess::Ok;
}
