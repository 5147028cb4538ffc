#pragma once

#include <QMainWindow>

// Placeholder main window until the viewer lands.
class CAppMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit CAppMainWindow(QWidget *parent = nullptr);
    static CAppMainWindow *instance();
    static void setInstance(CAppMainWindow *cWindow);
    void showMainWindow();
};
