#include "model/CPropertyList.h"

#include "model/CPropertyStore.h"

#include <algorithm>
#include <cstring>
#include <limits>

void CPropertyList::Builder::clear()
{
    m_entries.clear();
    m_texts.clear();
    m_bWide = false;
    m_bLong = false;
}

void CPropertyList::Builder::append(int iId, QStringView sValue, QStringView sCode)
{
    constexpr qsizetype kMaxCompact = std::numeric_limits<quint16>::max();
    m_bLong = m_bLong || sValue.size() > kMaxCompact || sCode.size() > kMaxCompact;
    m_entries.push_back({iId, static_cast<quint32>(sValue.size()), static_cast<quint32>(sCode.size())});
    for (const QStringView sText : {sValue, sCode}) {
        for (const QChar ch : sText) {
            m_bWide = m_bWide || ch.unicode() > 0xff;
            m_texts.push_back(ch.unicode());
        }
    }
}

CPropertyList::~CPropertyList() = default;

void CPropertyList::clear()
{
    m_block.reset();
    m_properties.clear();
    m_index.reset();
}

int CPropertyList::count() const
{
    return static_cast<int>(isCompact() ? header().uCount : m_properties.size());
}

void CPropertyList::assign(const Builder &cBuilder, CPropertyStore *cStore)
{
    clear();
    if (cBuilder.m_entries.empty())
        return;
    if (cBuilder.m_bLong) {
        // A text of 64K characters or more (only hostile files have one)
        // does not fit a compact row: property objects then.
        const QChar *pText = reinterpret_cast<const QChar *>(cBuilder.m_texts.data());
        for (const Builder::Entry &entry : cBuilder.m_entries) {
            auto cProperty = std::make_unique<CProperty>(entry.iId);
            cProperty->setValue(QString(pText, entry.uValueSize));
            pText += entry.uValueSize;
            cProperty->setCode(QString(pText, entry.uCodeSize));
            pText += entry.uCodeSize;
            add(std::move(cProperty));
        }
        return;
    }
    const size_t uRows = cBuilder.m_entries.size();
    const size_t uTextBytes = cBuilder.m_texts.size() * (cBuilder.m_bWide ? 2 : 1);
    const size_t uBlockSize = sizeof(Header) + uRows * sizeof(Row) + uTextBytes;
    if (cStore)
        m_block = std::unique_ptr<std::byte[], BlockDeleter>(cStore->allocate(uBlockSize), BlockDeleter{false});
    else
        m_block = std::unique_ptr<std::byte[], BlockDeleter>(new std::byte[uBlockSize], BlockDeleter{true});
    const Header cHeader{static_cast<quint32>(uRows), cBuilder.m_bWide ? kWideTexts : 0u};
    std::memcpy(m_block.get(), &cHeader, sizeof(Header));
    std::byte *pRows = m_block.get() + sizeof(Header);
    for (const Builder::Entry &entry : cBuilder.m_entries) {
        const Row row{entry.iId, static_cast<quint16>(entry.uValueSize), static_cast<quint16>(entry.uCodeSize)};
        std::memcpy(pRows, &row, sizeof(Row));
        pRows += sizeof(Row);
    }
    std::byte *pTexts = pRows;
    if (cBuilder.m_bWide) {
        if (uTextBytes > 0)
            std::memcpy(pTexts, cBuilder.m_texts.data(), uTextBytes);
    } else {
        for (const char16_t ch : cBuilder.m_texts)
            *pTexts++ = static_cast<std::byte>(ch);
    }
    if (count() > kIndexThreshold)
        buildIndex();
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
            indexPosition(rows()[i].iId, i);
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
    const int iCount = count();
    m_properties.reserve(static_cast<size_t>(iCount));
    size_t uBegin = 0;
    for (int i = 0; i < iCount; ++i) {
        const Row &row = rows()[i];
        auto cProperty = std::make_unique<CProperty>(row.iId);
        cProperty->setValue(rowText(uBegin, row.uValueSize));
        cProperty->setCode(rowText(uBegin + row.uValueSize, row.uCodeSize));
        uBegin += size_t(row.uValueSize) + row.uCodeSize;
        m_properties.push_back(std::move(cProperty));
    }
    m_block.reset();
    if (m_index)
        buildIndex();
}

size_t CPropertyList::textBegin(int iPosition) const
{
    size_t uBegin = 0;
    for (int i = 0; i < iPosition; ++i)
        uBegin += size_t(rows()[i].uValueSize) + rows()[i].uCodeSize;
    return uBegin;
}

QString CPropertyList::rowText(size_t uBegin, size_t uSize) const
{
    if (uSize == 0)
        return QString(QLatin1String(""));
    if (header().uFlags & kWideTexts)
        return QString(reinterpret_cast<const QChar *>(texts()) + uBegin, static_cast<qsizetype>(uSize));
    return QString::fromLatin1(reinterpret_cast<const char *>(texts()) + uBegin, static_cast<qsizetype>(uSize));
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
    return isCompact() ? rows()[iIndex].iId : m_properties[static_cast<size_t>(iIndex)]->id();
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
    if (!isCompact())
        return m_properties[static_cast<size_t>(iPosition)]->value();
    return rowText(textBegin(iPosition), rows()[iPosition].uValueSize);
}

QString CPropertyList::codeOf(int iId) const
{
    const int iPosition = positionOf(iId);
    if (iPosition < 0)
        return QString();
    if (!isCompact())
        return m_properties[static_cast<size_t>(iPosition)]->code();
    const Row &row = rows()[iPosition];
    return rowText(textBegin(iPosition) + row.uValueSize, row.uCodeSize);
}

std::unique_ptr<CPropertyList> CPropertyList::withIds(int iCount)
{
    auto cList = std::make_unique<CPropertyList>();
    for (int i = 1; i <= iCount; ++i)
        cList->add(std::make_unique<CProperty>(i));
    return cList;
}
