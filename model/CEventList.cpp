#include "model/CEventList.h"

#include "model/CInspectionEvent.h"

#include <algorithm>

CEventList::CEventList() = default;
CEventList::~CEventList() = default;

CInspectionEvent *CEventList::at(int iIndex) const
{
    if (iIndex < 0 || iIndex >= count())
        return nullptr;
    ensureIdOrder();
    return m_events[static_cast<size_t>(iIndex)].event.get();
}

void CEventList::addEvent(CInspectionEvent *cEvent)
{
    if (!cEvent || isListed(cEvent))
        return;
    // The lower-bound position is the end exactly when every listed id is
    // smaller; anything else (an equal id included, which goes first) is
    // sorted in later.
    if (!m_events.empty() && !(m_events.back().event->id() < cEvent->id()))
        m_bIdOrderPending = true;
    m_events.push_back({std::unique_ptr<CInspectionEvent>(cEvent), m_uiNextSequence++});
}

bool CEventList::isListed(const CInspectionEvent *cEvent)
{
    constexpr size_t kIndexThreshold = 64;
    if (!m_known && m_events.size() > kIndexThreshold) {
        m_known = std::make_unique<QSet<const CInspectionEvent *>>();
        m_known->reserve(static_cast<qsizetype>(m_events.size()) * 2);
        for (const Entry &entry : m_events)
            m_known->insert(entry.event.get());
    }
    if (m_known) {
        const qsizetype iBefore = m_known->size();
        m_known->insert(cEvent);
        return m_known->size() == iBefore;
    }
    return std::any_of(m_events.cbegin(), m_events.cend(),
                       [cEvent](const Entry &entry) { return entry.event.get() == cEvent; });
}

void CEventList::ensureIdOrder() const
{
    if (!m_bIdOrderPending)
        return;
    // Same order as inserting each event before the first one whose id is
    // not smaller: ascending ids, the later-added first among equal ids.
    std::sort(m_events.begin(), m_events.end(), [](const Entry &a, const Entry &b) {
        if (a.event->id() != b.event->id())
            return a.event->id() < b.event->id();
        return a.uiSequence > b.uiSequence;
    });
    m_bIdOrderPending = false;
}

void CEventList::sortByMeterValue()
{
    ensureIdOrder();
    // Stable, so events at one position keep their id order from run to run;
    // a NaN never compares as smaller.
    std::stable_sort(m_events.begin(), m_events.end(),
                     [](const Entry &a, const Entry &b) { return a.event->meterValue() < b.event->meterValue(); });
}
