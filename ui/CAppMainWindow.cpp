#include "ui/CAppMainWindow.h"

namespace {
CAppMainWindow *g_cMainWindow = nullptr;
}

CAppMainWindow::CAppMainWindow(QWidget *parent) : QMainWindow(parent) {}

CAppMainWindow *CAppMainWindow::instance() { return g_cMainWindow; }

void CAppMainWindow::setInstance(CAppMainWindow *cWindow) { g_cMainWindow = cWindow; }

void CAppMainWindow::showMainWindow()
{
    setWindowTitle(tr("Ostrel Corvane Viewer"));
    show();
}
