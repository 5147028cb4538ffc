#pragma once

// Synthetic inspection projects (and a matching installation) for the
// benchmarks, written through the shared project writer.

#include "ProjectWriter.h"

#include <QString>

namespace ProjectGenerator {

struct Options
{
    int iSections = 1000;
    int iEventsPerSection = 100;
    int iSectionProperties = 60;
    int iEventProperties = 10;
    QString sCatalog = QStringLiteral("BENCH-CAT");
};

// Properties 1..iCount (ids from 50 on in the event range), every third with
// a code, every seventh with a comma in its value.
inline ProjectWriter::PropertyList properties(int iCount, int iSeed)
{
    ProjectWriter::PropertyList list;
    list.reserve(iCount);
    for (int p = 1; p <= iCount; ++p) {
        ProjectWriter::Property cProperty;
        cProperty.iId = p < 50 ? p : 200000 + p;
        cProperty.sCode = p % 3 == 0 ? QStringLiteral("C%1").arg(p) : QString();
        cProperty.sValue = p % 7 == 0 ? QStringLiteral("Value %1, part %2").arg(iSeed).arg(p)
                                      : QStringLiteral("Value %1").arg(iSeed * 31 + p);
        list.append(cProperty);
    }
    return list;
}

// Returns the number of bytes written, or -1 on a write error.
inline qint64 writeProject(const QString &sDirectory, const Options &options)
{
    ProjectWriter::CProjectDirectoryWriter writer(sDirectory);
    ProjectWriter::ProjectFile cFile;
    cFile.sName = QStringLiteral("Benchmark project");
    cFile.sCatalog = options.sCatalog;
    cFile.sCreated = QStringLiteral("2024-01-15");
    cFile.sLastModified = QStringLiteral("2024-02-01");
    for (int i = 1; i <= 10; ++i)
        cFile.client.append({i, QStringLiteral("Client line %1").arg(i), QString()});
    if (!writer.writeProjectFile(cFile))
        return -1;

    for (int s = 1; s <= options.iSections; ++s) {
        ProjectWriter::Section cSection;
        cSection.iId = s;
        cSection.sName = QStringLiteral("Section %1").arg(s);
        cSection.sInclinationFile = QStringLiteral("%1.inc").arg(s);
        cSection.videoFiles << QStringLiteral("section%1.mpg").arg(s);
        cSection.properties = properties(options.iSectionProperties, s);
        cSection.events.reserve(options.iEventsPerSection);
        for (int e = 1; e <= options.iEventsPerSection; ++e) {
            ProjectWriter::Event cEvent;
            cEvent.iId = s * 1000 + e;
            cEvent.sAbbreviation = QStringLiteral("BAB");
            cEvent.sImageFile = QStringLiteral("%1.jpg").arg(cEvent.iId);
            cEvent.dMeterValue = e * 0.37;
            cEvent.properties = properties(options.iEventProperties, cEvent.iId);
            cEvent.sText = QStringLiteral("Crack, longitudinal, at %1 o'clock").arg(e % 12 + 1);
            cEvent.iVideoMinute = e % 60;
            cEvent.iVideoSecond = (e * 7) % 60;
            cEvent.sVideoFile = QStringLiteral("section%1.mpg").arg(s);
            cSection.events.append(cEvent);
        }
        if (!writer.addSection(cSection))
            return -1;
    }
    return writer.finish() ? writer.bytesWritten() : -1;
}

// Locales.dat, Catalogs.dat and the three catalog files for the catalog
// the generated project names.
inline bool writeInstallation(const QString &sDirectory, const QString &sCatalog = QStringLiteral("BENCH-CAT"))
{
    ProjectWriter::Installation cInstallation;
    cInstallation.sCatalog = sCatalog;
    cInstallation.sFileStem = QStringLiteral("Bench");
    cInstallation.standard = "[damage-classes]\n";
    for (int i = 0; i < 6; ++i)
        cInstallation.standard += "class\\" + QByteArray::number(i + 1) + "\\value=" + QByteArray::number(i) + "\n";
    cInstallation.standard += "class\\size=6\n\n[misc-data]\nagainst-dir=U\nin-dir=D\nmanhole-altitude-unit=m\n"
                              "pipe-diameter-unit=mm\ntext-delimiter=|\n\n[section-properties]\n";
    for (int i = 1; i <= 60; ++i)
        cInstallation.standard += "property\\" + QByteArray::number(i) + "\\description=Property "
                                  + QByteArray::number(i) + "\nproperty\\" + QByteArray::number(i)
                                  + "\\id=" + QByteArray::number(i) + "\n";
    cInstallation.standard += "property\\size=60\n";
    cInstallation.layout = "[page-footer]\nheight=1000\ntext-x=100\ntext-y=500\nwidth=18000\n";
    cInstallation.printoutData = "[damage-classes]\nclass\\1\\color=0xff00a000\nclass\\1\\text=No defect\n"
                                 "class\\1\\value=0\nclass\\size=1\n";
    return ProjectWriter::writeInstallation(sDirectory, cInstallation);
}

} // namespace ProjectGenerator
