#include "cli/CliProject.h"

#include "app/CApplicationContext.h"
#include "cli/CliOutput.h"
#include "queries/CSharedTranslations.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/IPersistenceFacade.h"
#include "storage/PathUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString installDirectoryFromOption(const QString &sOption)
{
    return sOption.isEmpty() ? QCoreApplication::applicationDirPath() : QFileInfo(sOption).absoluteFilePath();
}

QString projectDirectoryFromArgument(const QString &sArgument)
{
    QString sDirectory = QDir::cleanPath(QFileInfo(sArgument).absoluteFilePath());
    if (sArgument.endsWith(QLatin1Char('/')) && !sDirectory.endsWith(QLatin1Char('/')))
        sDirectory += QLatin1Char('/');
    return sDirectory;
}

int openProjectForCommand(const QString &sProjectDirectory, CProjectRuntimeData *&cRuntimeData)
{
    IPersistenceFacade *cFacade = CApplicationContext::instance()->persistenceFacade();
    cRuntimeData = nullptr;
    if (hasUndecodableName(sProjectDirectory)) {
        writeToStderr(QStringLiteral("The name of the directory \"%1\" cannot be used: it holds characters that "
                                     "are not valid UTF-8. Please rename the directory.\n")
                          .arg(sProjectDirectory));
        return ExitOpenFailed;
    }
    CProjectRuntimeData *cOpened = nullptr;
    const int iCode = cFacade->openProject(sProjectDirectory, cOpened);
    if (iCode != 0 || !cOpened) {
        const CSharedTranslations *cTranslations = CSharedTranslations::instance();
        // A facade that reports success without runtime data is an internal error.
        const quint32 uiCode = iCode != 0 ? quint32(iCode) : 1u;
        writeToStderr(QStringLiteral("%1\n\n%2\n")
                          .arg(cTranslations->errorMessage(uiCode), cTranslations->errorCodeText(uiCode)));
        return ExitOpenFailed;
    }
    if (!cOpened->hasInspectionData() || !cOpened->corvaneProject()) {
        writeToStderr(QCoreApplication::translate("CAppMainWindow",
                                                  "The specified project is a project without inspection data, "
                                                  "thus it cannot be opened with this Viewer.")
                      + QLatin1Char('\n'));
        cFacade->closeProject(cOpened);
        return ExitUnsupported;
    }
    cRuntimeData = cOpened;
    return ExitOk;
}
