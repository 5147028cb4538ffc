#pragma once

#include <QString>

class CCorvaneProject;
class CDamageClassList;
class CInspectionStandard;
class PrintoutLayout;

// What the main window needs of the report settings dialog: show it for a
// project and return when the user closes it.
class IPrintoutSettingsDialog
{
public:
    virtual void showPrintoutSettings(const CCorvaneProject &cProject, const CInspectionStandard &cStandard,
                                      const PrintoutLayout &cLayout, const CDamageClassList &cDamageClasses,
                                      const QString &sLogoImagePath, const QString &sLogoTextPath) = 0;
    virtual ~IPrintoutSettingsDialog() = default;
};
