#pragma once

#include <QSet>

#include <cstdint>
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
    struct Entry
    {
        std::unique_ptr<CInspectionEvent> event;
        std::uint64_t uiSequence;
    };

    // Inserting in the middle of a long list is quadratic, so events that do
    // not arrive in id order are appended and put in place on the next read.
    void ensureIdOrder() const;

    bool isListed(const CInspectionEvent *cEvent);

    mutable std::vector<Entry> m_events;
    mutable bool m_bIdOrderPending = false;
    // Built once the list is long; short lists are scanned.
    std::unique_ptr<QSet<const CInspectionEvent *>> m_known;
    std::uint64_t m_uiNextSequence = 0;
};
