#pragma once

#include "report/chart/InclinationLegendTexts.h"
#include "report/items/CCustomPrintoutItem.h"

class GraphPenLayout;
class InclinationLegendLayout;

// The legend of the inclination chart: one line and text per curve drawn.
class CInclinationLegendPrintoutItem : public CCustomPrintoutItem
{
public:
    // Layout and pens belong to the printout layout and must outlive the item.
    CInclinationLegendPrintoutItem(const InclinationLegendLayout *pLayout, const GraphPenLayout *pInclinationPen,
                                   const GraphPenLayout *pZeroLinePen, const GraphPenLayout *pAltitudePen,
                                   const GraphPenLayout *pPipePen, const InclinationLegendTexts &cTexts);

    const InclinationLegendTexts &texts() const { return m_cTexts; }
    int height() const override;
    void paint(CReportPainter &cPainter) const override;

private:
    const InclinationLegendLayout *m_pLayout;
    const GraphPenLayout *m_pInclinationPen;
    const GraphPenLayout *m_pZeroLinePen;
    const GraphPenLayout *m_pAltitudePen;
    const GraphPenLayout *m_pPipePen;
    InclinationLegendTexts m_cTexts;
};
