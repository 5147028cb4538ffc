#pragma once

#include "storage/IProjectCatalogData.h"

#include <memory>

// The three catalog files of an open project, owned together and handed to
// the storage layer behind IProjectCatalogData.
class CProjectCatalogData : public IProjectCatalogData
{
public:
    CProjectCatalogData(std::unique_ptr<CInspectionStandard> cStandard, std::unique_ptr<PrintoutLayout> cLayout,
                        std::unique_ptr<CDamageClassList> cDamageClasses);
    ~CProjectCatalogData() override;
    CProjectCatalogData(const CProjectCatalogData &) = delete;
    CProjectCatalogData &operator=(const CProjectCatalogData &) = delete;

    const CInspectionStandard *inspectionStandard() const override { return m_cStandard.get(); }
    const PrintoutLayout *printoutLayout() const override { return m_cLayout.get(); }
    const CDamageClassList *damageClassList() const override { return m_cDamageClasses.get(); }

private:
    std::unique_ptr<CInspectionStandard> m_cStandard;
    std::unique_ptr<PrintoutLayout> m_cLayout;
    std::unique_ptr<CDamageClassList> m_cDamageClasses;
};
