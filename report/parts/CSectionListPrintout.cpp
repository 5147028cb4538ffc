#include "report/parts/CSectionListPrintout.h"

#include "app/units/Units.h"
#include "model/CInspectionSegment.h"
#include "queries/CDataCoreObjectQuery.h"
#include "queries/FieldIds.h"
#include "report/items/CCustomizedTablePrintoutItem.h"
#include "report/layout/PrintoutLayout.h"
#include "report/paint/Pagination.h"
#include "report/parts/CPrintoutTextTranslator.h"
#include "report/parts/FrontPage.h"
#include "report/parts/ReportContext.h"

#include <cmath>

namespace {
enum Column {
    ColumnNumber,
    ColumnSection,
    ColumnCity,
    ColumnStreet,
    ColumnLength,
    ColumnTotal,
    ColumnDate,
    ColumnCount
};

// Section properties of the catalog: number 3, location 13, date 18,
// street 29, city 30.
constexpr int kFieldNumber = FieldIds::sectionPropertyField(3);
constexpr int kFieldName = FieldIds::SectionName;
constexpr int kFieldCity = FieldIds::sectionPropertyField(30);
constexpr int kFieldLocation = FieldIds::sectionPropertyField(13);
constexpr int kFieldStreet = FieldIds::sectionPropertyField(29);
constexpr int kFieldDate = FieldIds::sectionPropertyField(18);

// Template rows of the "section-list" table.
const int kCaptionRow = 0;
const int kDataRow = 1;
const int kTotalRow = 2;

float finiteLength(float fValue)
{
    return std::isfinite(fValue) ? fValue : 0.0f;
}
} // namespace

CSectionListPrintout::CSectionListPrintout(const ReportContext &cContext) : m_cContext(cContext)
{
}

QList<QStringList> CSectionListPrintout::columns(const ReportContext &cContext)
{
    QList<QStringList> cColumns(ColumnCount);
    cColumns[ColumnNumber] << printoutText(CPrintoutTextTranslator::ListNumber);
    cColumns[ColumnSection] << printoutText(CPrintoutTextTranslator::ListSection);
    cColumns[ColumnCity] << printoutText(CPrintoutTextTranslator::ListCity);
    cColumns[ColumnStreet] << printoutText(CPrintoutTextTranslator::ListStreet);
    cColumns[ColumnLength] << printoutText(CPrintoutTextTranslator::ListLength);
    cColumns[ColumnTotal] << printoutText(CPrintoutTextTranslator::ListLengthTotal);
    cColumns[ColumnDate] << printoutText(CPrintoutTextTranslator::ListDate);

    float fTotal = 0.0f;
    for (const CInspectionSegment *cSection : cContext.sections) {
        const std::unique_ptr<CDataCoreObjectQuery> cQuery = createQuery(cSection);
        const auto value = [&cQuery](int iId) { return cQuery ? cQuery->fieldValue(iId) : QString(); };
        const float fLength = cSection ? finiteLength(cSection->calculatedLength()) : 0.0f;
        fTotal = finiteLength(fTotal + fLength);
        QString sCity = value(kFieldCity);
        if (sCity.isEmpty())
            sCity = value(kFieldLocation);
        cColumns[ColumnNumber] << value(kFieldNumber);
        cColumns[ColumnSection] << value(kFieldName);
        cColumns[ColumnCity] << sCity;
        cColumns[ColumnStreet] << value(kFieldStreet);
        cColumns[ColumnLength] << formatLength(fLength);
        cColumns[ColumnTotal] << formatLength(fTotal);
        cColumns[ColumnDate] << value(kFieldDate);
    }

    // The total row says what it is, in the column of the section names.
    for (int iColumn = 0; iColumn < ColumnCount; ++iColumn) {
        const bool bLength = iColumn == ColumnLength || iColumn == ColumnTotal;
        QString sEntry;
        if (bLength)
            sEntry = formatLength(fTotal);
        else if (iColumn == ColumnSection)
            sEntry = printoutText(CPrintoutTextTranslator::ListTotal);
        cColumns[iColumn] << sEntry;
    }
    return cColumns;
}

int CSectionListPrintout::rowsPerPage(const ReportContext &cContext)
{
    if (!cContext.cLayout)
        return 0;
    const LayoutTable *pTable = cContext.cLayout->sectionList();
    const LayoutRow *pFirst = pTable ? pTable->rowAt(0) : nullptr;
    if (!pFirst)
        return 0;
    return listRowsPerPage(cContext.cPageRect.height(), frontPageHeaderHeight(*cContext.cLayout), pFirst->height());
}

void CSectionListPrintout::buildPages()
{
    if (!m_cContext.cLayout)
        return;
    const PrintoutLayout &cLayout = *m_cContext.cLayout;
    const QList<QStringList> cColumns = columns(m_cContext);
    const int iEntries = static_cast<int>(cColumns.first().size());
    const QList<int> sizes = overviewPageSizes(iEntries, rowsPerPage(m_cContext));
    int iDone = 0;
    for (int iPage = 0; iPage < sizes.size(); ++iPage) {
        const int n = sizes.at(iPage);
        const bool bLastPage = iPage == sizes.size() - 1;
        auto pTable = createCustomizedTable(cLayout.sectionList(), iPage == 0 ? kCaptionRow : kDataRow, kDataRow,
                                            bLastPage ? kTotalRow : kDataRow, cColumns, iDone, iDone + n);
        addPage(createFrontPage(m_cContext, printoutText(CPrintoutTextTranslator::SectionList), std::move(pTable)));
        iDone += n;
    }
}
