#include "DemoContent.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace {

// Observation names in the style of EN 13508-2 (code, characterisation).
QString observationName(const QString &sCode, const QString &sChar1, const QString &sChar2)
{
    if (sCode == "BAB") {
        const QString sKind = sChar1 == "A" ? "Surface crack" : sChar1 == "C" ? "Fracture" : "Crack";
        const QString sForm = sChar2 == "B"   ? "circumferential"
                              : sChar2 == "C" ? "complex"
                              : sChar2 == "D" ? "helical"
                                              : "longitudinal";
        return sKind + ", " + sForm;
    }
    if (sCode == "BAE")
        return "Missing mortar";
    if (sCode == "BAF") {
        return sChar1 == "A"   ? "Surface damage, increased roughness"
               : sChar1 == "B" ? "Surface damage, spalling"
               : sChar1 == "E" ? "Surface damage, reinforcement visible"
                               : "Surface damage, aggregate visible";
    }
    if (sCode == "BAI")
        return "Intruding sealing ring";
    if (sCode == "BAJ")
        return sChar1 == "B"   ? "Displaced joint, radial"
               : sChar1 == "C" ? "Displaced joint, angular"
                               : "Displaced joint, longitudinal";
    if (sCode == "BBA")
        return sChar1 == "A" ? "Roots, tap root" : sChar1 == "C" ? "Roots, complex mass" : "Roots, fine";
    if (sCode == "BBC")
        return sChar1 == "B" ? "Settled deposits, gravel" : "Settled deposits, fine";
    if (sCode == "BBF") {
        return sChar1 == "A"   ? "Infiltration, seeping"
               : sChar1 == "C" ? "Infiltration, running"
                               : "Infiltration, dripping";
    }
    if (sCode == "BCA")
        return sChar2 == "B" ? "Connection, closed" : "Connection, open";
    if (sCode == "BCD")
        return "Start node";
    if (sCode == "BCE")
        return "Finish node";
    if (sCode == "BDB")
        return "General remark";
    if (sCode == "BDC")
        return "Survey abandoned";
    if (sCode == "BDD")
        return "Water level";
    return sCode;
}

struct EventRow
{
    double dPosition;
    const char *pszCode;
    const char *pszChar1;
    const char *pszChar2;
    int iClockFrom;
    int iClockTo;
    const char *pszQuantity;
    int iDamageClass;
    int iPhotos;
    const char *pszRemark;
};

DemoEvent makeEvent(int iId, const EventRow &cRow)
{
    DemoEvent event;
    event.iId = iId;
    event.dPosition = cRow.dPosition;
    event.sCode = QString::fromLatin1(cRow.pszCode);
    event.sChar1 = QString::fromLatin1(cRow.pszChar1);
    event.sChar2 = QString::fromLatin1(cRow.pszChar2);
    event.iClockFrom = cRow.iClockFrom;
    event.iClockTo = cRow.iClockTo;
    event.sQuantity = QString::fromUtf8(cRow.pszQuantity);
    event.iDamageClass = cRow.iDamageClass;
    event.iPhotoCount = cRow.iPhotos;
    event.sRemark = QString::fromUtf8(cRow.pszRemark);
    QStringList details;
    if (event.sCode == "BCD" || event.sCode == "BCE" || event.sCode == "BDB" || event.sCode == "BDC")
        details << event.sRemark;
    const QString sClock = clockText(event.iClockFrom, event.iClockTo);
    if (!sClock.isEmpty())
        details << sClock;
    if (!event.sQuantity.isEmpty())
        details << event.sQuantity;
    details.removeAll(QString());
    event.sText = observationName(event.sCode, event.sChar1, event.sChar2);
    if (!details.isEmpty())
        event.sText += '|' + details.join(", ");
    return event;
}

std::vector<DemoEvent> makeEvents(std::initializer_list<EventRow> rows)
{
    std::vector<DemoEvent> events;
    int iId = 1;
    for (const EventRow &cRow : rows)
        events.push_back(makeEvent(iId++, cRow));
    return events;
}

