#include "metadata/InspectionStandardLoader.h"

#include "metadata/CInspectionStandard.h"
#include "storage/CIniReader.h"

std::unique_ptr<CInspectionStandard> loadInspectionStandard(const QString &sPath)
{
    CIniReader cReader(sPath);
    if (cReader.childGroups().isEmpty())
        return nullptr;

    auto pStandard = std::make_unique<CInspectionStandard>();

    cReader.beginGroup(QStringLiteral("section-properties"));
    const int iProperties = cReader.beginReadArray(QStringLiteral("property"));
    for (int i = 0; i < iProperties; ++i) {
        cReader.setArrayIndex(i);
        pStandard->addSectionProperty(cReader.toInt(QStringLiteral("id")), cReader.text(QStringLiteral("description")));
    }
    cReader.endArray();
    cReader.endGroup();

    cReader.beginGroup(QStringLiteral("damage-classes"));
    const int iClasses = cReader.beginReadArray(QStringLiteral("class"));
    for (int i = 0; i < iClasses; ++i) {
        cReader.setArrayIndex(i);
        pStandard->addDamageClass(cReader.text(QStringLiteral("value")));
    }
    cReader.endArray();
    cReader.endGroup();

    cReader.beginGroup(QStringLiteral("misc-data"));
    pStandard->setTextDelimiter(cReader.text(QStringLiteral("text-delimiter")));
    pStandard->setDirectionText(CInspectionStandard::AgainstDirection, cReader.text(QStringLiteral("against-dir")));
    pStandard->setDirectionText(CInspectionStandard::InDirection, cReader.text(QStringLiteral("in-dir")));
    pStandard->setDirectionText(CInspectionStandard::FlowInDirection, cReader.text(QStringLiteral("flow-in-dir")));
    pStandard->setDirectionText(CInspectionStandard::FlowAgainstDirection,
                                cReader.text(QStringLiteral("flow-against-dir")));
    pStandard->setDirectionText(CInspectionStandard::NodeReferenceConvention,
                                cReader.text(QStringLiteral("node-reference-convention")));
    pStandard->setManholeAltitudeUnit(cReader.text(QStringLiteral("manhole-altitude-unit")));
    pStandard->setPipeDiameterUnit(cReader.text(QStringLiteral("pipe-diameter-unit")));
    cReader.endGroup();

    return pStandard;
}
