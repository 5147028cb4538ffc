#include "report/parts/CSectionPrintout.h"

#include "app/units/Units.h"
#include "metadata/CInspectionStandard.h"
#include "model/CBaseProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "queries/CDataCoreObjectQuery.h"
#include "queries/FieldIds.h"
#include "report/items/CCustomizedTablePrintoutItem.h"
#include "report/items/CEventPosIndicatorPrintoutItem.h"
#include "report/items/CHeaderPrintoutItem.h"
#include "report/items/CPicturePrintoutItem.h"
#include "report/items/CSectionGraphicPrintoutItem.h"
#include "report/items/CTablePrintoutItem.h"
#include "report/items/EventTexts.h"
#include "report/items/TableFilling.h"
#include "report/layout/CDamageClassList.h"
#include "report/layout/PrintoutLayout.h"
#include "report/paint/CReportPainter.h"
#include "report/parts/CInclinationChartPrintout.h"
#include "report/parts/CPrintoutTextTranslator.h"
#include "report/parts/ReportContext.h"
#include "report/parts/SectionEntry.h"
#include "storage/ProjectDirectory.h"

#include <QFont>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// Start and end node are section properties 1 and 2; an event's damage
// class is its property 200001.
constexpr int kStartNodeField = FieldIds::sectionPropertyField(1);
constexpr int kEndNodeField = FieldIds::sectionPropertyField(2);
constexpr int kDamageClassField = FieldIds::eventPropertyField(200001);

constexpr int kMeasuringPointSize = 16;
constexpr int kRowPadding = 200;
// Line height assumed when no active painter can measure.
constexpr int kFallbackLineHeight = 300;
constexpr int kPhotoGap = 1000;
// Ten metres: beyond any page, and sums of a few such heights fit an int.
constexpr int kMaxLayoutHeight = 1000000;

const QColor kDefaultTextColour(76, 76, 76);

QString photoDirectoryOf(const CInspectionSegment *pSection)
{
    if (!pSection || !pSection->project())
        return QString();
    return photosDirectory(pSection->project()->directory());
}
} // namespace

CSectionPrintout::CSectionPrintout(const ReportContext &cContext, const SectionEntry &cEntry)
    : m_cContext(cContext), m_cEntry(cEntry)
{
}

CSectionPrintout::~CSectionPrintout() = default;

const CInspectionSegment *CSectionPrintout::section() const
{
    return m_cEntry.cSection;
}

void CSectionPrintout::buildPages()
{
    if (!section() || !m_cContext.cLayout)
        return;
    m_fUnitsPerLengthUnit = isMetricSystem() ? 100000.0f : 30480.0f;
    if (m_cEntry.bSectionProtocol) {
        buildEventRows();
        chooseScale();
        assignPages();
        buildProtocolPages();
    }
    if (m_cEntry.bInclinationProtocol)
        buildInclinationPages();
    if (m_cEntry.iPhotosPerPage == 1 || m_cEntry.iPhotosPerPage == 3)
        buildPhotoPages();
}

// Heights of a damaged layout are cut at kMaxLayoutHeight, so the page
// arithmetic below cannot overflow.
int CSectionPrintout::tableHeight(const LayoutTable *pTable) const
{
    return pTable ? std::min(pTable->height(), kMaxLayoutHeight) : 0;
}

int CSectionPrintout::circleDiameter() const
{
    return std::clamp(m_cContext.cLayout->sectionGraphic()->circleDiameter(), 0, kMaxLayoutHeight);
}

int CSectionPrintout::captionHeight() const
{
    const LayoutTable *pEvent = m_cContext.cLayout->event();
    const LayoutRow *pRow = pEvent ? pEvent->rowAt(0) : nullptr;
    return pRow ? std::min(pRow->height(), kMaxLayoutHeight) : 0;
}

int CSectionPrintout::lineHeight() const
{
    return m_cContext.cPainter && m_cContext.cPainter->isActive() ? m_cContext.cPainter->lineHeight()
                                                                  : kFallbackLineHeight;
}

