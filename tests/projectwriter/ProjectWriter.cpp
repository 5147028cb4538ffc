#include "ProjectWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ProjectWriter {

namespace {
bool isHexDigit(char16_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

void appendEscaped(QByteArray &out, const QString &sValue)
{
    // The settings class writes a leading "@" doubled, escapes control
    // characters, quotes and backslashes (and a hex digit right after a
    // "\x" escape), and quotes values with ";", "," or "=" or with blanks at
    // either end. Plain runs go out as UTF-8 in one piece.
    const qsizetype iStart = out.size();
    if (sValue.startsWith(QLatin1Char('@')))
        out += '@';
    bool bQuote = false;
    bool bEscapeNextHexDigit = false;
    qsizetype iRunStart = 0;
    const auto flush = [&](qsizetype iEnd) {
        if (iEnd > iRunStart)
            out += QStringView(sValue).mid(iRunStart, iEnd - iRunStart).toUtf8();
    };
    for (qsizetype i = 0; i < sValue.size(); ++i) {
        const char16_t c = sValue.at(i).unicode();
        if (c == ';' || c == ',' || c == '=')
            bQuote = true;
        const bool bHexAfterEscape = bEscapeNextHexDigit && isHexDigit(c);
        bEscapeNextHexDigit = false;
        if (!bHexAfterEscape && c > 0x1f && c != '"' && c != '\\')
            continue;
        flush(i);
        iRunStart = i + 1;
        if (bHexAfterEscape || (c <= 0x1f && c != '\n' && c != '\r' && c != '\t')) {
            out += "\\x" + QByteArray::number(c, 16);
            bEscapeNextHexDigit = true;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            out += '\\';
            out += char(c);
        }
    }
    flush(sValue.size());
    if (bQuote || (out.size() > iStart && (out.at(iStart) == ' ' || out.back() == ' '))) {
        out.insert(iStart, '"');
        out += '"';
    }
}

void appendKey(QByteArray &out, const QByteArray &key, const QString &sValue)
{
    out += key + '=';
    appendEscaped(out, sValue);
    out += '\n';
}

void appendKey(QByteArray &out, const QByteArray &key, qint64 iValue)
{
    out += key + '=' + QByteArray::number(iValue) + '\n';
}

// The "property" array of a group; its keys sort before most others.
void appendProperties(QByteArray &out, const PropertyList &properties)
{
    for (int i = 0; i < properties.size(); ++i) {
        const QByteArray prefix = "property\\" + QByteArray::number(i + 1) + '\\';
        appendKey(out, prefix + "code", properties.at(i).sCode);
        appendKey(out, prefix + "id", properties.at(i).iId);
        appendKey(out, prefix + "value", properties.at(i).sValue);
    }
    appendKey(out, "property\\size", properties.size());
}

QByteArray eventGroup(const Event &cEvent)
{
    QByteArray out = '[' + QByteArray::number(cEvent.iId) + "]\n";
    appendKey(out, "abbreviation", cEvent.sAbbreviation);
    appendKey(out, "imagefile", cEvent.sImageFile);
    appendKey(out, "imagefile2", cEvent.sImageFile2);
    out += "metervalue=" + QByteArray::number(cEvent.dMeterValue) + '\n';
    appendProperties(out, cEvent.properties);
    appendKey(out, "text", cEvent.sText);
    appendKey(out, "video-hour", cEvent.iVideoHour);
    appendKey(out, "video-minute", cEvent.iVideoMinute);
    appendKey(out, "video-second", cEvent.iVideoSecond);
    appendKey(out, "videofile", cEvent.sVideoFile);
    return out + '\n';
}

QByteArray sectionGroup(const Section &cSection)
{
    QByteArray out = '[' + QByteArray::number(cSection.iId) + "]\n";
    appendKey(out, "inclinationfile", cSection.sInclinationFile);
    appendKey(out, "name", cSection.sName);
    appendProperties(out, cSection.properties);
    for (int i = 0; i < cSection.videoFiles.size(); ++i)
        appendKey(out, "videofile\\" + QByteArray::number(i + 1) + "\\name", cSection.videoFiles.at(i));
    appendKey(out, "videofile\\size", cSection.videoFiles.size());
    return out + '\n';
}
} // namespace

bool writeFile(const QString &sPath, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(sPath).absolutePath());
    QFile file(sPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

QByteArray iniValue(const QString &sValue)
{
    QByteArray out;
    appendEscaped(out, sValue);
    return out;
}

QByteArray projectFileText(const ProjectFile &cFile)
{
    QByteArray out;
    const auto addressGroup = [&out](const char *pszGroup, const PropertyList &properties) {
        if (properties.isEmpty())
            return;
        out += QByteArray("[") + pszGroup + "]\n";
        appendProperties(out, properties);
        out += '\n';
    };
    addressGroup("client", cFile.client);
    addressGroup("contractor", cFile.contractor);
    addressGroup("officer", cFile.officer);
    out += "[projectdata]\n";
    if (!cFile.sCreated.isEmpty())
        appendKey(out, "created", cFile.sCreated);
    out += QByteArray("extendedproject=") + (cFile.bExtended ? "true" : "false") + '\n';
    appendKey(out, "inspectionstandard", cFile.sCatalog);
    if (!cFile.sLastModified.isEmpty())
        appendKey(out, "lastmodified", cFile.sLastModified);
    appendKey(out, "name", cFile.sName);
    out += "\n[projectfile]\n";
    appendKey(out, "version", cFile.iVersion);
    return out;
}

CProjectDirectoryWriter::CProjectDirectoryWriter(const QString &sDirectory) : m_sDirectory(sDirectory)
{
    QDir().mkpath(m_sDirectory);
}

bool CProjectDirectoryWriter::write(const QString &sName, const QByteArray &data)
{
    if (!writeFile(m_sDirectory + QLatin1Char('/') + sName, data))
        return false;
    m_iBytes += data.size();
    return true;
}

bool CProjectDirectoryWriter::writeProjectFile(const ProjectFile &cFile)
{
    return write(QStringLiteral("project.dat"), projectFileText(cFile));
}

bool CProjectDirectoryWriter::addSection(const Section &cSection)
{
    m_segments += sectionGroup(cSection);
    QByteArray events;
    for (const Event &cEvent : cSection.events)
        events += eventGroup(cEvent);
    return write(QStringLiteral("%1.evtdat").arg(cSection.iId), events);
}

bool CProjectDirectoryWriter::finish()
{
    return write(QStringLiteral("segments.dat"), m_segments);
}

bool writeProject(const QString &sDirectory, const ProjectFile &cFile, const QList<Section> &sections)
{
    CProjectDirectoryWriter writer(sDirectory);
    bool bOk = writer.writeProjectFile(cFile);
    for (const Section &cSection : sections)
        bOk = writer.addSection(cSection) && bOk;
    return writer.finish() && bOk;
}

bool writeInstallation(const QString &sDirectory, const Installation &cInstallation)
{
    const QDir dir(sDirectory);
    dir.mkpath(QStringLiteral("LanguageFiles"));
    QByteArray catalogs = "[Catalogs]\n";
    appendKey(catalogs, "Catalog\\1\\BaseFileName", cInstallation.sFileStem + QStringLiteral(".std"));
    catalogs += "Catalog\\1\\Enabled=true\nCatalog\\1\\Format=Ostrel\n";
    appendKey(catalogs, "Catalog\\1\\InternalName", cInstallation.sCatalog);
    if (!cInstallation.sOfficialName.isEmpty())
        appendKey(catalogs, "Catalog\\1\\OfficialName", cInstallation.sOfficialName);
    appendKey(catalogs, "Catalog\\1\\PrintoutDataFile", cInstallation.sFileStem + QStringLiteral(".pod"));
    appendKey(catalogs, "Catalog\\1\\PrintoutLayoutFileName", cInstallation.sFileStem + QStringLiteral(".lay"));
    catalogs += "Catalog\\size=1\n";
    const QByteArray locales =
        !cInstallation.locales.isEmpty()
            ? cInstallation.locales
            : QByteArray("[Locales]\nLocale\\1\\LanguageFile=none.qm\nLocale\\1\\LocaleCode=en_US\n"
                         "Locale\\1\\Name=English\nLocale\\size=1\n");
    const QString sStem = cInstallation.sFileStem;
    return writeFile(dir.filePath(QStringLiteral("Locales.dat")), locales)
           && writeFile(dir.filePath(QStringLiteral("Catalogs.dat")), catalogs)
           && writeFile(dir.filePath(QStringLiteral("CatalogBaseData/") + sStem + QStringLiteral(".std")),
                        cInstallation.standard)
           && writeFile(dir.filePath(QStringLiteral("PrintoutLayouts/") + sStem + QStringLiteral(".lay")),
                        cInstallation.layout)
           && writeFile(dir.filePath(QStringLiteral("CatalogPrintoutData/") + sStem + QStringLiteral(".pod")),
                        cInstallation.printoutData);
}

} // namespace ProjectWriter
