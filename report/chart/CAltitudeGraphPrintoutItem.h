#pragma once

#include "report/chart/CAltitudeGraphData.h"
#include "report/items/CCustomPrintoutItem.h"

#include <memory>

class GraphPenLayout;

// The altitude profile curve and the two straight pipe lines from its first
// to its last point. Painted by the grid, relative to the plot area.
class CAltitudeGraphPrintoutItem : public CCustomPrintoutItem
{
public:
    // The pens belong to the layout and must outlive the item.
    CAltitudeGraphPrintoutItem(const GraphPenLayout *pCurvePen, const GraphPenLayout *pPipePen,
                               std::unique_ptr<CAltitudeGraphData> pData, int iHeight);
    ~CAltitudeGraphPrintoutItem() override;

    const CAltitudeGraphData &data() const { return *m_pData; }
    int height() const override { return m_iHeight; }
    void paint(CReportPainter &cPainter) const override;

private:
    const GraphPenLayout *m_pCurvePen;
    const GraphPenLayout *m_pPipePen;
    std::unique_ptr<CAltitudeGraphData> m_pData;
    int m_iHeight;
};
