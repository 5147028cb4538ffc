#include "model/CPropertyList.h"

#include <algorithm>

CPropertyList::~CPropertyList() = default;

void CPropertyList::clear()
{
    m_properties.clear();
}

void CPropertyList::add(CProperty *cProperty)
{
    if (!cProperty)
        return;
    const bool bKnown = std::any_of(m_properties.cbegin(), m_properties.cend(),
                                    [cProperty](const auto &p) { return p.get() == cProperty; });
    if (!bKnown)
        m_properties.emplace_back(cProperty);
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
