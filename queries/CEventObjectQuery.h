#pragma once

#include "queries/CDataCoreObjectQuery.h"

class CInspectionEvent;

// Fields of an event: text, code, photos, video and position, and its
// properties; project and section fields are answered for the event's section
// and its project.
class CEventObjectQuery : public CDataCoreObjectQuery
{
public:
    explicit CEventObjectQuery(const CInspectionEvent *cEvent);

    QString fieldValue(int iFieldId) const override;
    QString fieldCode(int iFieldId) const override;
    QList<int> fieldIds() const override;

private:
    // Property id asked for by an event property field, after the fallback
    // of 200001/200002 to 1/2 for events recorded without them.
    int eventPropertyId(int iFieldId) const;

    const CInspectionEvent *m_cEvent;
};
