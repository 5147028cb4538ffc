#include "cli/ReportCommand.h"

#include "app/CApplicationContext.h"
#include "cli/CliArguments.h"
#include "cli/CliOutput.h"
#include "cli/CliProject.h"
#include "model/CCorvaneProject.h"
#include "report/ReportJobBuilder.h"
#include "report/ReportOutput.h"
#include "report/ReportRun.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/CurrentProject.h"
#include "storage/IPersistenceFacade.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

struct ReportOptions
{
    CliCommonArguments cCommon;
    QString sOutputFile;
    QString sInstallDirectory;
    QString sLogoDirectory;
    bool bLogoDirectoryGiven = false;
    bool bQuiet = false;
    ReportChoices cChoices;
};

// Debug lines of the library are not for the command line; Qt's warnings
// are, unless the user asked for quiet.
void messageHandler(QtMsgType eType, const QMessageLogContext &, const QString &sMessage)
{
    if (eType == QtDebugMsg || eType == QtInfoMsg)
        return;
    writeToStderr(sMessage + QLatin1Char('\n'));
}

void quietMessageHandler(QtMsgType eType, const QMessageLogContext &, const QString &sMessage)
{
    if (eType == QtCriticalMsg || eType == QtFatalMsg)
        writeToStderr(sMessage + QLatin1Char('\n'));
}

QString parseSectionIds(const QString &sList, QList<int> &ids)
{
    ids.clear();
    const QStringList parts = sList.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &sPart : parts) {
        bool bOk = false;
        const int iId = sPart.trimmed().toInt(&bOk);
        if (!bOk)
            return QStringLiteral("--sections: '%1' is not a section id").arg(sPart.trimmed());
        ids.append(iId);
    }
    return QString();
}

// Fills cOptions from the arguments; an error text on a usage error.
QString parseArguments(const QStringList &args, ReportOptions &cOptions)
{
    ReportChoices &cChoices = cOptions.cChoices;
    for (int i = 0; i < args.size(); ++i) {
        const QString &sArg = args.at(i);
        QString sValue;
        QString sError;
        if (sArg == QLatin1String("-o") || isCliOption(sArg, QStringLiteral("--output"))) {
            const QString sName = sArg == QLatin1String("-o") ? sArg : QStringLiteral("--output");
            sError = takeCliOptionValue(args, i, sName, sValue);
            if (sError.isEmpty() && sValue.isEmpty())
                sError = QStringLiteral("-o needs a file name");
            cOptions.sOutputFile = sValue;
        } else if (isCliOption(sArg, QStringLiteral("--sections"))) {
            sError = takeCliOptionValue(args, i, QStringLiteral("--sections"), sValue);
            if (sError.isEmpty())
                sError = parseSectionIds(sValue, cChoices.sectionKeys);
            cChoices.eSelection = ReportChoices::SectionsById;
        } else if (isCliOption(sArg, QStringLiteral("--photos"))) {
            sError = takeCliOptionValue(args, i, QStringLiteral("--photos"), sValue);
            if (sValue == QLatin1String("none"))
                cChoices.iPhotosPerPage = 0;
            else if (sValue == QLatin1String("1"))
                cChoices.iPhotosPerPage = 1;
            else if (sValue == QLatin1String("3"))
                cChoices.iPhotosPerPage = 3;
            else if (sError.isEmpty())
                sError = QStringLiteral("--photos must be none, 1 or 3");
        } else if (isCliOption(sArg, QStringLiteral("--logo-dir"))) {
            sError = takeCliOptionValue(args, i, QStringLiteral("--logo-dir"), sValue);
            cOptions.sLogoDirectory = sValue;
            cOptions.bLogoDirectoryGiven = true;
        } else if (isCliOption(sArg, QStringLiteral("--install-dir"))) {
            sError = takeCliOptionValue(args, i, QStringLiteral("--install-dir"), sValue);
            if (sError.isEmpty() && sValue.isEmpty())
                sError = QStringLiteral("--install-dir needs a directory");
            cOptions.sInstallDirectory = sValue;
        } else if (sArg == QLatin1String("--no-project-info")) {
            cChoices.bProjectInformation = false;
        } else if (sArg == QLatin1String("--no-contents")) {
            cChoices.bTableOfContents = false;
        } else if (sArg == QLatin1String("--no-overview")) {
            cChoices.bSectionOverview = false;
        } else if (sArg == QLatin1String("--no-legend")) {
            cChoices.bDamageClassLegend = false;
        } else if (sArg == QLatin1String("--no-damage-info")) {
            cChoices.bDamageInformation = false;
        } else if (sArg == QLatin1String("--no-protocol")) {
            cChoices.bSectionProtocol = false;
        } else if (sArg == QLatin1String("--no-inclination")) {
            cChoices.bInclinationProtocol = false;
        } else if (sArg == QLatin1String("--no-inclination-graph")) {
            cChoices.bInclinationGraph = false;
        } else if (sArg == QLatin1String("--quiet") || sArg == QLatin1String("-q")) {
            cOptions.bQuiet = true;
        } else {
            sError = cOptions.cCommon.take(sArg);
        }
        if (!sError.isEmpty())
            return sError;
    }
    if (cOptions.cCommon.bHelp)
        return QString();
    if (cOptions.cCommon.sProjectDirectory.isEmpty())
        return QStringLiteral("no project directory given");
    if (cOptions.sOutputFile.isEmpty())
        return QStringLiteral("no output file given (-o FILE.pdf)");
    return QString();
}

