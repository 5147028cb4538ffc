#include "model/CPropertyList.h"

#include <algorithm>

CPropertyList::~CPropertyList() = default;

void CPropertyList::clear()
{
    m_properties.clear();
    m_index.reset();
}

void CPropertyList::add(CProperty *cProperty)
{
    if (!cProperty)
        return;
    if (m_index) {
        if (!m_index->known.insert(cProperty).second)
            return;
        m_index->firstById.emplace(cProperty->id(), cProperty); // keeps an earlier one
    } else if (std::any_of(m_properties.cbegin(), m_properties.cend(),
                           [cProperty](const auto &p) { return p.get() == cProperty; })) {
        return;
    }
    m_properties.emplace_back(cProperty);
    if (!m_index && count() > kIndexThreshold)
        buildIndex();
}

void CPropertyList::buildIndex()
{
    m_index = std::make_unique<Index>();
    for (const auto &p : m_properties) {
        m_index->known.insert(p.get());
        m_index->firstById.emplace(p->id(), p.get());
    }
}

int CPropertyList::idAt(int iIndex) const
{
    const CProperty *cProperty = propertyAt(iIndex);
    return cProperty ? cProperty->id() : 0;
}

const CProperty *CPropertyList::propertyAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= count())
        return nullptr;
    return m_properties[static_cast<size_t>(iIndex)].get();
}

CProperty *CPropertyList::findProperty(int iId)
{
    if (m_index) {
        const auto it = m_index->firstById.find(iId);
        return it == m_index->firstById.end() ? nullptr : it->second;
    }
    for (const auto &p : m_properties) {
        if (p->id() == iId)
            return p.get();
    }
    return nullptr;
}

const CProperty *CPropertyList::findProperty(int iId) const
{
    return const_cast<CPropertyList *>(this)->findProperty(iId);
}

QString CPropertyList::valueOf(int iId) const
{
    const CProperty *cProperty = findProperty(iId);
    return cProperty ? cProperty->value() : QString();
}

QString CPropertyList::codeOf(int iId) const
{
    const CProperty *cProperty = findProperty(iId);
    return cProperty ? cProperty->code() : QString();
}

std::unique_ptr<CPropertyList> CPropertyList::withIds(int iCount)
{
    auto cList = std::make_unique<CPropertyList>();
    for (int i = 1; i <= iCount; ++i)
        cList->add(std::make_unique<CProperty>(i));
    return cList;
}