void setConcrete(DemoSection &section, int iDiameter)
{
    section.sShape = "Circular";
    section.sShapeCode = "A";
    section.iWidthMm = section.iHeightMm = iDiameter;
    section.sMaterial = "Concrete";
    section.sMaterialCode = "B";
    section.cWall = QColor(150, 146, 136);
}

void setClay(DemoSection &section, int iDiameter)
{
    section.sShape = "Circular";
    section.sShapeCode = "A";
    section.iWidthMm = section.iHeightMm = iDiameter;
    section.sMaterial = "Vitrified clay";
    section.sMaterialCode = "STZ";
    section.cWall = QColor(168, 104, 62);
}

DemoSection baseSection(int iId, const QString &sStart, const QString &sEnd)
{
    DemoSection section;
    section.iId = iId;
    section.sStartNode = sStart;
    section.sEndNode = sEnd;
    section.sName = sStart + " - " + sEnd;
    section.sLocation = "Road";
    section.sLocationCode = "A";
    section.sDistrict = "Altstadt";
    section.sOperator = QString::fromUtf8("Klaus Bräuer");
    section.sWeather = "Dry";
    section.sWeatherCode = "A";
    section.sPurpose = "Routine inspection";
    section.sPurposeCode = "E";
    section.sUse = "Combined sewage";
    section.sUseCode = "KM";
    return section;
}

DemoVideo video(const QString &sFile, double dFrom, double dTo, double dSeconds, double dTravel = -1.0)
{
    DemoVideo v;
    v.sFile = sFile;
    v.dFrom = dFrom;
    v.dTo = dTo;
    v.dSeconds = dSeconds;
    v.dTravelSeconds = dTravel < 0 ? dSeconds : dTravel;
    return v;
}

