#include "report/chart/CAltitudeGraphPrintoutItem.h"

#include "report/chart/InclinationChartPens.h"
#include "report/paint/CReportPainter.h"

CAltitudeGraphPrintoutItem::CAltitudeGraphPrintoutItem(const GraphPenLayout *pCurvePen, const GraphPenLayout *pPipePen,
                                                       std::unique_ptr<CAltitudeGraphData> pData, int iHeight)
    : m_pCurvePen(pCurvePen), m_pPipePen(pPipePen),
      m_pData(pData ? std::move(pData) : std::make_unique<CAltitudeGraphData>()), m_iHeight(iHeight)
{
}

CAltitudeGraphPrintoutItem::~CAltitudeGraphPrintoutItem() = default;

void CAltitudeGraphPrintoutItem::paint(CReportPainter &cPainter) const
{
    const QList<QPoint> &points = m_pData->points();
    if (points.isEmpty())
        return;
    cPainter.save();
    applyPlacement(cPainter);
    cPainter.setBrush(Qt::NoBrush);
    cPainter.setPen(inclinationChartPen(m_pCurvePen));
    cPainter.drawPolyline(points.constData(), static_cast<int>(points.size()));
    cPainter.setPen(inclinationChartPen(m_pPipePen));
    const QPoint cFirst = points.first();
    const QPoint cLast = points.last();
    const QPoint cOffset(0, m_pData->pipeOffset());
    cPainter.drawLine(cFirst, cLast);
    cPainter.drawLine(cFirst + cOffset, cLast + cOffset);
    cPainter.restore();
}
