#include "model/CInspectionEvent.h"

#include "model/CPropertyList.h"

CInspectionEvent::CInspectionEvent(CInspectionSegment *cSection, CPropertyList *cProperties, int iId)
    : CDataCoreObject(KindEvent), m_cSection(cSection), m_cProperties(cProperties), m_iId(iId)
{
}

CInspectionEvent::~CInspectionEvent() = default;

void CInspectionEvent::setVideoTimeIndex(unsigned int uiHour, unsigned int uiMinute, unsigned int uiSecond)
{
    m_uiVideoHour = uiHour;
    m_uiVideoMinute = uiMinute;
    m_uiVideoSecond = uiSecond;
}
