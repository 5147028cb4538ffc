#pragma once

#include "storage/ICatalogDataLoader.h"

class CApplicationContext;

// Loads a project's catalog files from the installation directory of an
// application context: the catalog of the context's registry, then its
// inspection standard, printout layout and damage class list, each path the
// plain concatenation of the context's directory and the catalog's file name.
class CInstallationCatalogLoader : public ICatalogDataLoader
{
public:
    // The context must outlive the loader; its registry is looked up only
    // when a project is loaded.
    explicit CInstallationCatalogLoader(const CApplicationContext &cContext);

    std::unique_ptr<IProjectCatalogData> loadCatalogData(const QString &sInspectionStandard) const override;

private:
    const CApplicationContext &m_cContext;
};
