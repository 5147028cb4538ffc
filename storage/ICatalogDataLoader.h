#pragma once

#include <QString>

#include <memory>

class IProjectCatalogData;

// How the facade gets the catalog files of a project with inspection data.
// The application context provides the loader that reads them from the
// installation directory; tests can hand the facade a stub.
class ICatalogDataLoader
{
public:
    virtual ~ICatalogDataLoader() = default;
    // The catalog data for a project's inspection standard name, or null when
    // the catalog is not registered or one of its files does not load.
    virtual std::unique_ptr<IProjectCatalogData> loadCatalogData(const QString &sInspectionStandard) const = 0;
};