int CSectionPrintout::availableHeight(int iPage) const
{
    const int iPageHeight = m_cContext.cPageRect.height();
    const int iHeader = tableHeight(m_cContext.cLayout->sectionPageHeader());
    if (iPage <= 1)
        return iPageHeight - iHeader - tableHeight(m_cContext.cLayout->sectionHeader()) - 1500;
    return iPageHeight - iHeader - 1000;
}

SectionPageHeights CSectionPrintout::pageHeights() const
{
    const int iCircles = 2 * circleDiameter();
    return SectionEventLayout::normalisedHeights(availableHeight(1) - iCircles - captionHeight(),
                                                 availableHeight(2) - iCircles);
}

void CSectionPrintout::buildEventRows()
{
    m_eventRows.clear();
    const CEventList *pEvents = section()->events();
    const LayoutCell *pObservationCell =
        m_cContext.cLayout->event() ? m_cContext.cLayout->event()->cellAt(0, 4) : nullptr;
    // Wrapped to the width the cell prints its text in (1 mm inside each
    // border), so that the row is as high as the printed text.
    const int iObservationWidth = pObservationCell ? std::max(pObservationCell->width() - 200, 1) : 1;
    const bool bMeasure = m_cContext.cPainter && m_cContext.cPainter->isActive();
    QFont cSavedFont;
    if (bMeasure) {
        cSavedFont = m_cContext.cPainter->font();
        QFont cFont = cSavedFont;
        cFont.setPointSize(kMeasuringPointSize);
        m_cContext.cPainter->setFont(cFont);
    }
    const bool bMetric = isMetricSystem();
    const QString sDelimiter = m_cContext.cStandard ? m_cContext.cStandard->textDelimiter() : QString();
    for (int i = 0; i < pEvents->count(); ++i) {
        const CInspectionEvent *pEvent = pEvents->at(i);
        if (!pEvent)
            continue;
        EventRow row;
        // The details after the delimiter go on lines of their own; the
        // text is cut to what a cell can show before it is wrapped.
        const QString sObservation =
            EventTexts::observation(pEvent->text(), sDelimiter, EventTexts::DetailLayout::OwnLines);
        if (bMeasure) {
            row.sObservation = m_cContext.cPainter->wrapText(sObservation, iObservationWidth);
            row.iHeight = m_cContext.cPainter->textHeight(row.sObservation) + kRowPadding;
        } else {
            row.sObservation = sObservation;
            row.iHeight =
                static_cast<int>(row.sObservation.count(QLatin1Char('\n')) + 1) * kFallbackLineHeight + kRowPadding;
        }
        const float fMetres = pEvent->meterValue();
        row.fPosition = bMetric ? fMetres : metresToFeet(fMetres);
        row.sPositionText = formatLength(fMetres);
        row.sCode = pEvent->abbreviation();
        row.sVideoPosition = EventTexts::videoPosition(*pEvent);
        row.sPhotoNumbers = SectionEventLayout::photoNumbers(pEvent->imageFile(), pEvent->imageFile2());
        if (m_cContext.bDamageInformation) {
            const auto pQuery = createQuery(pEvent);
            if (pQuery) {
                row.sDamageClass = pQuery->fieldCode(kDamageClassField);
                if (row.sDamageClass.isEmpty())
                    row.sDamageClass = pQuery->fieldValue(kDamageClassField);
            }
        }
        m_eventRows.append(row);
    }
    if (bMeasure)
        m_cContext.cPainter->setFont(cSavedFont);
    SectionEventLayout::limitRowHeights(m_eventRows, pageHeights());
}

