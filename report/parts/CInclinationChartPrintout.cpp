#include "report/parts/CInclinationChartPrintout.h"

#include "app/units/Units.h"
#include "metadata/CInspectionStandard.h"
#include "model/CBaseProject.h"
#include "model/CInspectionSegment.h"
#include "queries/CDataCoreObjectQuery.h"
#include "queries/FieldIds.h"
#include "report/chart/CInclinationGridPrintoutItem.h"
#include "report/chart/CInclinationLegendPrintoutItem.h"
#include "report/chart/InclinationChartGeometry.h"
#include "report/chart/InclinationChartProfile.h"
#include "report/items/CTablePrintoutItem.h"
#include "report/items/TableFilling.h"
#include "report/layout/PrintoutLayout.h"
#include "report/paint/BoundedGeometry.h"
#include "report/parts/CPrintoutTextTranslator.h"
#include "report/parts/ReportContext.h"
#include "report/parts/SectionEntry.h"
#include "storage/ProjectDirectory.h"

#include <cmath>

using namespace InclinationChartGeometry;

namespace {
constexpr int kStartNodeField = FieldIds::sectionPropertyField(1);
constexpr int kEndNodeField = FieldIds::sectionPropertyField(2);
constexpr int kLengthField = FieldIds::SectionCalculatedLength;
constexpr int kBodyTop = 500;

// Scaled curve points; points that are not finite numbers are left out.
template <typename Data>
void addScaledPoints(Data &cData, const QList<QPointF> &points, double dXFactor, double dYFactor)
{
    for (const QPointF &cPoint : points) {
        const double dX = cPoint.x() * dXFactor;
        const double dY = cPoint.y() * dYFactor;
        if (std::isfinite(dX) && std::isfinite(dY))
            cData.addPoint(QPoint(toCoordinate(dX), toCoordinate(dY)));
    }
}

QString directionText(bool bAgainstFlow)
{
    return printoutText(CPrintoutTextTranslator::InspectionDirection) + QStringLiteral(" ==> ")
           + QStringLiteral("  |  ") + printoutText(CPrintoutTextTranslator::FlowDirection)
           + (bAgainstFlow ? QStringLiteral(" <~~ ") : QStringLiteral(" ~~> "));
}
} // namespace

CInclinationChartPrintout::CInclinationChartPrintout(const ReportContext &cContext, const SectionEntry &cEntry)
    : m_cContext(cContext), m_cEntry(cEntry)
{
}

CInclinationChartPrintout::~CInclinationChartPrintout() = default;

QString CInclinationChartPrintout::inclinationFilePath(const CInspectionSegment *pSection)
{
    if (!pSection || !pSection->project() || pSection->inclinationFile().isEmpty())
        return QString();
    return mediaFilePath(inclinationDirectory(pSection->project()->directory()), pSection->inclinationFile());
}

void CInclinationChartPrintout::buildPages()
{
    if (!m_cEntry.cSection || !m_cContext.cLayout)
        return;
    const QString sPath = inclinationFilePath(m_cEntry.cSection);
    if (sPath.isEmpty())
        return;
    InclinationChartInput cInput;
    if (!readInclinationChartInput(sPath, m_cContext.cStandard, m_cEntry.cSection, &cInput))
        return;
    addPage(createChartPage(cInput, m_cContext, m_cEntry.cSection, m_cEntry.bInclinationGraph));
}

