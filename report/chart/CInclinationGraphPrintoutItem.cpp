#include "report/chart/CInclinationGraphPrintoutItem.h"

#include "report/chart/InclinationChartPens.h"
#include "report/paint/CReportPainter.h"

CInclinationGraphPrintoutItem::CInclinationGraphPrintoutItem(const GraphPenLayout *pCurvePen,
                                                             const GraphPenLayout *pZeroLinePen,
                                                             std::unique_ptr<CGraphData> pData, int iHeight)
    : m_pCurvePen(pCurvePen), m_pZeroLinePen(pZeroLinePen),
      m_pData(pData ? std::move(pData) : std::make_unique<CGraphData>()), m_iHeight(iHeight)
{
}

CInclinationGraphPrintoutItem::~CInclinationGraphPrintoutItem() = default;

bool CInclinationGraphPrintoutItem::drawsZeroLine() const
{
    return !m_pData->isEmpty() && m_pData->minY() < 0 && m_pData->maxY() > 0;
}

void CInclinationGraphPrintoutItem::paint(CReportPainter &cPainter) const
{
    cPainter.save();
    applyPlacement(cPainter);
    cPainter.setBrush(Qt::NoBrush);
    cPainter.setPen(inclinationChartPen(m_pCurvePen));
    const QList<QPoint> &points = m_pData->points();
    if (!points.isEmpty())
        cPainter.drawPolyline(points.constData(), static_cast<int>(points.size()));
    if (drawsZeroLine()) {
        cPainter.setPen(inclinationChartPen(m_pZeroLinePen));
        cPainter.drawLine(QPoint(m_pData->minX(), 0), QPoint(m_pData->maxX(), 0));
    }
    cPainter.restore();
}
