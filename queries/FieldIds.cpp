#include "queries/FieldIds.h"

namespace FieldIds {

int groupOf(int iFieldId)
{
    if (iFieldId >= 1000000 && iFieldId <= 1000010)
        return GroupClient;
    if (iFieldId >= 1000011 && iFieldId <= 1000020)
        return GroupOfficer;
    if (iFieldId >= 1000021 && iFieldId <= 1000030)
        return GroupContractor;
    if (iFieldId >= 1000031 && iFieldId <= 1000034)
        return GroupProject;
    if (iFieldId >= 1001000 && iFieldId <= 1001102)
        return GroupSection;
    if (iFieldId >= 1001103 && iFieldId <= 1001183)
        return GroupSectionProperty;
    if (iFieldId >= 1002000 && iFieldId <= 1002006)
        return GroupEvent;
    if (iFieldId >= 1002007 && iFieldId <= 1202036)
        return GroupEventProperty;
    return GroupNone;
}

namespace {
int baseOf(int iGroup)
{
    switch (iGroup) {
    case GroupClient: return ClientBase;
    case GroupOfficer: return OfficerBase;
    case GroupContractor: return ContractorBase;
    case GroupSectionProperty: return SectionPropertyBase;
    case GroupEventProperty: return EventPropertyBase;
    default: return 0;
    }
}
} // namespace

int indexOf(int iFieldId)
{
    const int iBase = baseOf(groupOf(iFieldId));
    return iBase == 0 ? 0 : iFieldId - iBase;
}

int fieldIdOf(int iGroup, int iIndex)
{
    const int iBase = baseOf(iGroup);
    return iBase == 0 ? 0 : iIndex + iBase;
}

int captionIdOf(int iFieldId)
{
    switch (groupOf(iFieldId)) {
    case GroupClient:
    case GroupOfficer:
    case GroupContractor: {
        const int iIndex = indexOf(iFieldId);
        if (iIndex == 1)                       // the name of each list has its own caption
            return 10 + groupOf(iFieldId) - 1; // 11 customer, 12 leader, 13 contractor
        return iIndex;                         // 2..10 "Responsible" to "E-Mail"; 0 (1000000) none
    }
    default: break;
    }
    switch (iFieldId) {
    case ProjectName: return 14;
    case ProjectCreated: return 15;
    case ProjectLastModified: return 16;
    case ProjectCatalogName: return 17;
    case SectionName: return 18;
    case SectionCalculatedLength: return 19;
    case SectionInclinationFile: return 20;
    case EventText: return 21;
    case EventAbbreviation: return 22;
    case EventImageFile: return 24;
    case EventImageFile2: return 25;
    case EventVideoFile: return 26;
    case EventVideoTimeIndex: return 27;
    case EventMeterValue: return 28;
    default: return 0;
    }
}

} // namespace FieldIds
