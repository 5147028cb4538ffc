#pragma once

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

class CInspectionSegment;

// The coding rules a project was recorded under: descriptions of the
// numbered section properties, the damage classes, the direction codes,
// the text delimiter and the units of manhole altitudes and pipe diameters.
// Built by loadInspectionStandard; read-only afterwards.
class CInspectionStandard
{
public:
    // Keys of the direction texts.
    enum DirectionKey {
        InDirection = 0,
        AgainstDirection = 1,
        FlowInDirection = 2,
        FlowAgainstDirection = 3,
        NodeReferenceConvention = 4
    };
    // Results of inspectionDirection().
    enum InspectionDirection { DirectionUnknown = 0, DirectionIn = 1, DirectionAgainst = 2 };

    CInspectionStandard() = default;

    // The description of the first definition with the id; empty if none.
    QString sectionPropertyDescription(int iId) const;
    int sectionPropertyCount() const { return static_cast<int>(m_sectionProperties.size()); }
    // Id and description of definition iIndex; (0, "") outside the list.
    QPair<int, QString> sectionPropertyAt(int iIndex) const;

    int damageClassCount() const { return static_cast<int>(m_damageClasses.size()); }
    // Empty outside 0..damageClassCount() - 1.
    QString damageClassAt(int iIndex) const;

    // Empty for a key that was never stored.
    QString directionText(int iKey) const { return m_directionTexts.value(iKey); }
    QString textDelimiter() const { return m_sTextDelimiter; }
    QString manholeAltitudeUnit() const { return m_sManholeAltitudeUnit; }
    QString pipeDiameterUnit() const { return m_sPipeDiameterUnit; }

    // 0 when the node naming convention is "U-D" (an empty text counts as
    // "U-D"; the comparison is case-sensitive), 1 otherwise.
    int usesDefaultNodeConvention() const;

    // Interpretation of a section by this standard. A null section, or one
    // without properties, gives 0.
    // 2 when the code of section property 4 is the against-direction code,
    // else 1 when it is the in-direction code, else 0. An empty code never
    // matches, so a standard without direction codes gives 0.
    int inspectionDirection(const CInspectionSegment *pSection) const;
    // Section property 6 converted from the pipe diameter unit.
    float pipeDiameterCm(const CInspectionSegment *pSection) const;
    // Section properties 61 and 62 converted from the manhole altitude unit.
    float startManholeAltitude(const CInspectionSegment *pSection) const;
    float endManholeAltitude(const CInspectionSegment *pSection) const;

    // Building (the loader and tests).
    void addSectionProperty(int iId, const QString &sDescription);
    void addDamageClass(const QString &sValue) { m_damageClasses.append(sValue); }
    void setDirectionText(int iKey, const QString &sText) { m_directionTexts.insert(iKey, sText); }
    void setTextDelimiter(const QString &sText) { m_sTextDelimiter = sText; }
    void setManholeAltitudeUnit(const QString &sText) { m_sManholeAltitudeUnit = sText; }
    void setPipeDiameterUnit(const QString &sText) { m_sPipeDiameterUnit = sText; }

    // A number as inspection systems write it: "." as decimal point, or ","
    // as German field systems write it. Anything else, and non-finite or
    // out-of-range values, give 0.
    static float parseMeasurement(const QString &sText);

private:
    float sectionLength(const CInspectionSegment *pSection, int iPropertyId, const QString &sUnit, int iToUnit) const;

    QList<QPair<int, QString>> m_sectionProperties;
    QStringList m_damageClasses;
    QMap<int, QString> m_directionTexts;
    QString m_sTextDelimiter;
    QString m_sManholeAltitudeUnit;
    QString m_sPipeDiameterUnit;
};
