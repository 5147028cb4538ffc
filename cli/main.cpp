#include "app/CApplicationContext.h"
#include "cli/CliOutput.h"
#include "cli/ExportCommand.h"
#include "cli/ReportCommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>

#include <unistd.h>

namespace {

QString usage()
{
    return QStringLiteral("Usage: corvane-cli COMMAND [ARGUMENTS]\n"
                          "\n"
                          "Commands:\n"
                          "  export PROJECT_DIR [--install-dir DIR]  write the project's fields as JSON\n"
                          "  report ...                              write a PDF report of a project\n"
                          "\n"
                          "Options:\n"
                          "  --help      show this help\n"
                          "  --version   show the version\n"
                          "\n"
                          "Run 'corvane-cli COMMAND --help' for the arguments of a command.\n");
}

// Without a session (cron, ssh, CI) the GUI library warns about a missing
// runtime directory on every start; give it a private one instead.
void ensureRuntimeDirectory()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString sDirectory = QDir::tempPath() + QStringLiteral("/corvane-runtime-") + QString::number(::getuid());
    if (!QDir().mkpath(sDirectory))
        return;
    QFile::setPermissions(sDirectory, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QFileInfo info(sDirectory);
    if (info.isDir() && !info.isSymLink() && info.ownerId() == ::getuid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(sDirectory));
}

} // namespace

int main(int argc, char *argv[])
{
    // Reports need fonts and the PDF writer of the GUI library, but never a
    // display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ensureRuntimeDirectory();

    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvane-cli"));
    QCoreApplication::setApplicationVersion(CApplicationContext::applicationVersion());

    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        writeToStderr(usage());
        return 1;
    }

    const QString &sCommand = args.first();
    if (sCommand == QLatin1String("--help") || sCommand == QLatin1String("-h") || sCommand == QLatin1String("help")) {
        writeToStdout(usage());
        return 0;
    }
    if (sCommand == QLatin1String("--version")) {
        writeToStdout(QStringLiteral("corvane-cli %1\n").arg(CApplicationContext::applicationVersion()));
        return 0;
    }
    if (sCommand == QLatin1String("export"))
        return runExportCommand(args.mid(1));
    if (sCommand == QLatin1String("report"))
        return runReportCommand(args.mid(1));

    writeToStderr(QStringLiteral("corvane-cli: unknown command '%1'\n\n").arg(sCommand) + usage());
    return 1;
}
