#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// The content of the demo project: a small municipal CCTV survey with
// sections chosen so that every view and report path of the viewer has
// something to show (long protocols, crowded rows, an inspection against
// the flow, an empty section, a negative position, two videos, feet).

struct DemoProperty
{
    int iId = 0;
    QString sValue;
    QString sCode;
};

struct DemoEvent
{
    int iId = 0;
    double dPosition = 0.0;
    QString sCode;
    QString sText; // main text and detail, joined by '|'
    int iDamageClass = 0;
    QString sChar1, sChar2; // characterisation codes (drawing hints too)
    int iClockFrom = 0;     // 0 = no clock reference
    int iClockTo = 0;
    QString sQuantity;
    QString sRemark;
    int iPhotoCount = 1;
    // Filled by the planner.
    QString sImage1, sImage2, sVideo;
    int iVideoSecond = 0;
};

struct DemoVideo
{
    QString sFile;
    double dFrom = 0.0;          // counter at the first frame
    double dTo = 0.0;            // counter when the camera stops
    double dSeconds = 8.0;       // length of the video
    double dTravelSeconds = 8.0; // time until the camera stops
};

struct DemoSection
{
    int iId = 0;
    QString sName;
    QString sStartNode, sEndNode;
    bool bAgainstFlow = false;
    QString sShape, sShapeCode;
    int iWidthMm = 300, iHeightMm = 300;
    QString sMaterial, sMaterialCode;
    QColor cWall;
    double dLength = 0.0;
    double dJointSpacing = 2.5;
    QString sLocation, sLocationCode;
    QString sStreet, sDistrict;
    QString sDate, sTime;
    QString sOperator;
    QString sWeather, sWeatherCode;
    QString sPurpose, sPurposeCode;
    int iYear = 1970;
    QString sUse, sUseCode;
    QString sRemarks;
    // Altitudes of the manholes where the inspection starts and ends.
    double dStartAltitude = 0.0, dEndAltitude = 0.0;
    double dWaterLevel = 0.08; // fraction of the pipe height
    QString sInclinationFile;
    bool bInclinationFeet = false;
    QList<DemoVideo> videos;
    std::vector<DemoEvent> events;    // in the order written to the event file
    bool bEscapeSegmentGroup = false; // non-ASCII written as \x escapes
    bool bEscapeEventFile = false;
    bool bWriteEventFile = true;
};

struct DemoProject
{
    QString sName;
    QString sStandard;
    QString sCity;
    QStringList client, officer, contractor; // properties 1..10
    std::vector<DemoSection> sections;       // in file order
};

DemoProject buildDemoProject();

// Value text of characterisation 1 or 2 of an observation.
QString characterisationValue(const QString &sCode, const QString &sChar1, const QString &sChar2, int iWhich);

// Display text of a clock position range ("at 12 o'clock", "from 2 to 4 o'clock").
QString clockText(int iFrom, int iTo);
