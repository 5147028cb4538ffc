#pragma once

#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"

#include "ProjectWriter.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

// Shared by the storage tests: writing small project files and taking a
// picture of a directory (names, sizes, times) to prove nothing changed.
namespace StorageTestSupport {

using ProjectWriter::writeFile;

inline QByteArray projectFile(const QString &sName, bool bExtended = true, int iVersion = 3,
                              const QString &sCatalog = QStringLiteral("FIXTURE-CAT"))
{
    ProjectWriter::ProjectFile cFile;
    cFile.sName = sName;
    cFile.bExtended = bExtended;
    cFile.iVersion = iVersion;
    cFile.sCatalog = sCatalog;
    return ProjectWriter::projectFileText(cFile);
}

// One line per entry below the directory, hidden ones included, sorted.
inline QStringList snapshot(const QString &sDirectory)
{
    QStringList lines;
    QDirIterator it(sDirectory, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        lines << QStringLiteral("%1 %2 %3 %4")
                     .arg(QDir(sDirectory).relativeFilePath(info.filePath()))
                     .arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch())
                     .arg(int(info.permissions()));
    }
    lines.sort();
    const QFileInfo self(sDirectory);
    lines.prepend(QStringLiteral(". %1").arg(self.lastModified().toMSecsSinceEpoch()));
    return lines;
}

inline QString propertiesText(const CPropertyList *cList)
{
    QStringList parts;
    for (int i = 0; cList && i < cList->count(); ++i) {
        const CProperty *cProperty = cList->propertyAt(i);
        parts << QStringLiteral("%1=%2|%3").arg(cProperty->id()).arg(cProperty->value(), cProperty->code());
    }
    return parts.join(QStringLiteral("; "));
}

// The whole tree of a loaded project as text, so one comparison checks
// order, ids and every field.
inline QString dumpProject(const CCorvaneProject *cProject)
{
    QStringList lines;
    for (int s = 0; s < cProject->sectionCount(); ++s) {
        const CInspectionSegment *cSection = cProject->sectionAt(s);
        lines << QStringLiteral("S %1 '%2' incl='%3' videos=[%4] props={%5}")
                     .arg(cSection->id())
                     .arg(cSection->name(), cSection->inclinationFile(),
                          cSection->videoFiles().join(QStringLiteral("|")), propertiesText(cSection->properties()));
        const CEventList *cEvents = cSection->events();
        for (int e = 0; e < cEvents->count(); ++e) {
            const CInspectionEvent *cEvent = cEvents->at(e);
            lines << QStringLiteral("  E %1 m=%2 '%3' %4 img='%5' img2='%6' video='%7' t=%8:%9:%10 props={%11}")
                         .arg(cEvent->id())
                         .arg(double(cEvent->meterValue()))
                         .arg(cEvent->text(), cEvent->abbreviation(), cEvent->imageFile(), cEvent->imageFile2(),
                              cEvent->videoFile())
                         .arg(cEvent->videoHour())
                         .arg(cEvent->videoMinute())
                         .arg(cEvent->videoSecond())
                         .arg(propertiesText(cEvent->properties()));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

inline const CInspectionEvent *findEvent(const CCorvaneProject *cProject, int iEventId)
{
    for (int s = 0; s < cProject->sectionCount(); ++s) {
        const CEventList *cEvents = cProject->sectionAt(s)->events();
        for (int e = 0; e < cEvents->count(); ++e) {
            if (cEvents->at(e)->id() == iEventId)
                return cEvents->at(e);
        }
    }
    return nullptr;
}

} // namespace StorageTestSupport
