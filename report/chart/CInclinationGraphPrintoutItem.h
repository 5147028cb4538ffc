#pragma once

#include "report/chart/CGraphData.h"
#include "report/items/CCustomPrintoutItem.h"

#include <memory>

class GraphPenLayout;

// The measured inclination curve, with a zero line where the curve crosses
// 0 %. Painted by the grid, relative to the plot area's top-left corner.
class CInclinationGraphPrintoutItem : public CCustomPrintoutItem
{
public:
    // The pens belong to the layout and must outlive the item.
    CInclinationGraphPrintoutItem(const GraphPenLayout *pCurvePen, const GraphPenLayout *pZeroLinePen,
                                  std::unique_ptr<CGraphData> pData, int iHeight);
    ~CInclinationGraphPrintoutItem() override;

    const CGraphData &data() const { return *m_pData; }
    // Whether the curve crosses 0 % and so gets the zero line.
    bool drawsZeroLine() const;
    int height() const override { return m_iHeight; }
    void paint(CReportPainter &cPainter) const override;

private:
    const GraphPenLayout *m_pCurvePen;
    const GraphPenLayout *m_pZeroLinePen;
    std::unique_ptr<CGraphData> m_pData;
    int m_iHeight;
};
