#pragma once

#include <memory>

class CBaseProject;
class CCorvaneProject;
class CDamageClassList;
class CInspectionStandard;
class IProjectCatalogData;
class PrintoutLayout;

// What the rest of the program reaches an open project through: the project
// (owned by its access object) and the catalog files loaded for it. Owns
// the catalog data (standard, layout and damage class list), never the
// project.
class CProjectRuntimeData
{
public:
    // A project without inspection data passes null catalog data.
    CProjectRuntimeData(CBaseProject *cProject, std::unique_ptr<IProjectCatalogData> cCatalogData);
    virtual ~CProjectRuntimeData();
    CProjectRuntimeData(const CProjectRuntimeData &) = delete;
    CProjectRuntimeData &operator=(const CProjectRuntimeData &) = delete;

    CBaseProject *project() const { return m_cProject; }
    // The project as a project with inspection data, or null.
    CCorvaneProject *corvaneProject() const;
    const CInspectionStandard *inspectionStandard() const;
    const PrintoutLayout *printoutLayout() const;
    const CDamageClassList *damageClassList() const;
    // The project's extended flag.
    bool hasInspectionData() const;

private:
    CBaseProject *m_cProject;
    std::unique_ptr<IProjectCatalogData> m_cCatalogData;
};
