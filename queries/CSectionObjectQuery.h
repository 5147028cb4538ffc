#pragma once

#include "queries/CDataCoreObjectQuery.h"

class CInspectionSegment;

// Fields of a section: name, calculated length, inclination file and its
// properties; project fields are answered for the section's project.
class CSectionObjectQuery : public CDataCoreObjectQuery
{
public:
    explicit CSectionObjectQuery(const CInspectionSegment *cSection);

    QString fieldValue(int iFieldId) const override;
    QString fieldCode(int iFieldId) const override;
    QList<int> fieldIds() const override;

private:
    const CInspectionSegment *m_cSection;
};
