#pragma once

#include <QString>

// One coding catalog of Catalogs.dat: the name a project records and the
// names of the catalog's standard, printout data and layout files.
struct CCatalogRecord
{
    enum Format { FormatOstrel = 1, FormatCDLab = 2 };

    QString sInternalName;
    QString sDisplayName;
    QString sOfficialName;
    QString sFileName;
    QString sSupplementalFileName;
    QString sBaseFileName;
    QString sPrintoutDataFile;
    QString sPrintoutLayoutFileName;
    QString sLocaleCode;
    int iFormat = 0;
    bool bLegacy = false;
};
