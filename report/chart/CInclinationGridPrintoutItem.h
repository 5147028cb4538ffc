#pragma once

#include "report/chart/CAltitudeGraphPrintoutItem.h"
#include "report/chart/CInclinationGraphPrintoutItem.h"
#include "report/chart/InclinationChartTexts.h"
#include "report/items/CCustomPrintoutItem.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>

class InclinationGridLayout;
class QFontMetrics;
class QPen;

// A text of the chart where it is drawn, in the coordinates of the plot
// area (origin at the plot's top-left corner).
struct ChartLabel
{
    enum Style {
        Plain,        // anchor is the start of the baseline
        OnBackground, // anchor is the bottom-left corner; drawn on the brush
        Rotated       // turned 90 degrees clockwise; anchor starts the baseline
    };
    Style eStyle = Plain;
    QString sText;
    QPoint cAnchor;
    // The area the text covers.
    QRect cRect;
};

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

    // Every text of the chart measured with the grid's font, placed so that
    // none overlaps another: scale values first, then the texts inside the
    // plot, axis captions and scales. A text that would collide moves to
    // its next place (an end value of the position scale aligns to its grid
    // line instead of centring on it, a caption moves away from the plot, a
    // rotated scale moves out beyond the values); one that fits nowhere
    // gives way.
    QList<ChartLabel> labels(const QFontMetrics &cMetrics) const;

private:
    void paintLines(CReportPainter &cPainter, const QPen &cLinePen) const;

    const InclinationGridLayout *m_pLayout;
    InclinationChartTexts m_cTexts;
    std::unique_ptr<CInclinationGraphPrintoutItem> m_pInclinationGraph;
    std::unique_ptr<CAltitudeGraphPrintoutItem> m_pAltitudeGraph;
};
