#include "app/CApplicationContext.h"

#include "app/CInstallationCatalogLoader.h"
#include "app/TranslationFile.h"
#include "metadata/CCatalogRegistry.h"
#include "storage/CBasePersistenceFacade.h"
#include "storage/ContainedFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
// Our language files are some ten kilobytes; a file far larger is no
// language file of ours.
constexpr qint64 kMaxLanguageFileBytes = 16 * 1024 * 1024;
CApplicationContext *g_cInstance = nullptr;
} // namespace

CApplicationContext::CApplicationContext(const QString &sApplicationDirectory, const QString &sLocaleName)
    : m_sApplicationDirectory(sApplicationDirectory.isEmpty() ? QCoreApplication::applicationDirPath()
                                                              : sApplicationDirectory)
{
    if (!m_sApplicationDirectory.isEmpty() && !m_sApplicationDirectory.endsWith(QLatin1Char('/')))
        m_sApplicationDirectory += QLatin1Char('/');

    // The facade reaches the catalogs through the context, so it loads them
    // only once the registry below exists.
    m_facade = std::make_unique<CBasePersistenceFacade>(std::make_unique<CInstallationCatalogLoader>(*this));
    m_registry = std::make_unique<CCatalogRegistry>(localesFilePath(), catalogsFilePath());

    const QString sLocale = sLocaleName.isEmpty() ? QLocale::system().name() : sLocaleName;
    const CLocaleRecord *cRecord = localeRecordFor(sLocale);
    if (cRecord && !cRecord->sLanguageFile.isEmpty()) {
        installLanguageFile(cRecord->sLanguageFile);
        // Dialogs and standard buttons of the toolkit speak the same language.
        installToolkitTranslation(cRecord->sLocaleCode);
    }
}

CApplicationContext::~CApplicationContext()
{
    m_facade.reset(); // closes every project still open
    m_registry.reset();
    removeTranslator();
    removeToolkitTranslator();
}

CApplicationContext *CApplicationContext::instance()
{
    return g_cInstance;
}

void CApplicationContext::setInstance(CApplicationContext *cContext)
{
    g_cInstance = cContext;
}

void CApplicationContext::destroyInstance()
{
    delete g_cInstance;
    g_cInstance = nullptr;
}

const CLocaleRecord *CApplicationContext::localeRecordFor(const QString &sLocaleName) const
{
    const CLocaleRecord *cRecord = m_registry->findLocaleByCode(sLocaleName);
    if (!cRecord)
        cRecord = m_registry->findLocaleByLanguage(sLocaleName.left(2));
    return cRecord;
}

QString CApplicationContext::languageFileForLocale(const QString &sLocaleName) const
{
    const CLocaleRecord *cRecord = localeRecordFor(sLocaleName);
    return cRecord ? cRecord->sLanguageFile : QString();
}

void CApplicationContext::installLanguageFile(const QString &sLanguageFile)
{
    removeTranslator();
    m_translator = std::make_unique<QTranslator>();
    // A missing or damaged file leaves an installed translator that
    // translates nothing. The bytes are read and checked here, and the
    // translator reads our copy: it would trust a damaged file's offsets
    // (and a file mapped from disk could change under it).
    m_translatorData.clear();
    const QString sDirectory = languageFilesDirectory();
    if (nameStaysInside(sDirectory, sLanguageFile)) {
        for (const QString &sName : {sLanguageFile + QStringLiteral(".qm"), sLanguageFile}) {
            QFile file;
            if (!openFileInside(file, sDirectory, sDirectory + sName))
                continue;
            const QByteArray data = file.read(kMaxLanguageFileBytes);
            if (isWellFormedTranslation(data)) {
                m_translatorData = data;
                (void)m_translator->load(reinterpret_cast<const uchar *>(m_translatorData.constData()),
                                         static_cast<int>(m_translatorData.size()), sDirectory);
            }
            break;
        }
    }
    QCoreApplication::installTranslator(m_translator.get());
}

void CApplicationContext::removeTranslator()
{
    if (!m_translator)
        return;
    QCoreApplication::removeTranslator(m_translator.get());
    m_translator.reset();
}

bool CApplicationContext::installToolkitTranslation(const QString &sLocaleCode, const QString &sDirectory)
{
    removeToolkitTranslator();
    const QString sLookIn = sDirectory.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : sDirectory;
    const QLocale cLocale(sLocaleCode);
    auto cTranslator = std::make_unique<QTranslator>();
    // "qt_de" gathers the toolkit's modules; older sets ship "qtbase_de" alone.
    if (!cTranslator->load(cLocale, QStringLiteral("qt"), QStringLiteral("_"), sLookIn)
        && !cTranslator->load(cLocale, QStringLiteral("qtbase"), QStringLiteral("_"), sLookIn))
        return false;
    m_toolkitTranslator = std::move(cTranslator);
    QCoreApplication::installTranslator(m_toolkitTranslator.get());
    return true;
}

void CApplicationContext::removeToolkitTranslator()
{
    if (!m_toolkitTranslator)
        return;
    QCoreApplication::removeTranslator(m_toolkitTranslator.get());
    m_toolkitTranslator.reset();
}

QString CApplicationContext::applicationVersion()
{
    return QStringLiteral("2.11.8");
}

QString CApplicationContext::applicationDirectory() const
{
    return m_sApplicationDirectory;
}

QString CApplicationContext::localesFilePath() const
{
    return m_sApplicationDirectory + QStringLiteral("Locales.dat");
}

QString CApplicationContext::catalogsFilePath() const
{
    return m_sApplicationDirectory + QStringLiteral("Catalogs.dat");
}

QString CApplicationContext::languageFilesDirectory() const
{
    return m_sApplicationDirectory + QStringLiteral("LanguageFiles/");
}

QString CApplicationContext::printoutLayoutsDirectory() const
{
    return m_sApplicationDirectory + QStringLiteral("PrintoutLayouts/");
}

QString CApplicationContext::catalogPrintoutDataDirectory() const
{
    return m_sApplicationDirectory + QStringLiteral("CatalogPrintoutData/");
}

QString CApplicationContext::catalogBaseDataDirectory() const
{
    return m_sApplicationDirectory + QStringLiteral("CatalogBaseData/");
}
