#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

class CIniDocument;

// The one place that reads INI files (project files, registries, catalogs,
// layouts). It reads a file's bytes once into a CIniDocument, which answers
// as the settings class of Qt 6.4 answers in INI format, and keeps the
// settings class's group and array navigation; the readers only see this
// narrow interface. Nothing is ever written back, and no state is shared
// between readers, so each thread may use its own.
//
// Conversions never yield NaN or infinity, and array sizes are bounded by the
// elements actually present, so damaged files cannot drive a reader into a
// huge loop.
class CIniReader
{
public:
    explicit CIniReader(const QString &sPath);
    // Reads the file only when it lies inside sDirectory once every link is
    // resolved (a project file linked to a file elsewhere reads as missing).
    CIniReader(const QString &sPath, const QString &sDirectory);
    // A reader of INI text at hand, as if read from a file.
    static CIniReader fromData(const QByteArray &data);
    ~CIniReader();
    CIniReader(const CIniReader &) = delete;
    CIniReader &operator=(const CIniReader &) = delete;
    CIniReader(CIniReader &&) noexcept;
    CIniReader &operator=(CIniReader &&) noexcept;

    // Another reader of the same file, at its top, sharing the parsed
    // document: several threads can read one large file at once.
    CIniReader sharedReader() const;

    // False for a missing path, a directory, an unreadable file or one
    // outside the directory given.
    bool isReadable() const { return m_bReadable; }

    QStringList childGroups() const;
    QStringList childKeys() const;
    void beginGroup(const QString &sGroup);
    void endGroup();
    bool contains(const QString &sKey) const;

    // Element count of an array, at most the highest element number present.
    // A large array whose numbers are mostly missing (a size of two billion
    // with an element 2000000000) yields only the elements present, in
    // number order, so no reader ever loops over empty elements.
    int beginReadArray(const QString &sName);
    void setArrayIndex(int iIndex);
    void endArray();

    QVariant value(const QString &sKey) const;
    // A value split at unquoted commas is joined again with ", " so no text
    // is lost (also when its elements start with "@").
    QString text(const QString &sKey) const;
    // The same text into sText, reusing its buffer: reading a million
    // values this way allocates next to nothing. False for a missing key
    // (sText is then empty).
    bool readText(const QString &sKey, QString &sText) const;
    int toInt(const QString &sKey) const;
    unsigned int toUInt(const QString &sKey) const;
    // Unconvertible and non-finite values read as 0.
    double toDouble(const QString &sKey) const;
    bool toBool(const QString &sKey) const;
    QDate toDate(const QString &sKey) const;

    // The same rules for a value already at hand.
    static QString variantToText(const QVariant &vValue);
    static int textToInt(const QString &sText);
    static double textToDouble(const QString &sText);

private:
    CIniReader();
    // One level of groups and arrays, as the settings class keeps them: an
    // array level has an index (0 before setArrayIndex, else index + 1).
    struct Level
    {
        QString sName;
        qsizetype iNumber = -1;
        // The group prefix before this level: its size and its hash.
        qsizetype iPrefixBefore = 0;
        quint64 uHashBefore = 0;
        bool isArray() const { return iNumber != -1; }
        // Length of its part of the group prefix: the name and "/number".
        qsizetype length() const;
    };
    void pushLevel(const Level &level);
    void popLevel();
    // Calls use with the full key: group prefix and normalised key.
    template <typename Use>
    auto withFullKey(const QString &sKey, Use use) const;
    // The document's entry of a key below the current group, or -1.
    qint32 entryOf(const QString &sKey) const;
    // Hashes the innermost level's part of the prefix anew.
    void prefixChanged();
    // The "size" key of the array just entered, as the settings class reads it.
    int arraySize() const;
    // A value's raw bytes as the text the readers see.
    static QString rawToText(QByteArrayView raw);

    std::shared_ptr<const CIniDocument> m_document;
    bool m_bReadable = false;
    QString m_sGroupPrefix;    // empty, or ending in "/"
    quint64 m_uPrefixHash = 0; // of m_sGroupPrefix, see CIniDocument::hashOf
    std::vector<Level> m_levels;
    // Per open array (innermost last): the element numbers that indexes
    // stand for when the array is sparse, else empty (index i is element i+1).
    std::vector<std::vector<int>> m_arrayElements;
};
