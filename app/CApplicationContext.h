#pragma once

#include <QString>

#include <memory>

class CCatalogRegistry;
class IPersistenceFacade;
class QTranslator;

// The one process-wide context: owns the storage layer, the catalog and
// locale registry and the installed translation, and knows the paths of the
// installation directory.
class CApplicationContext
{
public:
    // The installation directory defaults to the executable's directory; the
    // locale name to the system locale's. Tests and the headless tool pass
    // their own.
    explicit CApplicationContext(const QString &sApplicationDirectory = QString(),
                                 const QString &sLocaleName = QString());
    ~CApplicationContext();
    CApplicationContext(const CApplicationContext &) = delete;
    CApplicationContext &operator=(const CApplicationContext &) = delete;

    static CApplicationContext *instance();
    // Takes ownership; destroyInstance deletes it and clears the pointer.
    static void setInstance(CApplicationContext *cContext);
    static void destroyInstance();

    IPersistenceFacade *persistenceFacade() const { return m_facade.get(); }
    CCatalogRegistry *catalogRegistry() const { return m_registry.get(); }
    const QTranslator *translator() const { return m_translator.get(); }

    void installLanguageFile(const QString &sLanguageFile);
    void removeTranslator();

    static QString applicationVersion();
    QString applicationDirectory() const;
    QString localesFilePath() const;
    QString catalogsFilePath() const;
    QString languageFilesDirectory() const;
    QString printoutLayoutsDirectory() const;
    QString catalogPrintoutDataDirectory() const;
    QString catalogBaseDataDirectory() const;

    // The language record for a locale name: by full code, then by its first
    // two letters; empty when nothing matches.
    QString languageFileForLocale(const QString &sLocaleName) const;

private:
    // Members are declared in the order translator, registry, facade; the
    // destructor tears them down explicitly in the reverse order it needs.
    QString m_sApplicationDirectory;
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<CCatalogRegistry> m_registry;
    std::unique_ptr<IPersistenceFacade> m_facade;
};
