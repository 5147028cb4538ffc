#pragma once

class CInspectionSegment;

// One chosen section of a report job and what to print of it.
struct SectionEntry
{
    // Not owned: the section belongs to the project.
    const CInspectionSegment *cSection = nullptr;
    // 0 no photos, 1 or 3 photos per page.
    int iPhotosPerPage = 1;
    bool bSectionProtocol = true;
    bool bInclinationProtocol = true;
    bool bInclinationGraph = true;
};