std::unique_ptr<PrintoutPage> CInclinationChartPrintout::createChartPage(const InclinationChartInput &cInput,
                                                                         const ReportContext &cContext,
                                                                         const CInspectionSegment *pSection,
                                                                         bool bInclinationGraph)
{
    const PrintoutLayout &cLayout = *cContext.cLayout;
    const CInspectionStandard *pStandard = cContext.cStandard;
    auto pPage = std::make_unique<PrintoutPage>();
    const InclinationGridLayout *pGrid = cLayout.inclinationGrid();
    const QRect cPlot = pGrid->plotRect();

    auto pHeader = std::make_unique<CTablePrintoutItem>(cLayout.inclinationHeader());
    fillFromObject(*pHeader, cLayout.inclinationHeader(), cLayout, pSection, true, pStandard);

    // Ranges: a range without variation is widened so that the curve runs
    // through the middle of the chart with finite labels.
    const ChartRange x = chartRange(cInput.fMinPosition, cInput.fMaxPosition, kPositionZeroSpan, false);
    const ChartRange inclination =
        chartRange(cInput.fMinInclination, cInput.fMaxInclination, kInclinationZeroSpan, true);
    const ChartRange altitude = chartRange(cInput.fMinAltitude, cInput.fMaxAltitude, kAltitudeZeroSpan, true);
    const double dXFactor = scaleFactor(cPlot.width(), x.fSpan, false);
    const double dInclinationFactor = scaleFactor(cPlot.height(), inclination.fSpan, true);
    const double dAltitudeFactor = scaleFactor(cPlot.height(), altitude.fSpan, true);

    const auto pQuery = createQuery(pSection);
    const bool bAgainstFlow =
        pStandard && pStandard->inspectionDirection(pSection) == CInspectionStandard::DirectionAgainst;
    const bool bSwapNodes = pStandard && pStandard->usesDefaultNodeConvention() == 0 && bAgainstFlow;
    const QString sStartNode = pQuery ? pQuery->fieldValue(kStartNodeField) : QString();
    const QString sEndNode = pQuery ? pQuery->fieldValue(kEndNodeField) : QString();

    InclinationChartTexts cTexts;
    cTexts.bDrawInclination = bInclinationGraph;
    cTexts.fXMin = x.fMin;
    cTexts.fXMax = x.fMax;
    cTexts.fAltitudeMin = altitude.fMin / 100.0f;
    cTexts.fAltitudeMax = altitude.fMax / 100.0f;
    cTexts.fInclinationMin = inclination.fMin;
    cTexts.fInclinationMax = inclination.fMax;
    cTexts.sPositionScale = scaleText(100000.0, dXFactor);
    cTexts.sAltitudeScale = scaleText(1000.0, dAltitudeFactor);
    cTexts.sPositionAxisLabel = printoutText(CPrintoutTextTranslator::PositionAxis);
    cTexts.sAltitudeAxisLabel = printoutText(CPrintoutTextTranslator::AltitudeAxis);
    if (bInclinationGraph) {
        cTexts.sInclinationAxisLabel = printoutText(CPrintoutTextTranslator::InclinationAxis);
        cTexts.sInclinationRangeText = printoutText(CPrintoutTextTranslator::InclinationAxis) + QLatin1Char(' ')
                                       + formatDecimal(cInput.fMinInclination) + QStringLiteral(" - ")
                                       + formatDecimal(cInput.fMaxInclination);
    }
    cTexts.sLeftNode = bSwapNodes ? sEndNode : sStartNode;
    cTexts.sRightNode = bSwapNodes ? sStartNode : sEndNode;
    const QString sLengthCaption = pQuery ? fieldCaptionFromStandard(kLengthField, pStandard) : QString();
    cTexts.sLengthText = sLengthCaption + QLatin1Char(' ') + formatLength(cInput.fLength);
    cTexts.sMeasuredInclinationText = printoutText(CPrintoutTextTranslator::InclinationMeasured)
                                      + measuredInclinationValue(cInput.fStartAltitude, cInput.fEndAltitude,
                                                                 cInput.fStartPosition, cInput.fEndPosition);
    cTexts.sDirectionText = directionText(bAgainstFlow);

    const int iGridHeight = pGrid->rect().height();
    auto pGridItem = std::make_unique<CInclinationGridPrintoutItem>(pGrid, cTexts);
    if (bInclinationGraph) {
        auto pData = std::make_unique<CGraphData>();
        addScaledPoints(*pData, cInput.inclinationPoints, dXFactor, dInclinationFactor);
        auto pGraph = std::make_unique<CInclinationGraphPrintoutItem>(
            cLayout.inclinationGraph(), cLayout.inclinationZeroGraph(), std::move(pData), iGridHeight);
        pGraph->setPosition(
            QPoint(toCoordinate(dXFactor * -static_cast<double>(x.fMin)),
                   toCoordinate(dInclinationFactor * -(static_cast<double>(inclination.fMin) + inclination.fSpan))));
        pGridItem->setInclinationGraph(std::move(pGraph));
    }
    auto pAltitudeData = std::make_unique<CAltitudeGraphData>();
    addScaledPoints(*pAltitudeData, cInput.altitudePoints, dXFactor, dAltitudeFactor);
    pAltitudeData->setPipeOffset(toCoordinate(static_cast<double>(cInput.fPipeDimension) * dAltitudeFactor));
    auto pAltitudeGraph = std::make_unique<CAltitudeGraphPrintoutItem>(
        cLayout.altitudeGraph(), cLayout.inclinationPipe(), std::move(pAltitudeData), iGridHeight);
    pAltitudeGraph->setPosition(
        QPoint(toCoordinate(dXFactor * -static_cast<double>(x.fMin)),
               toCoordinate(dAltitudeFactor * -(static_cast<double>(altitude.fMin) + altitude.fSpan))));
    pGridItem->setAltitudeGraph(std::move(pAltitudeGraph));

    InclinationLegendTexts cLegendTexts;
    cLegendTexts.bShowInclination = bInclinationGraph;
    cLegendTexts.bShowZeroLine = bInclinationGraph && inclination.fMin < 0.0f && inclination.fMax > 0.0f;
    cLegendTexts.sInclinationText = printoutText(CPrintoutTextTranslator::InclinationAxis);
    cLegendTexts.sZeroLineText = printoutText(CPrintoutTextTranslator::InclinationZero);
    cLegendTexts.sAltitudeText = printoutText(CPrintoutTextTranslator::AltitudeAxis);
    cLegendTexts.sPipeText = printoutText(CPrintoutTextTranslator::Pipe);
    auto pLegend = std::make_unique<CInclinationLegendPrintoutItem>(
        cLayout.inclinationLegend(), cLayout.inclinationGraph(), cLayout.inclinationZeroGraph(),
        cLayout.altitudeGraph(), cLayout.inclinationPipe(), cLegendTexts);

    // Turned counter-clockwise: the chart reads in landscape from the
    // bottom of the page.
    const int iHeaderWidth = cLayout.inclinationHeader() ? cLayout.inclinationHeader()->width() : 0;
    // Sums of layout sizes are taken in 64 bits and kept within page range.
    pHeader->setRotation(-90);
    pHeader->setPosition(QPoint(0, BoundedGeometry::bounded(qint64(kBodyTop) + iHeaderWidth)));
    pGridItem->setRotation(-90);
    pGridItem->setPosition(QPoint(BoundedGeometry::bounded(pHeader->height()),
                                  BoundedGeometry::bounded(qint64(kBodyTop) + pGrid->rect().width())));
    pLegend->setRotation(-90);
    pLegend->setPosition(QPoint(0, BoundedGeometry::bounded(qint64(kBodyTop) + cContext.cPageRect.height() - 1)));

    pPage->addItem(std::move(pHeader));
    pPage->addItem(std::move(pGridItem));
    pPage->addItem(std::move(pLegend));
    return pPage;
}
