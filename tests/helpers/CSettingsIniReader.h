#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

class QSettings;
class QTemporaryFile;

// The interface of CIniReader, answered by the settings class of Qt 6.4 in
// INI format: the reference CIniReader is compared with. It parses the whole
// file before the first query (the settings class otherwise parses groups
// lazily and then answers differently), and shares CIniReader's conversions
// of values to texts and numbers.
class CSettingsIniReader
{
public:
    explicit CSettingsIniReader(const QString &sPath);
    // Reads the bytes through a temporary file.
    static std::unique_ptr<CSettingsIniReader> fromData(const QByteArray &data);
    // The text of one key as CIniReader read it when it wrapped the settings
    // class: parsed lazily, a split list joined, anything else converted.
    static QString lazyText(const QByteArray &data, const QString &sGroup, const QString &sKey);
    ~CSettingsIniReader();
    CSettingsIniReader(const CSettingsIniReader &) = delete;
    CSettingsIniReader &operator=(const CSettingsIniReader &) = delete;

    // False for a missing path, a directory or an unreadable file.
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
    QString text(const QString &sKey) const;
    int toInt(const QString &sKey) const;
    unsigned int toUInt(const QString &sKey) const;
    // Unconvertible and non-finite values read as 0.
    double toDouble(const QString &sKey) const;
    bool toBool(const QString &sKey) const;
    QDate toDate(const QString &sKey) const;

private:
    // Keeps the file of fromData for the settings object.
    std::unique_ptr<QTemporaryFile> m_file;
    std::unique_ptr<QSettings> m_settings;
    bool m_bReadable = false;
    // Per open array (innermost last): the element numbers that indexes
    // stand for when the array is sparse, else empty (index i is element i+1).
    std::vector<std::vector<int>> m_arrayElements;
};
