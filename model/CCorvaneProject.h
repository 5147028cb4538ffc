#pragma once

#include "model/CBaseProject.h"

#include <memory>
#include <vector>

class CInspectionSegment;
class CPropertyList;
class CPropertyStore;

// A project with inspection data: sections and three address blocks.
class CCorvaneProject : public CBaseProject
{
public:
    // Takes ownership of the three address lists.
    CCorvaneProject(CPropertyList *cClient, CPropertyList *cOfficer, CPropertyList *cContractor);
    ~CCorvaneProject() override;

    int sectionCount() const { return static_cast<int>(m_sections.size()); }
    CInspectionSegment *sectionAt(int iIndex) const;
    // Takes ownership.
    void addSection(CInspectionSegment *cSection);
    // Sections by ascending id, then each section's events by meter value.
    void sortSections();

    // Keeps a store that holds the property lists of sections and events
    // of this project (the reader fills them), until the project goes.
    void adoptPropertyStore(std::unique_ptr<CPropertyStore> cStore);

    CPropertyList *client() const { return m_cClient.get(); }
    CPropertyList *officer() const { return m_cOfficer.get(); }
    CPropertyList *contractor() const { return m_cContractor.get(); }

private:
    // Declared first, so it goes last: the lists in it go with the sections.
    std::vector<std::unique_ptr<CPropertyStore>> m_propertyStores;
    std::vector<std::unique_ptr<CInspectionSegment>> m_sections;
    std::unique_ptr<CPropertyList> m_cClient;
    std::unique_ptr<CPropertyList> m_cOfficer;
    std::unique_ptr<CPropertyList> m_cContractor;
};
