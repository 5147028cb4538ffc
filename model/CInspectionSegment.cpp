#include "model/CInspectionSegment.h"

#include "model/CInspectionEvent.h"
#include "model/CPropertyList.h"

#include <cmath>

CInspectionSegment::CInspectionSegment(CBaseProject *cProject, CPropertyList *cProperties, int iId)
    : CDataCoreObject(KindSection), m_cProject(cProject), m_cProperties(cProperties), m_iId(iId)
{
}

CInspectionSegment::~CInspectionSegment() = default;

float CInspectionSegment::calculatedLength() const
{
    const int iCount = m_events.count();
    if (iCount == 0)
        return 0.0f;
    if (iCount == 1)
        return std::fabs(m_events.at(0)->meterValue());
    const float fFirst = m_events.at(0)->meterValue();
    const float fLast = m_events.at(iCount - 1)->meterValue();
    return std::fmax(fFirst, fLast) - std::fmin(fFirst, fLast);
}
