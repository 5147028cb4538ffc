#pragma once

#include <QColor>
#include <QString>

#include <memory>
#include <vector>

// One damage class of the catalog printout data: the value as events store
// it, its colour and its description.
class DamageClassLegendEntry
{
public:
    DamageClassLegendEntry(const QString &sValue, const QColor &cColor, const QString &sText)
        : m_sValue(sValue), m_cColor(cColor), m_sText(sText)
    {
    }

    QString value() const { return m_sValue; }
    QColor color() const { return m_cColor; }
    QString text() const { return m_sText; }

private:
    QString m_sValue;
    QColor m_cColor;
    QString m_sText;
};

// The damage classes of a catalog with their texts and colours, in file
// order. Look-ups answer from the first entry with the value.
class CDamageClassList
{
public:
    CDamageClassList() = default;

    int count() const { return static_cast<int>(m_entries.size()); }
    // Null when iIndex is outside 0..count() - 1.
    const DamageClassLegendEntry *entryAt(int iIndex) const;
    void append(const DamageClassLegendEntry &cEntry) { m_entries.push_back(cEntry); }

    // Empty when no entry has the value.
    QString damageClassText(const QString &sValue) const;
    // Whether an entry has the value; its colour goes to pColor (if given).
    bool damageClassColour(const QString &sValue, QColor *pColor) const;

private:
    const DamageClassLegendEntry *find(const QString &sValue) const;

    std::vector<DamageClassLegendEntry> m_entries;
};

// Reads a catalog printout data file: group "damage-classes", array "class"
// with value, text and color per element. Null when the file has no group
// at all (a missing or unreadable file included).
std::unique_ptr<CDamageClassList> readCatalogPrintoutData(const QString &sPath);
