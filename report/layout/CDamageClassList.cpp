#include "report/layout/CDamageClassList.h"

#include "report/layout/PrintoutLayoutReader.h"
#include "storage/CIniReader.h"

const DamageClassLegendEntry *CDamageClassList::entryAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= count())
        return nullptr;
    return &m_entries[static_cast<size_t>(iIndex)];
}

const DamageClassLegendEntry *CDamageClassList::find(const QString &sValue) const
{
    for (const DamageClassLegendEntry &cEntry : m_entries) {
        if (cEntry.value() == sValue)
            return &cEntry;
    }
    return nullptr;
}

QString CDamageClassList::damageClassText(const QString &sValue) const
{
    const DamageClassLegendEntry *pEntry = find(sValue);
    return pEntry ? pEntry->text() : QString();
}

bool CDamageClassList::damageClassColour(const QString &sValue, QColor *pColor) const
{
    const DamageClassLegendEntry *pEntry = find(sValue);
    if (!pEntry)
        return false;
    if (pColor)
        *pColor = pEntry->color();
    return true;
}

std::unique_ptr<CDamageClassList> readCatalogPrintoutData(const QString &sPath)
{
    CIniReader cReader(sPath);
    if (cReader.childGroups().isEmpty())
        return nullptr;

    auto pList = std::make_unique<CDamageClassList>();
    cReader.beginGroup(QStringLiteral("damage-classes"));
    const int iCount = cReader.beginReadArray(QStringLiteral("class"));
    for (int i = 0; i < iCount; ++i) {
        cReader.setArrayIndex(i);
        pList->append(DamageClassLegendEntry(cReader.text(QStringLiteral("value")),
                                             layoutColorFromText(cReader.text(QStringLiteral("color"))),
                                             cReader.text(QStringLiteral("text"))));
    }
    cReader.endArray();
    cReader.endGroup();
    return pList;
}
