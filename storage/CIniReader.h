#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

class QSettings;

// The one place that reads INI files (project files, registries, catalogs,
// layouts). Today it wraps the settings class in INI format; the readers only
// see this narrow interface so a faster parser can take its place.
//
// Conversions never yield NaN or infinity, and array sizes are bounded by the
// elements actually present, so damaged files cannot drive a reader into a
// huge loop.
class CIniReader
{
public:
    explicit CIniReader(const QString &sPath);
    ~CIniReader();
    CIniReader(const CIniReader &) = delete;
    CIniReader &operator=(const CIniReader &) = delete;

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
    // A value the settings class split at unquoted commas is joined again
    // with ", " so no text is lost.
    QString text(const QString &sKey) const;
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
    std::unique_ptr<QSettings> m_settings;
    bool m_bReadable = false;
    // Per open array (innermost last): the element numbers that indexes
    // stand for when the array is sparse, else empty (index i is element i+1).
    std::vector<std::vector<int>> m_arrayElements;
};
