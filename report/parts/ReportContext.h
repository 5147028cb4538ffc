#pragma once

#include "report/paint/PageGeometry.h"
#include "report/parts/ReportLogo.h"

#include <QList>
#include <QRect>

class CCorvaneProject;
class CDamageClassList;
class CInspectionSegment;
class CInspectionStandard;
class CReportPainter;
class PrintoutLayout;

// What every report part reads besides its own section entry: the project
// and the sections chosen for the report, the catalog's layout, standard and
// damage classes, the logo, the painter that measures texts and the page
// geometry. The report run makes one per report. Nothing it points to is
// owned; all of it must outlive the parts built from it.
struct ReportContext
{
    const CCorvaneProject *cProject = nullptr;
    // The chosen sections in report order.
    QList<const CInspectionSegment *> sections;
    const PrintoutLayout *cLayout = nullptr;
    // The report's only way to the inspection standard: directions, damage
    // classes and the captions of section properties.
    const CInspectionStandard *cStandard = nullptr;
    const CDamageClassList *cDamageClasses = nullptr;
    // Whether the event tables show damage classes.
    bool bDamageInformation = false;
    ReportLogo logo;
    // Measures texts; without an active painter the parts estimate them.
    CReportPainter *cPainter = nullptr;
    // The printable rectangle of the paper the report is printed on, chosen
    // by the default locale when the context is made.
    QRect cPageRect = pageRectangle();
};
