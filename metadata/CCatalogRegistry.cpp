#include "metadata/CCatalogRegistry.h"

#include "storage/CIniReader.h"

CCatalogRegistry::CCatalogRegistry(const QString &sLocalesFilePath, const QString &sCatalogsFilePath)
{
    loadLocales(sLocalesFilePath);
    loadCatalogs(sCatalogsFilePath);
}

void CCatalogRegistry::loadLocales(const QString &sPath)
{
    CIniReader reader(sPath);
    reader.beginGroup(QStringLiteral("Locales"));
    const int iCount = reader.beginReadArray(QStringLiteral("Locale"));
    for (int i = 0; i < iCount; ++i) {
        reader.setArrayIndex(i);
        CLocaleRecord record;
        record.sName = reader.text(QStringLiteral("Name"));
        record.sLocaleCode = reader.text(QStringLiteral("LocaleCode"));
        record.sLanguageFile = reader.text(QStringLiteral("LanguageFile"));
        record.sHelpFile = reader.text(QStringLiteral("HelpFile"));
        record.sKeyboardLayout = reader.text(QStringLiteral("KeyboardLayout"));
        if (record.sName.isEmpty() || record.sLanguageFile.isEmpty() || record.sLocaleCode.isEmpty())
            continue;
        m_locales.push_back(record);
    }
    reader.endArray();
    reader.endGroup();
}

void CCatalogRegistry::loadCatalogs(const QString &sPath)
{
    CIniReader reader(sPath);
    reader.beginGroup(QStringLiteral("Catalogs"));
    const int iCount = reader.beginReadArray(QStringLiteral("Catalog"));
    for (int i = 0; i < iCount; ++i) {
        reader.setArrayIndex(i);
        CCatalogRecord record;
        const QString sFormat = reader.text(QStringLiteral("Format"));
        if (sFormat == QLatin1String("Ostrel"))
            record.iFormat = CCatalogRecord::FormatOstrel;
        else if (sFormat == QLatin1String("CDLab"))
            record.iFormat = CCatalogRecord::FormatCDLab;
        else
            continue;
        if (reader.text(QStringLiteral("Enabled")) != QLatin1String("true"))
            continue;
        record.sInternalName = reader.text(QStringLiteral("InternalName"));
        record.sDisplayName = reader.text(QStringLiteral("DisplayName"));
        record.sOfficialName = reader.text(QStringLiteral("OfficialName"));
        record.sFileName = reader.text(QStringLiteral("FileName"));
        record.sSupplementalFileName = reader.text(QStringLiteral("SupplementalFileName"));
        record.sBaseFileName = reader.text(QStringLiteral("BaseFileName"));
        record.sPrintoutDataFile = reader.text(QStringLiteral("PrintoutDataFile"));
        record.sPrintoutLayoutFileName = reader.text(QStringLiteral("PrintoutLayoutFileName"));
        record.sLocaleCode = reader.text(QStringLiteral("LocaleCode"));
        record.bLegacy = reader.text(QStringLiteral("Legacy")) == QLatin1String("true");
        m_catalogs.push_back(record);
    }
    reader.endArray();
    reader.endGroup();
}

const CLocaleRecord *CCatalogRegistry::findLocaleByCode(const QString &sCode) const
{
    for (const CLocaleRecord &record : m_locales) {
        if (record.sLocaleCode == sCode)
            return &record;
    }
    return nullptr;
}

const CLocaleRecord *CCatalogRegistry::findLocaleByLanguage(const QString &sLanguage) const
{
    for (const CLocaleRecord &record : m_locales) {
        if (record.sLocaleCode.left(2) == sLanguage)
            return &record;
    }
    return nullptr;
}

const CCatalogRecord *CCatalogRegistry::findCatalog(const QString &sInternalName) const
{
    for (const CCatalogRecord &record : m_catalogs) {
        if (record.sInternalName == sInternalName)
            return &record;
    }
    return nullptr;
}