QString progressLine(const ReportProgress &cStep)
{
    if (cStep.eStep == ReportProgress::PartBuilt)
        return QStringLiteral("built %1: %2 page(s)\n").arg(cStep.sPart).arg(cStep.iCount);
    // About ten lines for a long report.
    const int iEvery = qMax(1, cStep.iCount / 10);
    if (cStep.iCurrent != cStep.iCount && cStep.iCurrent % iEvery != 0)
        return QString();
    return QStringLiteral("printed page %1/%2\n").arg(cStep.iCurrent).arg(cStep.iCount);
}

QString resultMessage(ReportResult eResult, const QString &sFile)
{
    switch (eResult) {
    case ReportResult::CannotOpenOutput: return QStringLiteral("cannot write %1\n").arg(sFile);
    case ReportResult::OutputInProject:
        return QStringLiteral("%1 is inside the project directory, which is only read; "
                              "no report was written\n")
            .arg(sFile);
    case ReportResult::WriteFailed: return QStringLiteral("writing %1 failed; no report was written\n").arg(sFile);
    case ReportResult::IncompleteJob:
        return QStringLiteral("the project has no printout layout; no report was written\n");
    case ReportResult::Written: break;
    }
    return QString();
}

// Opens the project, writes the report and closes the project again. The
// application context must be live.
int reportOpenProject(const ReportOptions &cOptions, const QString &sProjectDirectory)
{
    CProjectRuntimeData *cRuntimeData = nullptr;
    const int iOpened = openProjectForCommand(sProjectDirectory, cRuntimeData);
    if (iOpened != ExitOk)
        return iOpened;
    IPersistenceFacade *cFacade = CApplicationContext::instance()->persistenceFacade();
    const CCorvaneProject *cProject = cRuntimeData->corvaneProject();

    ReportChoices cChoices = cOptions.cChoices;
    cChoices.sLogoDirectory = cOptions.bLogoDirectoryGiven ? cOptions.sLogoDirectory : sProjectDirectory;
    cChoices.sOutputFileName = QFileInfo(cOptions.sOutputFile).absoluteFilePath();
    QList<int> unknownIds;
    const std::unique_ptr<ReportJob> cJob =
        buildReportJob(cChoices, cProject, cRuntimeData->printoutLayout(), cRuntimeData->inspectionStandard(),
                       cRuntimeData->damageClassList(), &unknownIds);
    if (!unknownIds.isEmpty()) {
        QStringList texts;
        for (const int iId : unknownIds)
            texts << QString::number(iId);
        writeToStderr(
            QStringLiteral("corvane-cli report: no section with id %1\n").arg(texts.join(QStringLiteral(", "))));
        cFacade->closeProject(cRuntimeData);
        return ExitUsage;
    }

    setCurrentRuntimeData(cRuntimeData);
    const bool bQuiet = cOptions.bQuiet;
    const ReportResult eResult = runReport(*cJob, [bQuiet](const ReportProgress &cStep) {
        if (!bQuiet)
            writeToStderr(progressLine(cStep));
    });
    setCurrentRuntimeData(nullptr);
    cFacade->closeProject(cRuntimeData);

    if (eResult != ReportResult::Written) {
        writeToStderr(QStringLiteral("corvane-cli report: ") + resultMessage(eResult, cChoices.sOutputFileName));
        return ExitWriteFailed;
    }
    if (!bQuiet)
        writeToStderr(QStringLiteral("wrote %1\n").arg(cChoices.sOutputFileName));
    return ExitOk;
}

} // namespace

