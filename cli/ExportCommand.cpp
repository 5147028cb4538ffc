#include "cli/ExportCommand.h"

#include "app/CApplicationContext.h"
#include "cli/CliOutput.h"
#include "cli/CliProject.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "queries/CDataCoreObjectQuery.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/CurrentProject.h"
#include "storage/IPersistenceFacade.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <memory>

namespace {

struct ExportOptions
{
    QString sProjectDirectory;
    QString sInstallDirectory;
    bool bHelp = false;
};

// Fills cOptions from the arguments; an error text on a usage error.
QString parseArguments(const QStringList &args, ExportOptions &cOptions)
{
    bool bHaveProject = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &sArg = args.at(i);
        if (sArg == QLatin1String("--help") || sArg == QLatin1String("-h")) {
            cOptions.bHelp = true;
        } else if (sArg == QLatin1String("--install-dir")) {
            if (i + 1 >= args.size() || args.at(i + 1).isEmpty())
                return QStringLiteral("--install-dir needs a directory");
            cOptions.sInstallDirectory = args.at(++i);
        } else if (sArg.startsWith(QLatin1String("--install-dir="))) {
            cOptions.sInstallDirectory = sArg.mid(int(qstrlen("--install-dir=")));
            if (cOptions.sInstallDirectory.isEmpty())
                return QStringLiteral("--install-dir needs a directory");
        } else if (sArg.startsWith(QLatin1Char('-')) && sArg != QLatin1String("-")) {
            return QStringLiteral("unknown option %1").arg(sArg);
        } else if (bHaveProject) {
            return QStringLiteral("unexpected argument %1").arg(sArg);
        } else {
            cOptions.sProjectDirectory = sArg;
            bHaveProject = true;
        }
    }
    if (!cOptions.bHelp && cOptions.sProjectDirectory.isEmpty())
        return QStringLiteral("no project directory given");
    return QString();
}

// One JSON string, quoted and escaped.
QByteArray jsonString(const QString &sText)
{
    const QByteArray array = QJsonDocument(QJsonArray{sText}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// The fields of an object, one per line, keys in the order id, caption,
// value, code (the JSON classes would sort them alphabetically).
QByteArray fieldsOf(const CDataCoreObject *cObject, const QByteArray &indent)
{
    const std::unique_ptr<CDataCoreObjectQuery> cQuery = createQuery(cObject);
    const QList<int> ids = cQuery ? cQuery->fieldIds() : QList<int>();
    if (ids.isEmpty())
        return "[]";
    QByteArray out = "[\n";
    for (int i = 0; i < ids.size(); ++i) {
        const int iId = ids.at(i);
        out += indent + "    {\"id\": " + QByteArray::number(iId)
               + ", \"caption\": " + jsonString(cQuery->fieldCaption(iId))
               + ", \"value\": " + jsonString(cQuery->fieldValue(iId))
               + ", \"code\": " + jsonString(cQuery->fieldCode(iId)) + '}'
               + (i + 1 < ids.size() ? ",\n" : "\n");
    }
    return out + indent + ']';
}

QByteArray exportProject(const CCorvaneProject &cProject)
{
    QByteArray out = "{\n    \"project\": {\n        \"fields\": " + fieldsOf(&cProject, "        ")
                     + "\n    },\n    \"sections\": [";
    bool bFirstSection = true;
    for (int iSection = 0; iSection < cProject.sectionCount(); ++iSection) {
        const CInspectionSegment *cSection = cProject.sectionAt(iSection);
        if (!cSection)
            continue;
        out += bFirstSection ? "\n" : ",\n";
        bFirstSection = false;
        out += "        {\n            \"id\": " + QByteArray::number(cSection->id())
               + ",\n            \"name\": " + jsonString(cSection->name())
               + ",\n            \"fields\": " + fieldsOf(cSection, "            ")
               + ",\n            \"events\": [";
        bool bFirstEvent = true;
        const CEventList *cEvents = cSection->events();
        for (int iEvent = 0; iEvent < cEvents->count(); ++iEvent) {
            const CInspectionEvent *cEvent = cEvents->at(iEvent);
            if (!cEvent)
                continue;
            out += bFirstEvent ? "\n" : ",\n";
            bFirstEvent = false;
            out += "                {\n                    \"id\": " + QByteArray::number(cEvent->id())
                   + ",\n                    \"fields\": " + fieldsOf(cEvent, "                    ")
                   + "\n                }";
        }
        out += bFirstEvent ? "]" : "\n            ]";
        out += "\n        }";
    }
    out += bFirstSection ? "]\n}\n" : "\n    ]\n}\n";
    return out;
}

// Opens the project, writes the document and closes the project again. The
// application context must be live.
int exportOpenProject(const QString &sProjectDirectory)
{
    CProjectRuntimeData *cRuntimeData = nullptr;
    const int iOpened = openProjectForCommand(sProjectDirectory, cRuntimeData);
    if (iOpened != ExitOk)
        return iOpened;
    IPersistenceFacade *cFacade = CApplicationContext::instance()->persistenceFacade();
    const CCorvaneProject *cProject = cRuntimeData->corvaneProject();

    setCurrentRuntimeData(cRuntimeData);
    const QByteArray json = exportProject(*cProject);
    setCurrentRuntimeData(nullptr);
    cFacade->closeProject(cRuntimeData);

    // A document cut short by a full device must not pass for an export.
    if (!writeToStdout(json)) {
        writeToStderr(QStringLiteral("corvane-cli export: the document could not be written to standard output\n"));
        return ExitWriteFailed;
    }
    return ExitOk;
}

} // namespace

QString exportUsage()
{
    return QStringLiteral(
        "Usage: corvane-cli export PROJECT_DIR [--install-dir DIR]\n"
        "\n"
        "Writes every field of the project, its sections and their events as one\n"
        "UTF-8 JSON document to standard output.\n"
        "\n"
        "  --install-dir DIR  installation directory with Locales.dat, Catalogs.dat\n"
        "                     and the catalog files (default: the program's directory)\n"
        "\n"
        "Exit codes: 0 success, 1 usage error, 2 the project could not be opened,\n"
        "3 the project has no inspection data, 4 the document could not be written.\n");
}

int runExportCommand(const QStringList &args)
{
    ExportOptions cOptions;
    const QString sError = parseArguments(args, cOptions);
    if (cOptions.bHelp && sError.isEmpty()) {
        writeToStdout(exportUsage());
        return ExitOk;
    }
    if (!sError.isEmpty()) {
        writeToStderr(QStringLiteral("corvane-cli export: %1\n\n").arg(sError) + exportUsage());
        return ExitUsage;
    }

    const QString sInstallDirectory = installDirectoryFromOption(cOptions.sInstallDirectory);
    const QString sProjectDirectory = projectDirectoryFromArgument(cOptions.sProjectDirectory);

    CApplicationContext::setInstance(new CApplicationContext(sInstallDirectory));
    const int iResult = exportOpenProject(sProjectDirectory);
    CApplicationContext::destroyInstance();
    return iResult;
}
