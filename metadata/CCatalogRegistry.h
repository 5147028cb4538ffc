#pragma once

#include "metadata/CCatalogRecord.h"
#include "metadata/CLocaleRecord.h"

#include <QString>

#include <vector>

// The installation's languages (Locales.dat) and coding catalogs
// (Catalogs.dat), in file order. Missing or damaged files give empty lists.
class CCatalogRegistry
{
public:
    CCatalogRegistry(const QString &sLocalesFilePath, const QString &sCatalogsFilePath);

    // First record whose code equals sCode exactly.
    const CLocaleRecord *findLocaleByCode(const QString &sCode) const;
    // First record whose code starts with the two characters sLanguage.
    const CLocaleRecord *findLocaleByLanguage(const QString &sLanguage) const;
    // First enabled catalog of a known format with that internal name.
    const CCatalogRecord *findCatalog(const QString &sInternalName) const;

    const std::vector<CLocaleRecord> &locales() const { return m_locales; }
    const std::vector<CCatalogRecord> &catalogs() const { return m_catalogs; }

private:
    void loadLocales(const QString &sPath);
    void loadCatalogs(const QString &sPath);

    std::vector<CLocaleRecord> m_locales;
    std::vector<CCatalogRecord> m_catalogs;
};
