#include "report/ReportRun.h"

#include "model/CCorvaneProject.h"
#include "model/CInspectionSegment.h"
#include "queries/CDataCoreObjectQuery.h"
#include "queries/FieldIds.h"
#include "report/ReportJob.h"
#include "report/ReportOutput.h"
#include "report/ReportPrinter.h"
#include "report/items/CPageFooterPrintoutItem.h"
#include "report/layout/PrintoutLayout.h"
#include "report/paint/CReportPainter.h"
#include "report/paint/PageGeometry.h"
#include "report/parts/CContentsPrintout.h"
#include "report/parts/CDamageClassPrintout.h"
#include "report/parts/CPrintoutTextTranslator.h"
#include "report/parts/CProjectInfoPrintout.h"
#include "report/parts/CSectionListPrintout.h"
#include "report/parts/CSectionPrintout.h"
#include "report/parts/PartPageCounts.h"
#include "report/parts/ReportContext.h"
#include "report/parts/ReportLogo.h"

#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>

namespace {
constexpr int kFieldContractor = FieldIds::ContractorName;
constexpr int kFieldProjectName = FieldIds::ProjectName;

void notify(const ReportProgressCallback &progress, ReportProgress::Step eStep, const QString &sPart, int iCurrent,
            int iCount)
{
    if (!progress)
        return;
    ReportProgress cStep;
    cStep.eStep = eStep;
    cStep.sPart = sPart;
    cStep.iCurrent = iCurrent;
    cStep.iCount = iCount;
    progress(cStep);
}

// Takes the part's pages, appends them and answers how many there were.
int appendPages(CPrintoutPart &cPart, PrintoutPageList &cPages)
{
    PrintoutPageList cNew = cPart.takePages();
    const int iCount = static_cast<int>(cNew.size());
    for (auto &pPage : cNew)
        cPages.push_back(std::move(pPage));
    return iCount;
}

void addFooters(const PrintoutLayout &cLayout, PrintoutPageList &cPages)
{
    const int n = static_cast<int>(cPages.size());
    const QString sPrefix = printoutText(CPrintoutTextTranslator::PagePrefix);
    for (int k = 1; k <= n; ++k) {
        PrintoutPage &cPage = *cPages[static_cast<size_t>(k - 1)];
        auto pFooter = std::make_unique<CPageFooterPrintoutItem>(
            cLayout.pageFooter(), sPrefix + QString::number(k) + QLatin1Char('/') + QString::number(n));
        pFooter->setPosition(QPoint(0, bodyArea(cPage).height()));
        cPage.setFooter(std::move(pFooter));
    }
}

} // namespace

ReportContext reportContextOf(const ReportJob &cJob, const ReportLogo &cLogo, CReportPainter *pPainter)
{
    ReportContext cContext;
    cContext.cProject = cJob.cProject;
    for (const auto &cEntry : cJob.sections)
        cContext.sections.append(cEntry->cSection);
    cContext.cLayout = cJob.cLayout;
    cContext.cStandard = cJob.cStandard;
    cContext.cDamageClasses = cJob.cDamageClasses;
    cContext.bDamageInformation = cJob.bDamageInformation;
    cContext.logo = cLogo;
    cContext.cPainter = pPainter;
    return cContext;
}

ReportDocumentInfo reportDocumentInfo(const ReportJob &cJob)
{
    ReportDocumentInfo cInfo;
    if (const std::unique_ptr<CDataCoreObjectQuery> cQuery = createQuery(cJob.cProject)) {
        cInfo.sCreator = cQuery->fieldValue(kFieldContractor);
        cInfo.sTitle = cQuery->fieldValue(kFieldProjectName);
    }
    return cInfo;
}

