#include "model/CEventList.h"

#include "model/CInspectionEvent.h"

#include <algorithm>

CEventList::CEventList() = default;
CEventList::~CEventList() = default;

CInspectionEvent *CEventList::at(int iIndex) const
{
    if (iIndex < 0 || iIndex >= count())
        return nullptr;
    return m_events[static_cast<size_t>(iIndex)].get();
}

void CEventList::addEvent(CInspectionEvent *cEvent)
{
    if (!cEvent)
        return;
    for (const auto &e : m_events) {
        if (e.get() == cEvent)
            return;
    }
    const int iId = cEvent->id();
    int iLow = -1;
    int iHigh = count();
    while (iHigh - iLow > 1) {
        const int iMiddle = iLow + (iHigh - iLow) / 2;
        if (m_events[static_cast<size_t>(iMiddle)]->id() < iId)
            iLow = iMiddle;
        else
            iHigh = iMiddle;
    }
    m_events.emplace(m_events.begin() + iHigh, cEvent);
}

void CEventList::sortByMeterValue()
{
    // Stable, so events at one position keep their id order from run to run;
    // a NaN never compares as smaller.
    std::stable_sort(m_events.begin(), m_events.end(), [](const auto &a, const auto &b) {
        return a->meterValue() < b->meterValue();
    });
}
