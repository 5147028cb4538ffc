#include "model/CCorvaneProject.h"

#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"
#include "model/CPropertyStore.h"

#include <algorithm>

CCorvaneProject::CCorvaneProject(CPropertyList *cClient, CPropertyList *cOfficer, CPropertyList *cContractor)
    : CBaseProject(true), m_cClient(cClient), m_cOfficer(cOfficer), m_cContractor(cContractor)
{
}

// Sections go first: they hold back pointers to this project.
CCorvaneProject::~CCorvaneProject()
{
    m_sections.clear();
}

CInspectionSegment *CCorvaneProject::sectionAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= sectionCount())
        return nullptr;
    return m_sections[static_cast<size_t>(iIndex)].get();
}

void CCorvaneProject::adoptPropertyStore(std::unique_ptr<CPropertyStore> cStore)
{
    if (cStore)
        m_propertyStores.push_back(std::move(cStore));
}

void CCorvaneProject::addSection(CInspectionSegment *cSection)
{
    if (cSection)
        m_sections.emplace_back(cSection);
}

void CCorvaneProject::sortSections()
{
    std::stable_sort(m_sections.begin(), m_sections.end(),
                     [](const auto &a, const auto &b) { return a->id() < b->id(); });
    for (const auto &cSection : m_sections)
        cSection->events()->sortByMeterValue();
}
