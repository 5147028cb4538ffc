#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class CCatalogRegistry;
struct CLocaleRecord;
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
    // The toolkit's own translation (standard buttons, file dialogs), in the
    // language of the program's; null when none is installed.
    const QTranslator *toolkitTranslator() const { return m_toolkitTranslator.get(); }

    void installLanguageFile(const QString &sLanguageFile);
    void removeTranslator();
    // Installs the toolkit's translation for a locale code ("de_DE") from
    // sDirectory, by default the toolkit's translations directory. A missing
    // file is no error: then none is installed. True when one was.
    bool installToolkitTranslation(const QString &sLocaleCode, const QString &sDirectory = QString());
    void removeToolkitTranslator();

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
    const CLocaleRecord *localeRecordFor(const QString &sLocaleName) const;

    // Members are declared in the order translator, registry, facade; the
    // destructor tears them down explicitly in the reverse order it needs.
    QString m_sApplicationDirectory;
    std::unique_ptr<QTranslator> m_translator;
    QByteArray m_translatorData; // what m_translator reads; it does not copy
    std::unique_ptr<QTranslator> m_toolkitTranslator;
    std::unique_ptr<CCatalogRegistry> m_registry;
    std::unique_ptr<IPersistenceFacade> m_facade;
};
