#pragma once

// Field identifiers address every field of a project, section or event. The
// range an identifier falls in gives its group; for the grouped property
// fields the identifier minus the group's base is the property id.
namespace FieldIds {

enum Group {
    GroupNone = 0,
    GroupProject = 1,         // fixed project fields
    GroupClient = 2,          // project's client address list
    GroupOfficer = 3,         // project's officer address list
    GroupContractor = 4,      // project's contractor address list
    GroupSection = 5,         // fixed section fields
    GroupSectionProperty = 6, // section property list
    GroupEvent = 7,           // fixed event fields
    GroupEventProperty = 8    // event property list
};

enum FieldId {
    ClientName = 1000001,
    OfficerName = 1000011,
    ContractorName = 1000021,
    ProjectName = 1000031,
    ProjectCreated = 1000032,
    ProjectLastModified = 1000033,
    ProjectCatalogName = 1000034,
    SectionName = 1001100,
    SectionCalculatedLength = 1001101,
    SectionInclinationFile = 1001102,
    EventText = 1002000,
    EventAbbreviation = 1002001,
    EventImageFile = 1002002,
    EventImageFile2 = 1002003,
    EventVideoFile = 1002004,
    EventVideoTimeIndex = 1002005,
    EventMeterValue = 1002006
};

enum Base {
    ClientBase = 1000000,
    OfficerBase = 1000010,
    ContractorBase = 1000020,
    SectionPropertyBase = 1001102,
    EventPropertyBase = 1002006
};

// Identifier of a section or event property field, by property id.
constexpr int sectionPropertyField(int iPropertyId)
{
    return SectionPropertyBase + iPropertyId;
}
constexpr int eventPropertyField(int iPropertyId)
{
    return EventPropertyBase + iPropertyId;
}

// Group of an identifier; GroupNone outside every range.
int groupOf(int iFieldId);
// Property id of a grouped property field (groups 2, 3, 4, 6, 8); 0 otherwise.
int indexOf(int iFieldId);
// Identifier of a property of a grouped property field; 0 for other groups.
int fieldIdOf(int iGroup, int iIndex);
// Caption id of the shared translations for a fixed field; 0 when the
// identifier has no fixed caption.
int captionIdOf(int iFieldId);

} // namespace FieldIds