QString reportUsage()
{
    return QStringLiteral("Usage: corvane-cli report PROJECT_DIR -o FILE.pdf [options]\n"
                          "\n"
                          "Writes a PDF report of the project, as the Create Report dialog does.\n"
                          "Without options: every section in project order, no photos, every part.\n"
                          "\n"
                          "  -o, --output FILE       the PDF file to write\n"
                          "  --sections ID,ID,...    only these sections, in this order\n"
                          "  --photos none|1|3       photos per page (default: none)\n"
                          "  --no-project-info       leave out the project information\n"
                          "  --no-contents           leave out the table of contents\n"
                          "  --no-overview           leave out the section overview\n"
                          "  --no-legend             leave out the legend of damage classes\n"
                          "  --no-damage-info        leave out the damage classes of the events\n"
                          "  --no-protocol           leave out the section protocols\n"
                          "  --no-inclination        leave out the inclination protocols\n"
                          "  --no-inclination-graph  leave the measured inclination out of the charts\n"
                          "  --logo-dir DIR          directory with logo.bmp and logo.txt\n"
                          "                          (default: the project directory)\n"
                          "  --install-dir DIR       installation directory with Locales.dat, Catalogs.dat\n"
                          "                          and the catalog files (default: the program's directory)\n"
                          "  -q, --quiet             no progress on standard error\n"
                          "\n"
                          "Exit codes: 0 the report was written, 1 usage error, 2 the project could\n"
                          "not be opened, 3 the project has no inspection data, 4 the PDF could not\n"
                          "be written.\n");
}

int runReportCommand(const QStringList &args)
{
    ReportOptions cOptions;
    const QString sError = parseArguments(args, cOptions);
    int iExitCode = ExitOk;
    if (answerHelpOrUsageError(QStringLiteral("report"), cOptions.cCommon.bHelp, sError, reportUsage(), iExitCode))
        return iExitCode;

    const QString sInstallDirectory = installDirectoryFromOption(cOptions.sInstallDirectory);
    const QString sProjectDirectory = projectDirectoryFromArgument(cOptions.cCommon.sProjectDirectory);
    if (cOptions.bLogoDirectoryGiven && !cOptions.sLogoDirectory.isEmpty())
        cOptions.sLogoDirectory = QFileInfo(cOptions.sLogoDirectory).absoluteFilePath();

    // Refused before the project is read at all.
    const QString sOutputFile = QFileInfo(cOptions.sOutputFile).absoluteFilePath();
    if (checkReportOutput(sOutputFile, sProjectDirectory) == ReportOutputCheck::InsideProject) {
        writeToStderr(QStringLiteral("corvane-cli report: ")
                      + resultMessage(ReportResult::OutputInProject, sOutputFile));
        return ExitWriteFailed;
    }

    const QtMessageHandler previousHandler =
        qInstallMessageHandler(cOptions.bQuiet ? quietMessageHandler : messageHandler);
    CApplicationContext::setInstance(new CApplicationContext(sInstallDirectory));
    const int iResult = reportOpenProject(cOptions, sProjectDirectory);
    CApplicationContext::destroyInstance();
    qInstallMessageHandler(previousHandler);
    return iResult;
}
