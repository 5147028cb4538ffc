#pragma once

#include "model/CProperty.h"

#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// Ordered list of properties. Ids need not be unique: every look-up by id
// answers from the first property with that id in list order.
class CPropertyList
{
public:
    CPropertyList() = default;
    virtual ~CPropertyList();
    CPropertyList(const CPropertyList &) = delete;
    CPropertyList &operator=(const CPropertyList &) = delete;

    void clear();
    // Takes ownership; the very same object is never listed twice.
    void add(CProperty *cProperty);
    void add(std::unique_ptr<CProperty> cProperty) { add(cProperty.release()); }

    int count() const { return static_cast<int>(m_properties.size()); }
    int idAt(int iIndex) const;
    const CProperty *propertyAt(int iIndex) const;
    CProperty *findProperty(int iId);
    const CProperty *findProperty(int iId) const;
    bool contains(int iId) const { return findProperty(iId) != nullptr; }
    QString valueOf(int iId) const;
    QString codeOf(int iId) const;

    // A list with properties 1..iCount and empty texts (address blocks).
    static std::unique_ptr<CPropertyList> withIds(int iCount);

private:
    std::vector<std::unique_ptr<CProperty>> m_properties;
    // Long lists (only damaged or hostile files have them) get an index so
    // adding and looking up stay cheap; short lists are scanned.
    struct Index
    {
        std::unordered_set<const CProperty *> known;
        std::unordered_map<int, CProperty *> firstById;
    };
    static constexpr int kIndexThreshold = 64;
    void buildIndex();

    std::unique_ptr<Index> m_index;
};
