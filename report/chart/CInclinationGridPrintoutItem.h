#pragma once

#include "report/chart/CAltitudeGraphPrintoutItem.h"
#include "report/chart/CInclinationGraphPrintoutItem.h"
#include "report/chart/InclinationChartTexts.h"
#include "report/items/CCustomPrintoutItem.h"

#include <memory>

class InclinationGridLayout;
class QPen;

// The grid of the inclination chart with its scale labels and texts; it
// paints the two curves attached to it inside its plot area.
class CInclinationGridPrintoutItem : public CCustomPrintoutItem
{
public:
    // The layout belongs to the printout layout and must outlive the item.
    CInclinationGridPrintoutItem(const InclinationGridLayout *pLayout, const InclinationChartTexts &cTexts);
    ~CInclinationGridPrintoutItem() override;

    // Each replaces (and deletes) the previous graph of its kind.
    void setInclinationGraph(std::unique_ptr<CInclinationGraphPrintoutItem> pGraph);
    void setAltitudeGraph(std::unique_ptr<CAltitudeGraphPrintoutItem> pGraph);
    const CInclinationGraphPrintoutItem *inclinationGraph() const { return m_pInclinationGraph.get(); }
    const CAltitudeGraphPrintoutItem *altitudeGraph() const { return m_pAltitudeGraph.get(); }
    const InclinationChartTexts &texts() const { return m_cTexts; }

    int height() const override;
    void paint(CReportPainter &cPainter) const override;

private:
    void paintLines(CReportPainter &cPainter, const QPen &cLinePen, const QPen &cTextPen) const;
    void paintTexts(CReportPainter &cPainter) const;

    const InclinationGridLayout *m_pLayout;
    InclinationChartTexts m_cTexts;
    std::unique_ptr<CInclinationGraphPrintoutItem> m_pInclinationGraph;
    std::unique_ptr<CAltitudeGraphPrintoutItem> m_pAltitudeGraph;
};
