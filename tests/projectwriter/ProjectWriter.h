#pragma once

// Writes project directories and installation files for the tests and the
// benchmarks, in the text form the settings class writes: groups and keys in
// alphabetical order, arrays with "size" keys, values quoted and escaped as
// it quotes and escapes them. Plain text writing keeps large projects fast.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace ProjectWriter {

// Writes a file, creating its directory first; false unless all was written.
bool writeFile(const QString &sPath, const QByteArray &data);

// A text value as the settings class writes it.
QByteArray iniValue(const QString &sValue);

struct Property
{
    int iId = 0;
    QString sValue;
    QString sCode;
};
using PropertyList = QList<Property>;

// "project.dat". Empty dates and empty address lists are left out.
struct ProjectFile
{
    QString sName;
    QString sCatalog;
    bool bExtended = true;
    int iVersion = 3;
    QString sCreated;
    QString sLastModified;
    PropertyList client;
    PropertyList officer;
    PropertyList contractor;
};
QByteArray projectFileText(const ProjectFile &cFile);

struct Event
{
    int iId = 0;
    QString sText;
    QString sAbbreviation;
    double dMeterValue = 0.0;
    QString sImageFile;
    QString sImageFile2;
    QString sVideoFile;
    int iVideoHour = 0;
    int iVideoMinute = 0;
    int iVideoSecond = 0;
    PropertyList properties;
};

struct Section
{
    int iId = 0;
    QString sName;
    QString sInclinationFile;
    QStringList videoFiles;
    PropertyList properties;
    QList<Event> events;
};

// Writes one project directory section by section, so that even a huge
// project never has to be held in memory: "project.dat", the event file of
// each section as it is added, "segments.dat" at the end.
class CProjectDirectoryWriter
{
public:
    // Creates the directory.
    explicit CProjectDirectoryWriter(const QString &sDirectory);

    bool writeProjectFile(const ProjectFile &cFile);
    bool addSection(const Section &cSection);
    bool finish();

    qint64 bytesWritten() const { return m_iBytes; }

private:
    bool write(const QString &sName, const QByteArray &data);

    QString m_sDirectory;
    QByteArray m_segments;
    qint64 m_iBytes = 0;
};

// A whole project at once.
bool writeProject(const QString &sDirectory, const ProjectFile &cFile, const QList<Section> &sections);

// An installation directory with one catalog: "Locales.dat", "Catalogs.dat"
// and the catalog's standard, layout and printout data files (named after
// sFileStem), plus an empty "LanguageFiles" directory.
struct Installation
{
    QString sCatalog;
    QString sOfficialName;
    QString sFileStem = QStringLiteral("Catalog");
    // Empty: one English record without a language file.
    QByteArray locales;
    QByteArray standard;
    QByteArray layout;
    QByteArray printoutData;
};
bool writeInstallation(const QString &sDirectory, const Installation &cInstallation);

} // namespace ProjectWriter
