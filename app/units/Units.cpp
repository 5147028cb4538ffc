#include "app/units/Units.h"

#include <QDebug>
#include <QLocale>

namespace {
constexpr double kMillimetresPerInch = 25.4;
constexpr double kInchesPerFoot = 12.0;
constexpr double kFeetPerMetre = 3.28;

// Every conversion step is rounded to single precision before the next one.
float step(double dValue)
{
    return static_cast<float>(dValue);
}

float toMillimetres(float v, int iFrom)
{
    switch (iFrom) {
    case UnitMillimetre: return v;
    case UnitCentimetre: return step(v * 10.0);
    case UnitInch: return step(v * kMillimetresPerInch);
    case UnitFoot: return step(step(v * kInchesPerFoot) * kMillimetresPerInch);
    case UnitMetre: return step(v * 1000.0);
    default: return 0.0f;
    }
}
} // namespace

int unitFromName(const QString &sName)
{
    const QString sTrimmed = sName.trimmed();
    if (sTrimmed == QLatin1String("mm"))
        return UnitMillimetre;
    if (sTrimmed == QLatin1String("in"))
        return UnitInch;
    if (sTrimmed == QLatin1String("ft"))
        return UnitFoot;
    if (sTrimmed == QLatin1String("m"))
        return UnitMetre;
    return UnitUnknown;
}

float convertLength(float v, int iFrom, int iTo)
{
    if (iFrom < UnitMillimetre || iFrom > UnitMetre || iTo < UnitMillimetre || iTo > UnitMetre)
        return 0.0f;
    if (iFrom == iTo)
        return v;
    // The table's chains all pass through millimetres, except the direct
    // steps between centimetres and metres and between inches and feet,
    // which are handled first: a detour through millimetres rounds twice
    // (1 ft would give 11.999999 in).
    if (iFrom == UnitCentimetre && iTo == UnitMetre)
        return step(v / 100.0);
    if (iFrom == UnitMetre && iTo == UnitCentimetre)
        return step(v * 100.0);
    if (iFrom == UnitInch && iTo == UnitFoot)
        return step(v / kInchesPerFoot);
    if (iFrom == UnitFoot && iTo == UnitInch)
        return step(v * kInchesPerFoot);
    const float fMm = toMillimetres(v, iFrom);
    switch (iTo) {
    case UnitMillimetre: return fMm;
    case UnitCentimetre: return step(fMm / 10.0);
    case UnitInch: return step(fMm / kMillimetresPerInch);
    case UnitFoot: return step(step(fMm / kMillimetresPerInch) / kInchesPerFoot);
    case UnitMetre: return step(fMm / 1000.0);
    default: return 0.0f;
    }
}

float metresToFeet(float fValue)
{
    return step(fValue * kFeetPerMetre);
}

bool isMetricSystem()
{
    return QLocale().territory() != QLocale::UnitedStates;
}

QString formatDecimal(float fValue)
{
    QLocale locale;
    // A Swedish system writes numbers the German way.
    if (locale == QLocale(QStringLiteral("sv_SE")))
        locale = QLocale(QStringLiteral("de_DE"));
    return locale.toString(static_cast<double>(fValue), 'f', 2);
}

QString formatLength(float fMetres, bool bWithoutUnit)
{
    const bool bMetric = isMetricSystem();
    const float fValue = bMetric ? fMetres : metresToFeet(fMetres);
    QString sText = formatDecimal(fValue);
    if (!bWithoutUnit)
        sText += bMetric ? QStringLiteral(" m") : QStringLiteral(" ft");
    return sText;
}

QString formatLengthWithUnit(float fValue, bool bInFeet)
{
    return formatDecimal(fValue) + (bInFeet ? QStringLiteral(" ft") : QStringLiteral(" m"));
}

QString formatPercent(float fValue, bool bWithoutUnit)
{
    QString sText = formatDecimal(fValue);
    if (!bWithoutUnit)
        sText += QStringLiteral(" %");
    return sText;
}

QString formatScale(int iDenominator)
{
    return QStringLiteral("1 : ") + QString::number(iDenominator);
}

QString formatTimeIndex(unsigned int uiHour, unsigned int uiMinute, unsigned int uiSecond)
{
    return QStringLiteral("%1:%2:%3")
        .arg(uiHour, 2, 10, QLatin1Char('0'))
        .arg(uiMinute, 2, 10, QLatin1Char('0'))
        .arg(uiSecond, 2, 10, QLatin1Char('0'));
}

QString lengthUnitLabel(bool bTrimmed)
{
    const bool bMetric = isMetricSystem();
    qDebug() << "metric system :" << (bMetric ? "true" : "false");
    const QString sUnit = bMetric ? QStringLiteral(" m") : QStringLiteral(" ft");
    return bTrimmed ? sUnit.trimmed() : sUnit;
}

QString formatDate(const QDate &dDate)
{
    return dDate.toString(QStringLiteral("yyyy.MM.dd"));
}