namespace {
// Builds every page of the job, then prints them on the painter's device.
bool buildAndPrint(const ReportJob &cJob, CReportPainter &cPainter, QPagedPaintDevice &cDevice,
                   const ReportProgressCallback &progress)
{
    const PrintoutLayout &cLayout = *cJob.cLayout;
    const ReportContext cContext =
        reportContextOf(cJob, loadReportLogo(cJob.sLogoImagePath, cJob.sLogoTextPath), &cPainter);
    PartPageCounts cCounts;
    PrintoutPageList cPages;

    if (cJob.bProjectInformation) {
        CProjectInfoPrintout cPart(cContext);
        cCounts.iProjectInformation = appendPages(cPart, cPages);
        notify(progress, ReportProgress::PartBuilt, printoutText(CPrintoutTextTranslator::ProjectInformation), 0,
               cCounts.iProjectInformation);
    }
    if (cJob.bSectionOverview) {
        CSectionListPrintout cPart(cContext);
        cCounts.iSectionOverview = appendPages(cPart, cPages);
        notify(progress, ReportProgress::PartBuilt, printoutText(CPrintoutTextTranslator::SectionList), 0,
               cCounts.iSectionOverview);
    }
    if (cJob.bDamageClassLegend) {
        CDamageClassPrintout cPart(cContext);
        cCounts.iDamageClassLegend = appendPages(cPart, cPages);
        notify(progress, ReportProgress::PartBuilt, printoutText(CPrintoutTextTranslator::DamageClassLegend), 0,
               cCounts.iDamageClassLegend);
    }
    const QString sSectionPrefix = printoutText(CPrintoutTextTranslator::SectionPrefix);
    for (int i = 0; i < cJob.sectionCount(); ++i) {
        const SectionEntry &cEntry = *cJob.sectionAt(i);
        CSectionPrintout cPart(cContext, cEntry);
        const int iPages = appendPages(cPart, cPages);
        cCounts.sectionPages.append(iPages);
        notify(progress, ReportProgress::PartBuilt,
               sSectionPrefix + (cEntry.cSection ? cEntry.cSection->name() : QString()), i + 1, iPages);
    }
    if (cJob.bTableOfContents) {
        CContentsPrintout cPart(cContext, cCounts);
        PrintoutPageList cContents = cPart.takePages();
        const int iCount = static_cast<int>(cContents.size());
        // Right after the project information.
        const auto itInsert =
            cPages.begin()
            + std::min<std::ptrdiff_t>(cCounts.iProjectInformation, static_cast<std::ptrdiff_t>(cPages.size()));
        cPages.insert(itInsert, std::make_move_iterator(cContents.begin()), std::make_move_iterator(cContents.end()));
        notify(progress, ReportProgress::PartBuilt, printoutText(CPrintoutTextTranslator::TableOfContents), 0, iCount);
    }

    addFooters(cLayout, cPages);
    return printPages(cPainter, cDevice, cPages, [&progress](int iPage, int iCount) {
        notify(progress, ReportProgress::PagePrinted, QString(), iPage, iCount);
    });
}
} // namespace

ReportResult runReport(const ReportJob &cJob, const ReportProgressCallback &progress)
{
    if (!cJob.cProject || !cJob.cLayout || cJob.sOutputFileName.isEmpty())
        return ReportResult::IncompleteJob;

    // A directory in the file's place would make the writer fail late; the
    // project being read is never written to.
    switch (checkReportOutput(cJob.sOutputFileName, cJob.cProject->directory())) {
    case ReportOutputCheck::IsDirectory: return ReportResult::CannotOpenOutput;
    case ReportOutputCheck::InsideProject: return ReportResult::OutputInProject;
    case ReportOutputCheck::Usable: break;
    }
    // The run owns the file, so it learns whether every byte was written
    // (the writer itself does not tell).
    QFile cOutput(cJob.sOutputFileName);
    switch (openReportOutput(cOutput, cJob.cProject->directory())) {
    case ReportOutputCheck::IsDirectory: return ReportResult::CannotOpenOutput;
    case ReportOutputCheck::InsideProject: return ReportResult::OutputInProject;
    case ReportOutputCheck::Usable: break;
    }
    const ReportDocumentInfo cInfo = reportDocumentInfo(cJob);
    std::unique_ptr<QPdfWriter> pPrinter = createReportPrinter(&cOutput, cInfo.sCreator, cInfo.sTitle);
    CReportPainter cPainter;
    if (!beginReportPainter(cPainter, *pPrinter))
        return ReportResult::CannotOpenOutput;

    const bool bPrinted = buildAndPrint(cJob, cPainter, *pPrinter, progress);
    pPrinter.reset();
    if (!finishReportOutput(cOutput) || !bPrinted) {
        // An incomplete PDF is no report; only a plain file is removed,
        // never a device or pipe the user named.
        if (QFileInfo(cJob.sOutputFileName).isFile())
            QFile::remove(cJob.sOutputFileName);
        return ReportResult::WriteFailed;
    }
    return ReportResult::Written;
}

ReportResult runReportOn(const ReportJob &cJob, QPagedPaintDevice &cDevice, const ReportProgressCallback &progress)
{
    if (!cJob.cProject || !cJob.cLayout)
        return ReportResult::IncompleteJob;
    CReportPainter cPainter;
    if (!beginReportPainter(cPainter, cDevice))
        return ReportResult::CannotOpenOutput;
    return buildAndPrint(cJob, cPainter, cDevice, progress) ? ReportResult::Written : ReportResult::WriteFailed;
}
