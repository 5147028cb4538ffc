#pragma once

#include <QString>

// One user-interface language of Locales.dat.
struct CLocaleRecord
{
    QString sName;
    QString sLocaleCode;
    QString sLanguageFile;
    QString sKeyboardLayout;
    QString sHelpFile;
};
