#include "queries/CEventObjectQuery.h"

#include "app/units/Units.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"
#include "queries/CProjectObjectQuery.h"
#include "queries/CSectionObjectQuery.h"
#include "queries/FieldIds.h"

#include <limits>

CEventObjectQuery::CEventObjectQuery(const CInspectionEvent *cEvent) : CDataCoreObjectQuery(cEvent), m_cEvent(cEvent)
{
}

int CEventObjectQuery::eventPropertyId(int iFieldId) const
{
    const int iId = FieldIds::indexOf(iFieldId);
    const CPropertyList *cProperties = m_cEvent->properties();
    if (iId == 200001 && !(cProperties && cProperties->contains(200001)))
        return 1;
    if (iId == 200002 && !(cProperties && cProperties->contains(200002)))
        return 2;
    return iId;
}

QString CEventObjectQuery::fieldValue(int iFieldId) const
{
    if (!m_cEvent)
        return QString();

    switch (iFieldId) {
    case FieldIds::EventText: return m_cEvent->text();
    case FieldIds::EventAbbreviation: return m_cEvent->abbreviation();
    case FieldIds::EventImageFile: return m_cEvent->imageFile();
    case FieldIds::EventImageFile2: return m_cEvent->imageFile2();
    case FieldIds::EventVideoFile: return m_cEvent->videoFile();
    case FieldIds::EventVideoTimeIndex:
        return formatTimeIndex(m_cEvent->videoHour(), m_cEvent->videoMinute(), m_cEvent->videoSecond());
    case FieldIds::EventMeterValue: return formatLength(m_cEvent->meterValue());
    default: break;
    }

    const CInspectionSegment *cSection = m_cEvent->section();
    switch (FieldIds::groupOf(iFieldId)) {
    case FieldIds::GroupProject:
    case FieldIds::GroupClient:
    case FieldIds::GroupOfficer:
    case FieldIds::GroupContractor:
        return CProjectObjectQuery(cSection ? cSection->project() : nullptr).fieldValue(iFieldId);
    case FieldIds::GroupSection:
    case FieldIds::GroupSectionProperty: return CSectionObjectQuery(cSection).fieldValue(iFieldId);
    case FieldIds::GroupEventProperty:
        return m_cEvent->properties() ? m_cEvent->properties()->valueOf(eventPropertyId(iFieldId)) : QString();
    default: return QString();
    }
}

QString CEventObjectQuery::fieldCode(int iFieldId) const
{
    if (!m_cEvent)
        return QString();

    const CInspectionSegment *cSection = m_cEvent->section();
    switch (FieldIds::groupOf(iFieldId)) {
    case FieldIds::GroupProject:
    case FieldIds::GroupClient:
    case FieldIds::GroupOfficer:
    case FieldIds::GroupContractor:
        return CProjectObjectQuery(cSection ? cSection->project() : nullptr).fieldCode(iFieldId);
    case FieldIds::GroupSection:
    case FieldIds::GroupSectionProperty: return CSectionObjectQuery(cSection).fieldCode(iFieldId);
    case FieldIds::GroupEventProperty:
        return m_cEvent->properties() ? m_cEvent->properties()->codeOf(eventPropertyId(iFieldId)) : QString();
    default: return QString();
    }
}

QList<int> CEventObjectQuery::fieldIds() const
{
    QList<int> ids;
    if (!m_cEvent)
        return ids;
    // The meter value comes third, right after text and code.
    ids << FieldIds::EventText << FieldIds::EventAbbreviation << FieldIds::EventMeterValue << FieldIds::EventImageFile
        << FieldIds::EventImageFile2 << FieldIds::EventVideoFile << FieldIds::EventVideoTimeIndex;

    const CPropertyList *cProperties = m_cEvent->properties();
    const int iCount = cProperties ? cProperties->count() : 0;
    for (int i = 0; i < iCount; ++i) {
        const int iPropertyId = cProperties->idAt(i);
        // Ids below 1 would land on the fixed fields above, and ids too large
        // for an identifier address nothing: neither is listed.
        if (iPropertyId < 1 || iPropertyId > std::numeric_limits<int>::max() - FieldIds::EventPropertyBase)
            continue;
        ids << iPropertyId + FieldIds::EventPropertyBase;
    }
    return ids;
}
