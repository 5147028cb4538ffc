#include "report/items/TableFilling.h"

#include "metadata/CInspectionStandard.h"
#include "model/CInspectionEvent.h"
#include "queries/CDataCoreObjectQuery.h"
#include "queries/FieldIds.h"
#include "report/items/CLabeledTableCellItem.h"
#include "report/items/CTablePrintoutItemBase.h"
#include "report/items/EventTexts.h"
#include "report/layout/LayoutCellLinkRegistry.h"
#include "report/layout/LayoutTable.h"
#include "report/layout/PrintoutLayout.h"

namespace {
enum LinkType { LinkNone = 0, LinkValue = 1, LinkCode = 2, LinkCaption = 3 };

QString withColon(const QString &sCaption)
{
    return sCaption.isEmpty() ? QString() : sCaption + QLatin1Char(':');
}

// The value text of a field as the report prints it: an event's observation
// on one line without the text delimiter, its video position with the
// number of its video; every other field as the query answers.
QString printedValue(const CDataCoreObjectQuery &cQuery, int iFieldId, const CDataCoreObject *pObject,
                     const CInspectionStandard *pStandard)
{
    if (pObject && pObject->kind() == CDataCoreObject::KindEvent) {
        const auto &cEvent = static_cast<const CInspectionEvent &>(*pObject);
        if (iFieldId == FieldIds::EventText)
            return EventTexts::observation(cEvent.text(), pStandard ? pStandard->textDelimiter() : QString(),
                                           EventTexts::DetailLayout::OneLine);
        if (iFieldId == FieldIds::EventVideoTimeIndex)
            return EventTexts::videoPosition(cEvent);
    }
    return cQuery.fieldValue(iFieldId);
}

// The cell item with its text from the query; no query gives empty texts.
std::unique_ptr<CTableCellItem> cellItemFromQuery(const LayoutCell *pCell, const LayoutCellLinkRegistry &cRegistry,
                                                  const CDataCoreObjectQuery *pQuery, const CDataCoreObject *pObject,
                                                  bool bLabeled, const CInspectionStandard *pStandard)
{
    const LayoutCellLink cLink = cRegistry.lookup(pCell);
    if (bLabeled) {
        QString sLabel;
        QString sValue;
        if (pQuery) {
            sLabel = withColon(fieldCaptionFromStandard(cLink.iFieldId, pStandard).toUpper());
            sValue = printedValue(*pQuery, cLink.iFieldId, pObject, pStandard);
        }
        return std::make_unique<CLabeledTableCellItem>(pCell, std::make_unique<CLabeledTableCellData>(sValue, sLabel));
    }
    QString sText;
    if (pQuery) {
        switch (cLink.iLinkType) {
        case LinkValue: sText = printedValue(*pQuery, cLink.iFieldId, pObject, pStandard); break;
        case LinkCode: sText = pQuery->fieldCode(cLink.iFieldId); break;
        case LinkCaption: sText = withColon(fieldCaptionFromStandard(cLink.iFieldId, pStandard)); break;
        default: break;
        }
    }
    return std::make_unique<CTableCellItem>(pCell, std::make_unique<CTableCellData>(sText));
}
} // namespace

void fillFromObject(CTablePrintoutItemBase &cItem, const LayoutTable *pTable, const LayoutCellLinkRegistry &cRegistry,
                    const CDataCoreObject *pObject, bool bLabeled, const CInspectionStandard *pStandard)
{
    if (!pTable)
        return;
    // One query serves every cell: it only reads the object.
    const std::unique_ptr<CDataCoreObjectQuery> pQuery = createQuery(pObject);
    for (int iRow = 0; iRow < pTable->rowCount(); ++iRow) {
        const LayoutRow *pRow = pTable->rowAt(iRow);
        for (int iCell = 0; iCell < pRow->cellCount(); ++iCell)
            cItem.addCellItem(
                cellItemFromQuery(pRow->cellAt(iCell), cRegistry, pQuery.get(), pObject, bLabeled, pStandard));
    }
}

std::unique_ptr<CTableCellItem> createCellItem(const LayoutCell *pCell, const LayoutCellLinkRegistry &cRegistry,
                                               const CDataCoreObject *pObject, bool bLabeled,
                                               const CInspectionStandard *pStandard)
{
    return cellItemFromQuery(pCell, cRegistry, createQuery(pObject).get(), pObject, bLabeled, pStandard);
}

std::unique_ptr<CTableCellItem> createCellItem(const LayoutCell *pCell, const PrintoutLayout &cLayout,
                                               const CDataCoreObject *pObject, bool bLabeled,
                                               const CInspectionStandard *pStandard)
{
    return createCellItem(pCell, cLayout.cellLinks(), pObject, bLabeled, pStandard);
}

void fillFromObject(CTablePrintoutItemBase &cItem, const LayoutTable *pTable, const PrintoutLayout &cLayout,
                    const CDataCoreObject *pObject, bool bLabeled, const CInspectionStandard *pStandard)
{
    fillFromObject(cItem, pTable, cLayout.cellLinks(), pObject, bLabeled, pStandard);
}