// The long section: a worn concrete sewer whose protocol needs several pages.
std::vector<DemoEvent> longSectionEvents(double dLength, double dJoint)
{
    QRandomGenerator rng(20240416u);
    std::vector<EventRow> rows;
    rows.push_back({0.0, "BCD", "", "", 0, 0, "", 0, 1, "Manhole S12"});
    rows.push_back({0.0, "BDD", "", "", 0, 0, "10 % of height", 0, 0, ""});
    const int iDefects = 44;
    QList<int> usedJoints;
    std::vector<QByteArray> keep; // owns the quantity texts of the rows
    keep.reserve(iDefects * 2);
    for (int i = 0; i < iDefects; ++i) {
        double dPos = 0.6 + i * (dLength - 1.4) / iDefects + rng.bounded(50) / 100.0;
        const int iKind = rng.bounded(100);
        EventRow cRow{0.0, "BAB", "B", "A", 12, 0, "", 3, 1, ""};
        auto quantity = [&](const QString &sText) {
            keep.push_back(sText.toUtf8());
            return keep.back().constData();
        };
        if (iKind < 22) { // crack, longitudinal or circumferential
            const bool bCirc = rng.bounded(3) == 0;
            cRow = {0,
                     "BAB",
                     "B",
                     bCirc ? "B" : "A",
                     bCirc ? 9 : 10 + int(rng.bounded(5)) % 12,
                     bCirc ? 3 : 0,
                     quantity(QString("width %1 mm").arg(1 + rng.bounded(3))),
                     bCirc ? 2 : 3,
                     1,
                     ""};
            if (cRow.iClockFrom == 0)
                cRow.iClockFrom = 12;
        } else if (iKind < 36) { // surface damage in the crown or the invert
            const bool bInvert = rng.bounded(2) == 0;
            cRow = {0, "BAF", bInvert ? "C" : "B", "", bInvert ? 5 : 11, bInvert ? 7 : 1, "", 2, 1, ""};
        } else if (iKind < 50) { // displaced joint
            cRow = {0,
                     "BAJ",
                     rng.bounded(2) ? "A" : "B",
                     "",
                     0,
                     0,
                     quantity(QString("gap %1 mm").arg(10 + 5 * rng.bounded(5))),
                     2,
                     1,
                     ""};
        } else if (iKind < 60) { // roots at a joint
            const bool bMass = rng.bounded(4) == 0;
            cRow = {0,
                     "BBA",
                     bMass ? "C" : "B",
                     "",
                     bMass ? 9 : 11,
                     bMass ? 3 : 1,
                     quantity(QString("%1 % of cross-section").arg(bMass ? 25 : 5)),
                     bMass ? 4 : 2,
                     2,
                     ""};
        } else if (iKind < 70) { // infiltration at a joint
            cRow = {0, "BBF", rng.bounded(2) ? "A" : "B", "", 1 + int(rng.bounded(3)), 0, "", 3, 1, ""};
        } else if (iKind < 82) { // lateral connection
            const bool bClosed = rng.bounded(3) == 0;
            const int iClock = rng.bounded(2) ? 2 : 10;
            cRow = {0,
                     "BCA",
                     "A",
                     bClosed ? "B" : "A",
                     iClock,
                     0,
                     quantity(QString("DN %1").arg(rng.bounded(2) ? 150 : 200)),
                     bClosed ? 1 : 0,
                     1,
                     ""};
        } else if (iKind < 90) { // intruding sealing ring
            cRow = {0, "BAI", "A", "", 4, 8, "", 3, 1, ""};
        } else if (iKind < 96) { // deposits
            cRow = {0, "BBC", "A", "", 5, 7, quantity(QString("%1 % of cross-section").arg(5 + 5 * rng.bounded(3))),
                     2, 1,     ""};
        } else {
            cRow = {0, "BAB", "C", "C", 1, 5, "", 5, 2, ""};
        }
        const QString sCode = QString::fromLatin1(cRow.pszCode);
        if (sCode == "BAJ" || sCode == "BBA" || sCode == "BBF" || sCode == "BAI") {
            // One joint observation per joint; otherwise record a crack there.
            const int iJoint = std::max(1, int(std::lround(dPos / dJoint)));
            if (usedJoints.contains(iJoint)) {
                cRow = {0, "BAB", "B", "A", 12, 0, quantity("width 1 mm"), 3, 1, ""};
            } else {
                usedJoints.append(iJoint);
                dPos = iJoint * dJoint + 0.01 * rng.bounded(4);
            }
        }
        cRow.dPosition = std::round(std::min(dPos, dLength - 0.3) * 100.0) / 100.0;
        if (cRow.iDamageClass >= 3 && rng.bounded(2) == 0)
            cRow.iPhotos = 2;
        rows.push_back(cRow);
    }
    // Recorded in driving order, at least a hand's width apart.
    std::stable_sort(rows.begin() + 2, rows.end(),
                     [](const EventRow &a, const EventRow &b) { return a.dPosition < b.dPosition; });
    for (size_t i = 3; i < rows.size(); ++i)
        rows[i].dPosition = std::max(rows[i].dPosition, std::round((rows[i - 1].dPosition + 0.12) * 100.0) / 100.0);
    rows.push_back({dLength, "BCE", "", "", 0, 0, "", 0, 1, "Manhole S13"});
    std::vector<DemoEvent> events;
    int iId = 1;
    for (const EventRow &cRow : rows)
        events.push_back(makeEvent(iId++, cRow));
    return events;
}

} // namespace

QString clockText(int iFrom, int iTo)
{
    if (iFrom <= 0)
        return QString();
    if (iTo <= 0)
        return QString("at %1 o'clock").arg(iFrom);
    return QString("from %1 to %2 o'clock").arg(iFrom).arg(iTo);
}

