#include "report/parts/CContentsPrintout.h"

#include "model/CInspectionSegment.h"
#include "report/items/CCustomizedTablePrintoutItem.h"
#include "report/layout/PrintoutLayout.h"
#include "report/paint/Pagination.h"
#include "report/parts/CPrintoutTextTranslator.h"
#include "report/parts/FrontPage.h"
#include "report/parts/PartPageCounts.h"
#include "report/parts/ReportContext.h"

#include <algorithm>

CContentsPrintout::CContentsPrintout(const ReportContext &cContext, PartPageCounts &cCounts)
    : m_cContext(cContext), m_cCounts(cCounts), m_iRowsPerPage(rowsPerPage(cContext))
{
}

int CContentsPrintout::rowsPerPage(const ReportContext &cContext)
{
    if (!cContext.cLayout)
        return 1;
    const LayoutTable *pTable = cContext.cLayout->tableOfContents();
    const LayoutRow *pFirst = pTable ? pTable->rowAt(0) : nullptr;
    const int iRows = pFirst ? listRowsPerPage(cContext.cPageRect.height(), frontPageHeaderHeight(*cContext.cLayout),
                                               pFirst->height())
                             : 0;
    return std::max(1, iRows);
}

QList<ContentsEntry> CContentsPrintout::entries(const ReportContext &cContext, PartPageCounts &cCounts,
                                                int iRowsPerPage)
{
    // The number of entries is known before any page number, so the
    // contents can count exactly the pages it will produce, however many.
    int iEntryCount = 1;
    if (cCounts.iProjectInformation > 0)
        ++iEntryCount;
    if (cCounts.iSectionOverview > 0)
        ++iEntryCount;
    if (cCounts.iDamageClassLegend > 0)
        ++iEntryCount;
    for (int i = 0; i < cContext.sections.size(); ++i) {
        if (cCounts.sectionPages.value(i) > 0)
            ++iEntryCount;
    }
    cCounts.iContents = static_cast<int>(contentsPageSizes(iEntryCount, iRowsPerPage).size());

    QList<ContentsEntry> result;
    int iPage = 1;
    const auto add = [&result, &iPage](const QString &sTitle, int iPages) {
        result.append(ContentsEntry{sTitle, iPage});
        iPage += iPages;
    };
    if (cCounts.iProjectInformation > 0)
        add(printoutText(CPrintoutTextTranslator::ProjectInformation), cCounts.iProjectInformation);
    add(printoutText(CPrintoutTextTranslator::TableOfContents), cCounts.iContents);
    if (cCounts.iSectionOverview > 0)
        add(printoutText(CPrintoutTextTranslator::SectionList), cCounts.iSectionOverview);
    if (cCounts.iDamageClassLegend > 0)
        add(printoutText(CPrintoutTextTranslator::DamageClassLegend), cCounts.iDamageClassLegend);
    const QString sSectionPrefix = printoutText(CPrintoutTextTranslator::SectionPrefix);
    for (int i = 0; i < cContext.sections.size(); ++i) {
        const int iPages = cCounts.sectionPages.value(i);
        if (iPages <= 0)
            continue;
        const CInspectionSegment *cSection = cContext.sections.at(i);
        add(sSectionPrefix + (cSection ? cSection->name() : QString()), iPages);
    }
    return result;
}

void CContentsPrintout::buildPages()
{
    if (!m_cContext.cLayout)
        return;
    const PrintoutLayout &cLayout = *m_cContext.cLayout;
    const QList<ContentsEntry> cEntries = entries(m_cContext, m_cCounts, m_iRowsPerPage);
    QList<QStringList> cColumns(2);
    const QString sPagePrefix = printoutText(CPrintoutTextTranslator::PagePrefix);
    for (const ContentsEntry &cEntry : cEntries) {
        cColumns[0] << cEntry.sTitle;
        cColumns[1] << sPagePrefix + QString::number(cEntry.iPage);
    }
    const QString sTitle = printoutText(CPrintoutTextTranslator::TableOfContents);
    int iDone = 0;
    for (const int n : contentsPageSizes(static_cast<int>(cEntries.size()), m_iRowsPerPage)) {
        auto pTable = createCustomizedTable(cLayout.tableOfContents(), 0, 0, 0, cColumns, iDone, iDone + n);
        addPage(createFrontPage(m_cContext, sTitle, std::move(pTable)));
        iDone += n;
    }
}
