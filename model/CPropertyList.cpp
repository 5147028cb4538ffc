#include "model/CPropertyList.h"

#include <algorithm>
#include <limits>

CPropertyList::~CPropertyList() = default;

void CPropertyList::clear()
{
    m_rows.clear();
    m_texts.clear();
    m_properties.clear();
    m_index.reset();
}

int CPropertyList::count() const
{
    return static_cast<int>(isCompact() ? m_rows.size() : m_properties.size());
}

void CPropertyList::add(CProperty *cProperty)
{
    if (!cProperty)
        return;
    expand();
    if (m_index) {
        if (m_index->known.contains(cProperty))
            return;
        m_index->known.insert(cProperty);
    } else if (std::any_of(m_properties.cbegin(), m_properties.cend(),
                           [cProperty](const auto &p) { return p.get() == cProperty; })) {
        return;
    }
    m_properties.emplace_back(cProperty);
    if (m_index)
        indexPosition(cProperty->id(), count() - 1);
    else if (count() > kIndexThreshold)
        buildIndex();
}

void CPropertyList::append(int iId, QStringView sValue, QStringView sCode)
{
    if (!m_properties.empty()) {
        // Already property objects: stay so, in order.
        auto cProperty = std::make_unique<CProperty>(iId);
        cProperty->setValue(sValue.toString());
        cProperty->setCode(sCode.toString());
        add(std::move(cProperty));
        return;
    }
    // Texts beyond 32-bit positions do not fit a row; no INI file holds them.
    constexpr size_t kLimit = std::numeric_limits<quint32>::max();
    if (m_texts.size() + size_t(sValue.size()) + size_t(sCode.size()) > kLimit)
        return;
    Row row;
    row.iId = iId;
    row.uBegin = static_cast<quint32>(m_texts.size());
    row.uValueSize = static_cast<quint32>(sValue.size());
    row.uCodeSize = static_cast<quint32>(sCode.size());
    m_texts.insert(m_texts.end(), sValue.utf16(), sValue.utf16() + sValue.size());
    m_texts.insert(m_texts.end(), sCode.utf16(), sCode.utf16() + sCode.size());
    m_rows.push_back(row);
    if (m_index)
        indexPosition(iId, count() - 1);
    else if (count() > kIndexThreshold)
        buildIndex();
}

void CPropertyList::reserve(int iCount, qsizetype iTextSize)
{
    if (!m_properties.empty() || iCount <= 0)
        return;
    m_rows.reserve(static_cast<size_t>(iCount));
    m_texts.reserve(static_cast<size_t>(std::max<qsizetype>(iTextSize, 0)));
}

void CPropertyList::squeeze()
{
    m_rows.shrink_to_fit();
    m_texts.shrink_to_fit();
}

void CPropertyList::indexPosition(int iId, int iPosition) const
{
    if (!m_index->firstById.contains(iId)) // an earlier one stays
        m_index->firstById.insert(iId, iPosition);
}

void CPropertyList::buildIndex() const
{
    m_index = std::make_unique<Index>();
    for (int i = 0; i < count(); ++i) {
        if (isCompact()) {
            indexPosition(m_rows[static_cast<size_t>(i)].iId, i);
        } else {
            const CProperty *cProperty = m_properties[static_cast<size_t>(i)].get();
            m_index->known.insert(cProperty);
            indexPosition(cProperty->id(), i);
        }
    }
}

void CPropertyList::expand() const
{
    if (!isCompact())
        return;
    m_properties.reserve(m_rows.size());
    for (const Row &row : m_rows) {
        auto cProperty = std::make_unique<CProperty>(row.iId);
        cProperty->setValue(rowText(row.uBegin, row.uValueSize));
        cProperty->setCode(rowText(row.uBegin + row.uValueSize, row.uCodeSize));
        m_properties.push_back(std::move(cProperty));
    }
    m_rows = std::vector<Row>();
    m_texts = std::vector<char16_t>();
    if (m_index)
        buildIndex();
}

QString CPropertyList::rowText(quint32 uBegin, quint32 uSize) const
{
    if (uSize == 0)
        return QString(QLatin1String(""));
    return QString(reinterpret_cast<const QChar *>(m_texts.data() + uBegin), static_cast<qsizetype>(uSize));
}

int CPropertyList::positionOf(int iId) const
{
    if (m_index) {
        const auto it = m_index->firstById.constFind(iId);
        return it == m_index->firstById.constEnd() ? -1 : it.value();
    }
    const int iCount = count();
    for (int i = 0; i < iCount; ++i) {
        if (idAt(i) == iId)
            return i;
    }
    return -1;
}

int CPropertyList::idAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= count())
        return 0;
    const auto uIndex = static_cast<size_t>(iIndex);
    return isCompact() ? m_rows[uIndex].iId : m_properties[uIndex]->id();
}

const CProperty *CPropertyList::propertyAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= count())
        return nullptr;
    expand();
    return m_properties[static_cast<size_t>(iIndex)].get();
}

CProperty *CPropertyList::findProperty(int iId)
{
    const int iPosition = positionOf(iId);
    if (iPosition < 0)
        return nullptr;
    expand();
    return m_properties[static_cast<size_t>(iPosition)].get();
}

const CProperty *CPropertyList::findProperty(int iId) const
{
    return const_cast<CPropertyList *>(this)->findProperty(iId);
}

QString CPropertyList::valueOf(int iId) const
{
    const int iPosition = positionOf(iId);
    if (iPosition < 0)
        return QString();
    const auto uPosition = static_cast<size_t>(iPosition);
    if (!isCompact())
        return m_properties[uPosition]->value();
    const Row &row = m_rows[uPosition];
    return rowText(row.uBegin, row.uValueSize);
}

QString CPropertyList::codeOf(int iId) const
{
    const int iPosition = positionOf(iId);
    if (iPosition < 0)
        return QString();
    const auto uPosition = static_cast<size_t>(iPosition);
    if (!isCompact())
        return m_properties[uPosition]->code();
    const Row &row = m_rows[uPosition];
    return rowText(row.uBegin + row.uValueSize, row.uCodeSize);
}

std::unique_ptr<CPropertyList> CPropertyList::withIds(int iCount)
{
    auto cList = std::make_unique<CPropertyList>();
    for (int i = 1; i <= iCount; ++i)
        cList->add(std::make_unique<CProperty>(i));
    return cList;
}
