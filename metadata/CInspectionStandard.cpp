#include "metadata/CInspectionStandard.h"

#include "app/units/Units.h"
#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"

#include <cmath>
#include <limits>

namespace {
constexpr int kPropertyDirection = 4;
constexpr int kPropertyDiameter = 6;
constexpr int kPropertyStartAltitude = 61;
constexpr int kPropertyEndAltitude = 62;

bool toFiniteFloat(const QString &sText, float *pValue)
{
    bool bOk = false;
    const double dValue = sText.toDouble(&bOk);
    if (!bOk || !std::isfinite(dValue) || std::fabs(dValue) > std::numeric_limits<float>::max())
        return false;
    *pValue = static_cast<float>(dValue);
    return true;
}
} // namespace

QString CInspectionStandard::sectionPropertyDescription(int iId) const
{
    for (const auto &cDefinition : m_sectionProperties) {
        if (cDefinition.first == iId)
            return cDefinition.second;
    }
    return QString();
}

QPair<int, QString> CInspectionStandard::sectionPropertyAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= m_sectionProperties.size())
        return qMakePair(0, QString());
    return m_sectionProperties.at(iIndex);
}

QString CInspectionStandard::damageClassAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= m_damageClasses.size())
        return QString();
    return m_damageClasses.at(iIndex);
}

void CInspectionStandard::addSectionProperty(int iId, const QString &sDescription)
{
    m_sectionProperties.append(qMakePair(iId, sDescription));
}

int CInspectionStandard::usesDefaultNodeConvention() const
{
    QString sConvention = directionText(NodeReferenceConvention);
    if (sConvention.isEmpty())
        sConvention = QStringLiteral("U-D");
    return sConvention == QLatin1String("U-D") ? 0 : 1;
}

int CInspectionStandard::inspectionDirection(const CInspectionSegment *pSection) const
{
    if (!pSection || !pSection->properties())
        return DirectionUnknown;
    const QString sCode = pSection->properties()->codeOf(kPropertyDirection);
    // A missing direction code in the standard must not declare every
    // section without a code as inspected against the flow.
    const QString sAgainst = directionText(AgainstDirection);
    if (!sAgainst.isEmpty() && sCode == sAgainst)
        return DirectionAgainst;
    const QString sIn = directionText(InDirection);
    if (!sIn.isEmpty() && sCode == sIn)
        return DirectionIn;
    return DirectionUnknown;
}

float CInspectionStandard::parseMeasurement(const QString &sText)
{
    // An unquoted "300,5" reaches us split and joined again as "300, 5".
    QString sTrimmed = sText.trimmed();
    if (sTrimmed.count(QLatin1Char(',')) == 1)
        sTrimmed.replace(QLatin1String(", "), QLatin1String(","));
    float fValue = 0.0f;
    if (toFiniteFloat(sTrimmed, &fValue))
        return fValue;
    // "1,5" from a German field system; "1.000,5" is not taken, it could as
    // well be a list of numbers.
    if (sTrimmed.count(QLatin1Char(',')) == 1 && !sTrimmed.contains(QLatin1Char('.'))) {
        QString sDotted = sTrimmed;
        sDotted.replace(QLatin1Char(','), QLatin1Char('.'));
        if (toFiniteFloat(sDotted, &fValue))
            return fValue;
    }
    return 0.0f;
}

float CInspectionStandard::sectionLength(const CInspectionSegment *pSection, int iPropertyId, const QString &sUnit,
                                         int iToUnit) const
{
    if (!pSection || !pSection->properties())
        return 0.0f;
    const float fValue = parseMeasurement(pSection->properties()->valueOf(iPropertyId));
    const float fConverted = convertLength(fValue, unitFromName(sUnit), iToUnit);
    return std::isfinite(fConverted) ? fConverted : 0.0f;
}

float CInspectionStandard::pipeDiameterCm(const CInspectionSegment *pSection) const
{
    return sectionLength(pSection, kPropertyDiameter, m_sPipeDiameterUnit, UnitCentimetre);
}

float CInspectionStandard::startManholeAltitude(const CInspectionSegment *pSection) const
{
    return sectionLength(pSection, kPropertyStartAltitude, m_sManholeAltitudeUnit, UnitMetre);
}

float CInspectionStandard::endManholeAltitude(const CInspectionSegment *pSection) const
{
    return sectionLength(pSection, kPropertyEndAltitude, m_sManholeAltitudeUnit, UnitMetre);
}