DemoProject buildDemoProject()
{
    DemoProject project;
    project.sName = "Kanalinspektion Ostrelbach 2024";
    project.sStandard = "OSTREL-DEMO";
    project.sCity = "Ostrelbach";
    project.client = QStringList{QString::fromUtf8("Stadt Ostrelbach – Der Bürgermeister"),
                                 QString::fromUtf8("Dipl.-Ing. Martina Köhler"),
                                 QString::fromUtf8("Tiefbauamt, Abt. Stadtentwässerung"),
                                 "Postfach 11 20",
                                 "Rathausplatz 1",
                                 "57462 Ostrelbach",
                                 "+49 2761 555-420",
                                 "+49 2761 555-499",
                                 "+49 171 5550123",
                                 "entwaesserung@ostrelbach.example"};
    project.officer = QStringList{QString::fromUtf8("Ingenieurbüro Schäfer & Partner"),
                                  QString::fromUtf8("Thomas Schäfer"),
                                  "Kanalsanierung",
                                  "",
                                  QString::fromUtf8("Gartenstraße 7"),
                                  "57439 Lindenau",
                                  "+49 2722 555-310",
                                  "+49 2722 555-319",
                                  "+49 151 5550456",
                                  "t.schaefer@ib-schaefer.example"};
    project.contractor = QStringList{QString::fromUtf8("Kanaltechnik Büttner GmbH"),
                                     QString::fromUtf8("Jörg Büttner"),
                                     "TV-Inspektion; Dichtheitsprüfung",
                                     "Postfach 3 14",
                                     QString::fromUtf8("Industriestraße 14"),
                                     "57462 Ostrelbach",
                                     "+49 2761 555-380",
                                     "+49 2761 555-389",
                                     "+49 160 5550987",
                                     "info@kanaltechnik-buettner.example"};

    // Written in this order on purpose: neither numeric nor string order.
    {
        DemoSection s = baseSection(12, "S12", "S13");
        setConcrete(s, 300);
        s.dLength = 48.60;
        s.dJointSpacing = 2.50;
        s.sStreet = QString::fromUtf8("Königstraße");
        s.sDate = "2024-04-16";
        s.sTime = "08:10";
        s.iYear = 1968;
        s.sRemarks = "Many defects, renovation recommended; see photos";
        s.dStartAltitude = 231.45;
        s.dEndAltitude = 231.21;
        s.dWaterLevel = 0.10;
        s.sInclinationFile = "INC_0012.txt";
        s.videos << video("S12-S13.webm", 0.0, 48.60, 10.0);
        s.events = longSectionEvents(s.dLength, s.dJointSpacing);
        project.sections.push_back(s);
    }
    {
        DemoSection s = baseSection(3, "S4", "S3");
        setClay(s, 250);
        s.bAgainstFlow = true;
        s.dLength = 32.40;
        s.dJointSpacing = 2.00;
        s.sStreet = QString::fromUtf8("Mühlenweg");
        s.sDistrict = QString::fromUtf8("Oberösch");
        s.sDate = "2024-04-16";
        s.sTime = "10:45";
        s.iYear = 1975;
        s.sUse = "Foul sewage";
        s.sUseCode = "KS";
        s.sRemarks = "Inspected against the flow from S4, S3 not accessible from the road";
        s.dStartAltitude = 233.85;
        s.dEndAltitude = 234.10;
        s.dWaterLevel = 0.06;
        s.sInclinationFile = "INC_0003.txt";
        s.bInclinationFeet = true;
        s.bEscapeSegmentGroup = true;
        s.videos << video("S4-S3.webm", 0.0, 32.40, 8.0);
        s.events = makeEvents({{0.00, "BCD", "", "", 0, 0, "", 0, 1, "Manhole S4"},
                               {0.00, "BDD", "", "", 0, 0, "5 % of height", 0, 0, ""},
                               {3.10, "BCA", "A", "A", 2, 0, "DN 150", 0, 1, ""},
                               {6.00, "BBA", "B", "", 10, 2, "5 % of cross-section", 2, 2, ""},
                               {11.40, "BAB", "B", "B", 9, 3, "width 1 mm", 2, 1, ""},
                               {14.00, "BBF", "B", "", 1, 0, "", 3, 2, ""},
                               {18.00, "BBA", "C", "", 9, 3, "30 % of cross-section", 4, 2, ""},
                               {22.75, "BAB", "B", "A", 12, 0, "width 2 mm", 3, 1, ""},
                               {26.00, "BAJ", "B", "", 0, 0, "offset 12 mm", 2, 1, ""},
                               {29.30, "BCA", "A", "B", 10, 0, "DN 150", 1, 1, ""},
                               {32.40, "BCE", "", "", 0, 0, "", 0, 1, "Manhole S3"}});
        project.sections.push_back(s);
    }
    {
        DemoSection s = baseSection(7, "S7", "S8");
        setConcrete(s, 400);
        s.dLength = 27.80;
        s.dJointSpacing = 2.50;
        s.sStreet = "Am Lindenhof";
        s.sDistrict = QString::fromUtf8("Süd");
        s.sDate = "2024-04-17";
        s.sTime = "07:55";
        s.iYear = 1982;
        s.sUse = "Storm water";
        s.sUseCode = "KR";
        s.sRemarks = "@S8: manhole cover rocks, reported to the road authority";
        s.dStartAltitude = 229.80;
        s.dEndAltitude = 229.52;
        s.bEscapeEventFile = true;
        s.videos << video("S7-S8.webm", 0.0, 27.80, 8.0);
        // Ids are the order of recording: two observations were added later.
        s.events = makeEvents({{0.00, "BCD", "", "", 0, 0, "", 0, 1, "Manhole S7"},
                               {4.90, "BAF", "A", "", 5, 7, "", 1, 1, ""},
                               {12.30, "BAB", "B", "A", 11, 0, "width 0.5 mm", 3, 2, ""},
                               {12.40, "BCA", "A", "A", 2, 0, "DN 150", 0, 1, ""},
                               {17.50, "BAJ", "A", "", 0, 0, "gap 20 mm", 2, 1, ""},
                               {27.80, "BCE", "", "", 0, 0, "", 0, 1, "Manhole S8"},
                               {12.35, "BAF", "C", "", 11, 1, "", 2, 1, ""},
                               {12.45, "BBF", "A", "", 2, 0, "", 2, 1, ""},
                               {21.60, "BBC", "A", "", 5, 7, "10 % of cross-section", 2, 1, ""},
                               {23.10, "BDB", "", "", 0, 0, "", 0, 0, "Liner inserted, 2019"}});
        s.events[3].sRemark = QString::fromUtf8("Anschluss Grundstück Nr. 14, Bäckerei");
        s.events[7].sRemark = QString::fromUtf8("Zulauf aus Anschluss Grundstück Nr. 14");
        project.sections.push_back(s);
    }
    {
        DemoSection s = baseSection(20, "S20", "S21");
        setClay(s, 300);
        s.dLength = 22.15;
        s.dJointSpacing = 2.00;
        s.sStreet = QString::fromUtf8("Schulstraße");
        s.sDate = "2024-04-17";
        s.sTime = "09:30";
        s.iYear = 1991;
        s.sUse = "Foul sewage";
        s.sUseCode = "KS";
        s.sRemarks = "Survey only, no observations; pipe in good condition";
        s.dStartAltitude = 230.05;
        s.dEndAltitude = 229.88;
        s.dWaterLevel = 0.05;
        s.videos << video("S20-S21.webm", 0.0, 22.15, 6.0);
        project.sections.push_back(s);
    }
    {
        DemoSection s = baseSection(5, "S5", "S6");
        setConcrete(s, 500);
        s.dLength = 18.50;
        s.sStreet = QString::fromUtf8("Brückenstraße");
        s.sDistrict = QString::fromUtf8("Niederösch");
        s.sDate = "2024-04-18";
        s.sTime = "08:05";
        s.iYear = 1959;
        s.sRemarks = "Survey abandoned; repeat after high-pressure cleaning";
        s.dStartAltitude = 228.40;
        s.dEndAltitude = 228.15;
        s.dWaterLevel = 0.12;
        s.bEscapeSegmentGroup = true;
        s.videos << video("S5-S6.webm", -1.20, -0.40, 6.0, 4.0);
        s.events =
            makeEvents({{-0.40, "BDC", "", "", 0, 0, "", 0, 2, "Obstacle at pipe entrance, camera cannot pass"}});
        project.sections.push_back(s);
    }
    {
        DemoSection s = baseSection(9, "S9", "S10");
        setClay(s, 250);
        s.dLength = 19.70;
        s.dJointSpacing = 1.00;
        s.sStreet = QString::fromUtf8("Grüner Weg");
        s.sDistrict = QString::fromUtf8("Niederösch");
        s.sDate = "2024-04-18";
        s.sTime = "10:20";
        s.iYear = 1964;
        s.sUse = "Foul sewage";
        s.sUseCode = "KS";
        s.sRemarks = "Root intrusion along the garden plots; cutting required";
        s.dStartAltitude = 229.10;
        s.dEndAltitude = 228.86;
        s.bEscapeSegmentGroup = true;
        s.videos << video("S9-S10.webm", 0.0, 19.70, 8.0);
        s.events = makeEvents({{0.00, "BCD", "", "", 0, 0, "", 0, 1, "Manhole S9"},
                               {2.05, "BBA", "B", "", 12, 0, "5 % of cross-section", 2, 1, ""},
                               {5.95, "BBF", "C", "", 11, 0, "", 4, 2, ""},
                               {8.10, "BBA", "C", "", 9, 3, "40 % of cross-section", 5, 2, ""},
                               {11.60, "BAB", "B", "B", 8, 4, "width 1 mm", 2, 1, ""},
                               {14.25, "BBC", "B", "", 5, 7, "20 % of cross-section", 3, 1, ""},
                               {17.40, "BCA", "A", "A", 9, 0, "DN 150", 0, 1, ""},
                               {19.70, "BCE", "", "", 0, 0, "", 0, 1, "Manhole S10"}});
        project.sections.push_back(s);
    }
    {
        DemoSection s = baseSection(104, "S104", "S105");
        s.sShape = "Egg-shaped";
        s.sShapeCode = "B";
        s.iWidthMm = 600;
        s.iHeightMm = 900;
        s.sMaterial = "Brickwork";
        s.sMaterialCode = "MA";
        s.cWall = QColor(150, 88, 70);
        s.dLength = 36.20;
        s.dJointSpacing = 0.0; // masonry: no pipe joints
        s.sStreet = QString::fromUtf8("Hauptstraße");
        s.sDistrict = QString::fromUtf8("Kirchbrück");
        s.sDate = "2024-04-18";
        s.sTime = "13:40";
        s.iYear = 1912;
        s.sRemarks = "Historic brick sewer, recorded in two videos";
        s.dStartAltitude = 227.60;
        s.dEndAltitude = 227.31;
        s.dWaterLevel = 0.15;
        s.videos << video("S104-S105_1.webm", 0.0, 18.10, 5.0) << video("S104-S105_2.webm", 18.10, 36.20, 5.0);
        s.events = makeEvents({{0.00, "BCD", "", "", 0, 0, "", 0, 1, "Manhole S104"},
                               {0.00, "BDD", "", "", 0, 0, "15 % of height", 0, 0, ""},
                               {6.80, "BAE", "", "", 10, 0, "", 2, 1, ""},
                               {12.40, "BCA", "A", "A", 3, 0, "DN 200", 0, 1, ""},
                               {17.90, "BAB", "B", "A", 12, 0, "width 3 mm", 3, 2, ""},
                               {23.50, "BBC", "A", "", 5, 7, "10 % of cross-section", 2, 1, ""},
                               {29.00, "BBF", "A", "", 9, 0, "", 2, 1, ""},
                               {36.20, "BCE", "", "", 0, 0, "", 0, 1, "Manhole S105"}});
        project.sections.push_back(s);
    }
    return project;
}

QString characterisationValue(const QString &sCode, const QString &sChar1, const QString &sChar2, int iWhich)
{
    // The part of the observation name that the characterisation letter picks.
    const QString &sChar = iWhich == 1 ? sChar1 : sChar2;
    if (sChar.isEmpty())
        return QString();
    const QStringList parts = observationName(sCode, sChar1, sChar2).split(", ");
    if (iWhich == 1)
        return sChar2.isEmpty() ? parts.last() : parts.value(0);
    return parts.value(1);
}
