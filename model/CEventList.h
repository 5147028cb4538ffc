#pragma once

#include <memory>
#include <vector>

class CInspectionEvent;

// The events of one section. Owns its events; index look-ups outside the
// range answer null.
class CEventList
{
public:
    CEventList();
    ~CEventList();
    CEventList(const CEventList &) = delete;
    CEventList &operator=(const CEventList &) = delete;

    int count() const { return static_cast<int>(m_events.size()); }
    CInspectionEvent *at(int iIndex) const;
    bool isEmpty() const { return m_events.empty(); }

    // Inserts before the first event whose id is >= the new id (lower bound),
    // so a later event with an equal id comes first. Ignores an event that
    // is already listed. Takes ownership.
    void addEvent(CInspectionEvent *cEvent);
    // Orders by meter value, keeping the id order of equal positions.
    void sortByMeterValue();

private:
    std::vector<std::unique_ptr<CInspectionEvent>> m_events;
};
