#pragma once

#include <QDate>
#include <QString>

// Length units as inspection standards and measurement files name them.
enum LengthUnit { UnitUnknown = 0, UnitMillimetre = 1, UnitCentimetre = 2, UnitInch = 3, UnitFoot = 4, UnitMetre = 5 };

int unitFromName(const QString &sName);
float convertLength(float fValue, int iFromUnit, int iToUnit);
float metresToFeet(float fValue);
// Lengths show in feet only where the default locale's country is the US.
bool isMetricSystem();
QString formatDecimal(float fValue);
QString formatLength(float fMetres, bool bWithoutUnit = false);
QString formatLengthWithUnit(float fValue, bool bInFeet);
QString formatPercent(float fValue, bool bWithoutUnit = false);
QString formatScale(int iDenominator);
QString formatTimeIndex(unsigned int uiHour, unsigned int uiMinute, unsigned int uiSecond);
QString lengthUnitLabel(bool bTrimmed = false);
QString formatDate(const QDate &dDate);
