#include "app/CApplicationContext.h"
#include "ui/CAppMainWindow.h"
#include "ui/CViewerSettings.h"

#include <QApplication>
#include <QIcon>

#include <memory>

int main(int argc, char *argv[])
{
    auto application = std::make_unique<QApplication>(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon/icon.ico")));
    // Place the user's configuration (recent projects, window layout).
    QApplication::setOrganizationName(CViewerSettings::organizationName());
    QApplication::setApplicationName(CViewerSettings::applicationName());

    CApplicationContext::setInstance(new CApplicationContext());

    // The main window lives until the process ends, as the rest of the
    // program may reach it through its process-wide pointer.
    CAppMainWindow *cMainWindow = new CAppMainWindow();
    CAppMainWindow::setInstance(cMainWindow);
    cMainWindow->showMainWindow();

    const int iResult = QApplication::exec();

    CApplicationContext::destroyInstance();
    application.reset();
    return iResult;
}