void CSectionPrintout::chooseScale()
{
    float fLength = section()->calculatedLength();
    if (!isMetricSystem())
        fLength = metresToFeet(fLength);
    const double dScaleLength = static_cast<double>(fLength) * m_fUnitsPerLengthUnit;
    qint64 iRows = 0;
    for (const EventRow &row : m_eventRows)
        iRows += row.iHeight;
    m_fScale = static_cast<float>(SectionEventLayout::chooseScale(dScaleLength, iRows));
}

void CSectionPrintout::assignPages()
{
    const SectionEventLayout::AssignResult result =
        SectionEventLayout::assignPages(m_eventRows, static_cast<int>(m_fScale), m_fUnitsPerLengthUnit, pageHeights());
    m_fScale = static_cast<float>(result.iScale);
    m_iProtocolPageCount = m_eventRows.isEmpty() ? 1 : result.iPageCount;
}

QString CSectionPrintout::nodeText(bool bStart) const
{
    // The nodes swap places for a section inspected against the flow under
    // the "U-D" naming convention.
    bool bSwap = false;
    if (m_cContext.cStandard)
        bSwap = m_cContext.cStandard->usesDefaultNodeConvention() == 0
                && m_cContext.cStandard->inspectionDirection(section()) == CInspectionStandard::DirectionAgainst;
    const auto pQuery = createQuery(section());
    if (!pQuery)
        return QString();
    const bool bStartField = bStart != bSwap;
    return pQuery->fieldValue(bStartField ? kStartNodeField : kEndNodeField);
}

std::unique_ptr<PrintoutPage> CSectionPrintout::createSectionPage() const
{
    auto pPage = std::make_unique<PrintoutPage>();
    auto pHeader = std::make_unique<CHeaderPrintoutItem>(m_cContext.cLayout->sectionPageHeader(), m_cContext.logo.sText,
                                                         m_cContext.logo.image,
                                                         printoutText(CPrintoutTextTranslator::SectionProtocol));
    fillFromObject(*pHeader, m_cContext.cLayout->sectionPageHeader(), *m_cContext.cLayout, section(), true,
                   m_cContext.cStandard);
    pPage->setHeader(std::move(pHeader));
    return pPage;
}

