#include "queries/CSectionObjectQuery.h"

#include "app/units/Units.h"
#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"
#include "queries/CProjectObjectQuery.h"
#include "queries/FieldIds.h"

#include <limits>

CSectionObjectQuery::CSectionObjectQuery(const CInspectionSegment *cSection)
    : CDataCoreObjectQuery(cSection), m_cSection(cSection)
{
}

namespace {
bool isProjectGroup(int iGroup)
{
    return iGroup >= FieldIds::GroupProject && iGroup <= FieldIds::GroupContractor;
}
} // namespace

QString CSectionObjectQuery::fieldValue(int iFieldId) const
{
    if (!m_cSection)
        return QString();

    switch (iFieldId) {
    case FieldIds::SectionName: return m_cSection->name();
    case FieldIds::SectionCalculatedLength: return formatLength(m_cSection->calculatedLength());
    case FieldIds::SectionInclinationFile: return m_cSection->inclinationFile();
    default: break;
    }

    const int iGroup = FieldIds::groupOf(iFieldId);
    if (isProjectGroup(iGroup))
        return CProjectObjectQuery(m_cSection->project()).fieldValue(iFieldId);
    if (iGroup == FieldIds::GroupSectionProperty && m_cSection->properties())
        return m_cSection->properties()->valueOf(FieldIds::indexOf(iFieldId));
    return QString();
}

QString CSectionObjectQuery::fieldCode(int iFieldId) const
{
    if (!m_cSection)
        return QString();

    const int iGroup = FieldIds::groupOf(iFieldId);
    if (isProjectGroup(iGroup))
        return CProjectObjectQuery(m_cSection->project()).fieldCode(iFieldId);
    if (iGroup == FieldIds::GroupSectionProperty && m_cSection->properties())
        return m_cSection->properties()->codeOf(FieldIds::indexOf(iFieldId));
    return QString();
}

QList<int> CSectionObjectQuery::fieldIds() const
{
    QList<int> ids;
    if (!m_cSection)
        return ids;
    ids << FieldIds::SectionName << FieldIds::SectionCalculatedLength << FieldIds::SectionInclinationFile;

    const CPropertyList *cProperties = m_cSection->properties();
    const int iCount = cProperties ? cProperties->count() : 0;
    for (int i = 0; i < iCount; ++i) {
        const int iPropertyId = cProperties->idAt(i);
        // Properties 8 and 9 are not shown. Ids below 1 would land on the
        // fixed fields above, and ids too large for an identifier address
        // nothing: neither is listed.
        if (iPropertyId == 8 || iPropertyId == 9 || iPropertyId < 1
            || iPropertyId > std::numeric_limits<int>::max() - FieldIds::SectionPropertyBase)
            continue;
        ids << iPropertyId + FieldIds::SectionPropertyBase;
    }
    return ids;
}
