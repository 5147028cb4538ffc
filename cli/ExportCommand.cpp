#include "cli/ExportCommand.h"

#include "app/CApplicationContext.h"
#include "cli/CliArguments.h"
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
    CliCommonArguments cCommon;
    QString sInstallDirectory;
};

// Fills cOptions from the arguments; an error text on a usage error.
QString parseArguments(const QStringList &args, ExportOptions &cOptions)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &sArg = args.at(i);
        if (isCliOption(sArg, QStringLiteral("--install-dir"))) {
            if (!takeCliOptionValue(args, i, QStringLiteral("--install-dir"), cOptions.sInstallDirectory).isEmpty()
                || cOptions.sInstallDirectory.isEmpty())
                return QStringLiteral("--install-dir needs a directory");
        } else {
            const QString sError = cOptions.cCommon.take(sArg);
            if (!sError.isEmpty())
                return sError;
        }
    }
    if (!cOptions.cCommon.bHelp && cOptions.cCommon.sProjectDirectory.isEmpty())
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
        out += indent + "    {\"id\": " + QByteArray::number(iId) + ", \"caption\": "
               + jsonString(cQuery->fieldCaption(iId)) + ", \"value\": " + jsonString(cQuery->fieldValue(iId))
               + ", \"code\": " + jsonString(cQuery->fieldCode(iId)) + '}' + (i + 1 < ids.size() ? ",\n" : "\n");
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
               + ",\n            \"fields\": " + fieldsOf(cSection, "            ") + ",\n            \"events\": [";
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
    return QStringLiteral("Usage: corvane-cli export PROJECT_DIR [--install-dir DIR]\n"
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
    int iExitCode = ExitOk;
    if (answerHelpOrUsageError(QStringLiteral("export"), cOptions.cCommon.bHelp, sError, exportUsage(), iExitCode))
        return iExitCode;

    const QString sInstallDirectory = installDirectoryFromOption(cOptions.sInstallDirectory);
    const QString sProjectDirectory = projectDirectoryFromArgument(cOptions.cCommon.sProjectDirectory);

    CApplicationContext::setInstance(new CApplicationContext(sInstallDirectory));
    const int iResult = exportOpenProject(sProjectDirectory);
    CApplicationContext::destroyInstance();
    return iResult;
}
