#pragma once

#include <memory>

class CBaseProject;
class CCorvaneProject;
class CDamageClassList;
class CInspectionStandard;
class PrintoutLayout;

// What the rest of the program reaches an open project through: the project
// (owned by its access object) and the catalog files loaded for it. Owns
// the standard, the layout and the damage class list, never the project.
class CProjectRuntimeData
{
public:
    // A project without inspection data passes three nulls.
    CProjectRuntimeData(CBaseProject *cProject,
                        std::unique_ptr<CInspectionStandard> cStandard,
                        std::unique_ptr<PrintoutLayout> cLayout,
                        std::unique_ptr<CDamageClassList> cDamageClasses);
    virtual ~CProjectRuntimeData();
    CProjectRuntimeData(const CProjectRuntimeData &) = delete;
    CProjectRuntimeData &operator=(const CProjectRuntimeData &) = delete;

    CBaseProject *project() const { return m_cProject; }
    // The project as a project with inspection data, or null.
    CCorvaneProject *corvaneProject() const;
    const CInspectionStandard *inspectionStandard() const { return m_cStandard.get(); }
    const PrintoutLayout *printoutLayout() const { return m_cLayout.get(); }
    const CDamageClassList *damageClassList() const { return m_cDamageClasses.get(); }
    // The project's extended flag.
    bool hasInspectionData() const;

private:
    CBaseProject *m_cProject;
    std::unique_ptr<CInspectionStandard> m_cStandard;
    std::unique_ptr<PrintoutLayout> m_cLayout;
    std::unique_ptr<CDamageClassList> m_cDamageClasses;
};