void CSectionPrintout::buildProtocolPages()
{
    using SectionEventLayout::PageRows;
    const LayoutTable *pEventLayout = m_cContext.cLayout->event();
    const LayoutRow *pTemplate = pEventLayout ? pEventLayout->rowAt(0) : nullptr;
    const int iD = circleDiameter();
    const int iLineHeight = lineHeight();
    const int iCaptionHeight = captionHeight();
    const bool bNoEvents = section()->events()->count() == 0;

    QList<PageRows> pages = SectionEventLayout::rowsByPage(m_eventRows);
    if (pages.isEmpty() || pages.first().iPage != 1)
        pages.prepend({1, 0, 0});
    const int iLastRowPage = m_eventRows.isEmpty() ? 1 : m_eventRows.last().iPage;
    const int iLastProtocolPage = pages.last().iPage;

    SectionGraphicData graphic;
    graphic.sStartNode = nodeText(true);
    graphic.sEndNode = nodeText(false);
    if (m_cContext.cStandard) {
        const int iDirection = m_cContext.cStandard->inspectionDirection(section());
        if (iDirection == CInspectionStandard::DirectionIn)
            graphic.cDirectionImage = QImage(QStringLiteral(":/printing/in_flow_direction.bmp"));
        else if (iDirection == CInspectionStandard::DirectionAgainst)
            graphic.cDirectionImage = QImage(QStringLiteral(":/printing/against_flow_direction.bmp"));
    }

    for (const PageRows &pageRows : pages) {
        const int iPage = pageRows.iPage;
        const bool bFirstPage = iPage == 1;
        const bool bHasRows = pageRows.iEnd > pageRows.iFirst;
        std::unique_ptr<PrintoutPage> pPage = createSectionPage();
        if (bFirstPage) {
            auto pSectionHeader = std::make_unique<CTablePrintoutItem>(m_cContext.cLayout->sectionHeader());
            fillFromObject(*pSectionHeader, m_cContext.cLayout->sectionHeader(), *m_cContext.cLayout, section(), true,
                           m_cContext.cStandard);
            pSectionHeader->setPosition(bodyArea(*pPage).topLeft());
            pPage->addItem(std::move(pSectionHeader));
        }

        // The event table: caption (page 1), spacer, one row per event.
        auto pTable = std::make_unique<CCustomizedTablePrintoutItem>(pEventLayout);
        if (bFirstPage) {
            const LayoutRow *pCaption = pTable->appendRowCopy(pTemplate);
            pTable->addRowTexts(
                pCaption,
                {formatScale(static_cast<int>(m_fScale)), printoutText(CPrintoutTextTranslator::CaptionPosition),
                 m_cContext.bDamageInformation ? printoutText(CPrintoutTextTranslator::CaptionDamageClass) : QString(),
                 printoutText(CPrintoutTextTranslator::CaptionCode),
                 printoutText(CPrintoutTextTranslator::CaptionObservation),
                 printoutText(CPrintoutTextTranslator::CaptionVideoPosition),
                 printoutText(CPrintoutTextTranslator::CaptionPhoto)});
        }
        if (bHasRows) {
            int iSpacer = m_eventRows.at(pageRows.iFirst).iRowPosition;
            if (bFirstPage)
                iSpacer += iD - (iLineHeight + 100);
            pTable->appendRowCopy(pTemplate, std::max(iSpacer, 0));
        }
        QList<CEventPosIndicatorPrintoutItem::Connector> connectors;
        for (int i = pageRows.iFirst; i < pageRows.iEnd; ++i) {
            const EventRow &row = m_eventRows.at(i);
            LayoutRow *pRow = pTable->appendRowCopy(pTemplate, row.iSpacing);
            QColor cColour = kDefaultTextColour;
            if (m_cContext.bDamageInformation && m_cContext.cDamageClasses) {
                QColor cClassColour;
                if (m_cContext.cDamageClasses->damageClassColour(row.sDamageClass, &cClassColour))
                    cColour = cClassColour;
            }
            if (pRow) {
                for (int iCell = 0; iCell < pRow->cellCount(); ++iCell)
                    pRow->cellAt(iCell)->setColor(cColour);
            }
            pTable->addRowTexts(pRow, {QString(), row.sPositionText, row.sDamageClass, row.sCode, row.sObservation,
                                       row.sVideoPosition, row.sPhotoNumbers});
            if (!row.bPushed)
                connectors.append({row.iScalePosition < 0 ? row.iRowPosition : row.iScalePosition, row.iRowPosition});
        }

        const int y0 = m_cContext.cPageRect.height() - availableHeight(iPage) - 500;
        const int iGraphicY = bFirstPage ? y0 + iCaptionHeight : y0;

        std::unique_ptr<CTablePrintoutItem> pNoEvents;
        if (bNoEvents) {
            pNoEvents = std::make_unique<CTablePrintoutItem>(m_cContext.cLayout->noEvents());
            if (const LayoutCell *pCell = m_cContext.cLayout->noEvents()->cellAt(0, 1))
                pNoEvents->addCellItem(std::make_unique<CTableCellItem>(
                    pCell, std::make_unique<CTableCellData>(printoutText(CPrintoutTextTranslator::NoDataAvailable))));
            pNoEvents->setPosition(QPoint(0, iGraphicY));
        }

        // Length of the section graphic.
        qint64 iLength = bNoEvents ? pNoEvents->height() : pTable->height();
        if (iPage == iLastProtocolPage && bHasRows) {
            int iFirstPlaced = -1;
            int iLastPlaced = -1;
            for (int i = pageRows.iFirst; i < pageRows.iEnd; ++i) {
                if (!m_eventRows.at(i).bPushed) {
                    if (iFirstPlaced < 0)
                        iFirstPlaced = i;
                    iLastPlaced = i;
                }
            }
            if (iLastPlaced >= 0) {
                const EventRow &last = m_eventRows.at(iLastPlaced);
                qint64 iScaled = 0;
                if (bFirstPage)
                    iScaled = qint64(last.iScalePosition) + iD - m_eventRows.at(iFirstPlaced).iScalePosition;
                else
                    iScaled = qint64(pTable->height()) + last.iScalePosition - last.iRowPosition;
                if (iScaled > 0)
                    iLength = iScaled;
            }
        }
        graphic.bDrawStartNode = bFirstPage;
        graphic.bDrawEndNode = iPage == iLastRowPage;
        if (bFirstPage) {
            iLength += iD;
            if (m_iProtocolPageCount == 2)
                iLength += tableHeight(pEventLayout);
        }
        if (graphic.bDrawEndNode)
            iLength += iD;
        // A short section still shows a piece of pipe between its circles.
        iLength = std::max(iLength, CSectionGraphicPrintoutItem::minimumLength(graphic, iD));
        auto pGraphic =
            std::make_unique<CSectionGraphicPrintoutItem>(m_cContext.cLayout->sectionGraphic(), graphic,
                                                          static_cast<int>(std::clamp<qint64>(iLength, 0, 1000000000)));
        pGraphic->setPosition(QPoint(0, iGraphicY));

        auto pIndicator =
            std::make_unique<CEventPosIndicatorPrintoutItem>(m_cContext.cLayout->eventPosIndicator(), connectors);
        pIndicator->setPosition(QPoint(iD, bFirstPage ? iGraphicY + iD : iGraphicY + iLineHeight + 100));

        pTable->setPosition(QPoint(0, y0));
        pPage->addItem(std::move(pTable));
        if (pNoEvents)
            pPage->addItem(std::move(pNoEvents));
        pPage->addItem(std::move(pGraphic));
        pPage->addItem(std::move(pIndicator));
        addPage(std::move(pPage));
    }
}

