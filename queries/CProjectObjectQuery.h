#pragma once

#include "queries/CDataCoreObjectQuery.h"

class CBaseProject;

// Fields of a project: name, dates, catalog name and, for a project with
// inspection data, the three address blocks. No field has a code.
class CProjectObjectQuery : public CDataCoreObjectQuery
{
public:
    explicit CProjectObjectQuery(const CBaseProject *cProject);

    QString fieldValue(int iFieldId) const override;
    QString fieldCode(int iFieldId) const override;
    QList<int> fieldIds() const override;

private:
    const CBaseProject *m_cProject;
};
