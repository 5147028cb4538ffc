#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

// One INI file, parsed in a single pass over its bytes into an index of its
// keys; values stay raw bytes until asked for (see IniValue).
//
// It answers as the settings class of Qt 6.4 answers after parsing every
// section: keys are full paths ("group/sub/key"), "\" in keys and group
// names is "/", "%XX" and "%UXXXX" are decoded, [General] holds the keys
// before any group, duplicate groups are merged, a later line overrides an
// earlier one, and of two groups naming the same key ([a] with b\c=1 and
// [a/b] with c=2) the longer group name wins. Unlike the settings class, a
// nested group header never hides the keys of the group it is nested in,
// and bytes that are not valid UTF-8 read as the Latin-1 characters they
// are (older field systems wrote Latin-1).
//
// Immutable after construction: a document can be read from any thread.
class CIniDocument
{
public:
    explicit CIniDocument(const QByteArray &data);

    // The value of a full key: invalid when there is no such key.
    QVariant value(QStringView sKey) const;
    bool contains(QStringView sKey) const { return find(sKey) >= 0; }

    // The same look-up for a group prefix (empty, or ending in "/") and a
    // key below it, without putting the two together: the prefix's hash
    // (hashOf) is taken as it stands and only the key is hashed. Gives the
    // entry, or -1.
    static quint64 hashOf(QStringView sText);
    // The hash of a text that follows one whose hash is uStart.
    static quint64 hashOf(QStringView sText, quint64 uStart);
    qint32 findEntry(QStringView sPrefix, quint64 uPrefixHash, QStringView sKey) const;
    qint32 findEntry(QStringView sKey) const { return find(sKey); }
    // The raw bytes of an entry's value, everything after its "=".
    QByteArrayView rawValue(qint32 iEntry) const;

    // The direct children below a group prefix (empty, or ending in "/"),
    // sorted as the settings class sorts them.
    QStringList childKeys(QStringView sPrefix) const;
    QStringList childGroups(QStringView sPrefix) const;
    // Whether any key lies below the prefix.
    bool hasKeysBelow(QStringView sPrefix) const;

    // The bytes with every byte that is not part of valid UTF-8 replaced by
    // the UTF-8 of its Latin-1 character; valid UTF-8 stays as it is.
    static QByteArray withLatin1Fallback(const QByteArray &data);

private:
    struct Section
    {
        QString sName; // empty, or ending in "/"
        quint64 uHash = 0;
        qint32 iFirstEntry = -1; // entries in file order, while parsing
        qint32 iLastEntry = -1;
        quint32 uOrderBegin = 0; // the entries in m_order, sorted by key
        quint32 uOrderEnd = 0;   // when bSorted, else in file order
        bool bSorted = false;
    };
    // One distinct full key and the line its value comes from. Kept to 32
    // bytes: a section file of 100 MB holds millions of them.
    struct Entry
    {
        quint32 uKeyBegin = 0; // raw key bytes, or an index into m_decodedKeys
        quint32 uKeySize : 31;
        quint32 bDecodedKey : 1;
        quint32 uValueBegin = 0;
        quint32 uValueSize = 0;
        quint32 uSection = 0;   // the section whose name starts the key
        quint32 uValueRank = 0; // name length of the section of the value
        qint32 iNextInSection = -1;
        quint32 uHash = 0; // entryHash of the full key
        Entry() : uKeySize(0), bDecodedKey(0) {}
    };
    enum class Children { Keys, Groups };

    void parse();
    void parseLines(qsizetype iEnd, quint32 uSection);
    quint32 sectionFor(const QString &sName);
    void addEntry(quint32 uSection, qsizetype iKeyBegin, qsizetype iKeyEnd, qsizetype iValueBegin, qsizetype iValueEnd);
    void insertIntoTable(quint32 uEntry);
    qint32 find(QStringView sKey) const;
    void index();
    qint32 findSection(QStringView sName, quint64 uHash) const;
    int compareKeys(const Entry &a, const Entry &b) const;
    bool keyLessThan(const Entry &entry, QStringView sKey) const;
    QString keyOf(const Entry &entry) const;
    bool keyEquals(const Entry &entry, QStringView sKey) const;
    bool keyStartsWith(const Entry &entry, QStringView sPrefix) const;
    bool fullKeyEquals(const Entry &entry, QStringView sKey) const;
    bool fullKeyEquals(const Entry &entry, QStringView sPrefix, QStringView sKey) const;
    bool keyEquals(const Entry &entry, QStringView sFirst, QStringView sSecond) const;
    template <typename Visit>
    bool visitKey(const Entry &entry, qsizetype iFrom, Visit &visit) const;
    template <typename Visit>
    bool visitChildren(QStringView sPrefix, Visit visit) const;
    QStringList children(QStringView sPrefix, Children eWhich) const;

    QByteArray m_data;
    std::vector<Section> m_sections;
    std::vector<quint32> m_sortedSections; // indexes into m_sections by name
    std::vector<qint32> m_sectionTable;    // open addressing by name hash
    qsizetype m_iMaxSectionDepth = 0;      // most "/" in a section name
    std::vector<quint32> m_order;          // entry indexes, per section by key
    std::vector<Entry> m_entries;
    std::vector<QString> m_decodedKeys;     // keys with "%" escapes or non-ASCII
    std::vector<qint32> m_table;            // open addressing over m_entries
    QHash<QString, quint32> m_sectionIndex; // while parsing
};