void CSectionPrintout::buildInclinationPages()
{
    CInclinationChartPrintout chart(m_cContext, m_cEntry);
    PrintoutPageList chartPages = chart.takePages();
    for (auto &pPage : chartPages)
        addPage(std::move(pPage));
}

void CSectionPrintout::buildPhotoPages()
{
    const bool bThree = m_cEntry.iPhotosPerPage == 3;
    const LayoutTable *pFrame = bThree ? m_cContext.cLayout->smallPicture() : m_cContext.cLayout->bigPicture();
    const QString sPhotoDirectory = photoDirectoryOf(section());
    const CEventList *pEvents = section()->events();

    std::unique_ptr<PrintoutPage> pPage;
    int iOnPage = 0;
    int iNextY = 0;
    const int iPerPage = bThree ? 3 : 1;
    for (int i = 0; i < pEvents->count(); ++i) {
        const CInspectionEvent *pEvent = pEvents->at(i);
        if (!pEvent)
            continue;
        for (const QString &sName : {pEvent->imageFile(), pEvent->imageFile2()}) {
            if (sName.isEmpty())
                continue;
            if (!pPage || iOnPage == iPerPage) {
                if (pPage)
                    addPage(std::move(pPage));
                pPage = createSectionPage();
                iOnPage = 0;
                iNextY = bodyArea(*pPage).top();
            }
            // Only the path is kept: the photo is read when the page is painted.
            auto pPicture = CPicturePrintoutItem::create(pFrame, *m_cContext.cLayout, pEvent, sPhotoDirectory, sName,
                                                         bThree, m_cContext.cStandard);
            if (!pPicture)
                continue;
            pPicture->setPosition(QPoint(0, iNextY));
            iNextY = static_cast<int>(
                std::min<qint64>(qint64(iNextY) + pPicture->height() + kPhotoGap, std::numeric_limits<int>::max()));
            pPage->addItem(std::move(pPicture));
            ++iOnPage;
        }
    }
    if (pPage)
        addPage(std::move(pPage));
}
