#pragma once

#include "model/CProperty.h"

#include <QHash>
#include <QSet>
#include <QStringView>

#include <cstddef>
#include <memory>
#include <vector>

// Ordered list of properties. Ids need not be unique: every look-up by id
// answers from the first property with that id in list order.
//
// A project of 100,000 events holds a million properties, so the lists the
// project reader fills keep them compactly: in one block per list, one row
// per property (id and the lengths of its texts) and the texts behind them, in
// one byte per character where Latin-1 suffices; no property object and no
// string of their own (a list with a text of 64K characters or more keeps
// property objects instead). A list turns into property objects only when one is
// asked for by pointer (findProperty, propertyAt) or a property object is
// added; the answers stay the same either way. That change happens inside
// const look-ups, so a list must not be read from two threads before it is
// complete (the reader fills each list on one thread; afterwards only the
// GUI thread reads them).
class CPropertyStore;

// Frees a property list's compact block unless a store holds it.
struct CPropertyBlockDeleter
{
    bool bOwned = true;
    void operator()(std::byte *pBlock) const
    {
        if (bOwned)
            delete[] pBlock;
    }
};

class CPropertyList
{
public:
    // Collects properties for assign(); one builder serves many lists.
    class Builder
    {
    public:
        void clear();
        void append(int iId, QStringView sValue, QStringView sCode);
        int count() const { return static_cast<int>(m_entries.size()); }

    private:
        friend class CPropertyList;
        struct Entry
        {
            qint32 iId;
            quint32 uValueSize;
            quint32 uCodeSize;
        };
        std::vector<Entry> m_entries;
        std::vector<char16_t> m_texts; // value and code of each entry in turn
        bool m_bWide = false;          // a character beyond Latin-1
        bool m_bLong = false;          // a text too long for a compact row
    };

    CPropertyList() = default;
    virtual ~CPropertyList();
    CPropertyList(const CPropertyList &) = delete;
    CPropertyList &operator=(const CPropertyList &) = delete;

    void clear();
    // Takes ownership; the very same object is never listed twice.
    void add(CProperty *cProperty);
    void add(std::unique_ptr<CProperty> cProperty) { add(cProperty.release()); }
    // Replaces the contents by the builder's properties, kept compactly: in
    // a block of the store when one is given (which must outlive the list),
    // else in a block of the list's own.
    void assign(const Builder &cBuilder, CPropertyStore *cStore = nullptr);

    int count() const;
    int idAt(int iIndex) const;
    const CProperty *propertyAt(int iIndex) const;
    CProperty *findProperty(int iId);
    const CProperty *findProperty(int iId) const;
    bool contains(int iId) const { return positionOf(iId) >= 0; }
    QString valueOf(int iId) const;
    QString codeOf(int iId) const;

    // A list with properties 1..iCount and empty texts (address blocks).
    static std::unique_ptr<CPropertyList> withIds(int iCount);

private:
    // A compact property: its id and the lengths of its value and code,
    // which follow the texts of the rows before it.
    struct Row
    {
        qint32 iId;
        quint16 uValueSize;
        quint16 uCodeSize;
    };
    // The compact block: this header, the rows, then the texts.
    struct Header
    {
        quint32 uCount;
        quint32 uFlags; // kWideTexts
    };
    static constexpr quint32 kWideTexts = 1;

    bool isCompact() const { return m_block != nullptr; }
    const Header &header() const { return *reinterpret_cast<const Header *>(m_block.get()); }
    const Row *rows() const { return reinterpret_cast<const Row *>(m_block.get() + sizeof(Header)); }
    const std::byte *texts() const { return m_block.get() + sizeof(Header) + header().uCount * sizeof(Row); }
    // Position of the first property with the id, or -1.
    int positionOf(int iId) const;
    // Where the texts of the row at a position begin.
    size_t textBegin(int iPosition) const;
    QString rowText(size_t uBegin, size_t uSize) const;
    // Turns the compact rows into property objects, in order.
    void expand() const;
    void indexPosition(int iId, int iPosition) const;

    using BlockDeleter = CPropertyBlockDeleter;
    mutable std::unique_ptr<std::byte[], BlockDeleter> m_block;
    mutable std::vector<std::unique_ptr<CProperty>> m_properties;

    // Long lists (only damaged or hostile files have them) get an index so
    // adding and looking up stay cheap; short lists are scanned.
    struct Index
    {
        QSet<const CProperty *> known; // property objects
        QHash<int, int> firstById;     // id to position
    };
    static constexpr int kIndexThreshold = 64;
    void buildIndex() const;

    mutable std::unique_ptr<Index> m_index;
};
