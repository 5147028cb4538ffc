#include "report/chart/CInclinationGridPrintoutItem.h"

#include "app/units/Units.h"
#include "report/chart/InclinationChartGeometry.h"
#include "report/chart/InclinationChartPens.h"
#include "report/layout/LayoutRecords.h"
#include "report/paint/BoundedGeometry.h"
#include "report/paint/CReportPainter.h"
#include "report/paint/LabelPlacer.h"

#include <QFont>
#include <QFontMetrics>

#include <algorithm>

using namespace InclinationChartGeometry;

CInclinationGridPrintoutItem::CInclinationGridPrintoutItem(const InclinationGridLayout *pLayout,
                                                           const InclinationChartTexts &cTexts)
    : m_pLayout(pLayout), m_cTexts(cTexts)
{
}

CInclinationGridPrintoutItem::~CInclinationGridPrintoutItem() = default;

void CInclinationGridPrintoutItem::setInclinationGraph(std::unique_ptr<CInclinationGraphPrintoutItem> pGraph)
{
    m_pInclinationGraph = std::move(pGraph);
}

void CInclinationGridPrintoutItem::setAltitudeGraph(std::unique_ptr<CAltitudeGraphPrintoutItem> pGraph)
{
    m_pAltitudeGraph = std::move(pGraph);
}

int CInclinationGridPrintoutItem::height() const
{
    return m_pLayout ? m_pLayout->rect().height() : 0;
}

void CInclinationGridPrintoutItem::paint(CReportPainter &cPainter) const
{
    if (!m_pLayout)
        return;
    cPainter.save();
    applyPlacement(cPainter);
    QFont cFont = cPainter.font();
    cFont.setPointSize(std::max(m_pLayout->fontSize(), 1));
    cPainter.setFont(cFont);
    const QPen cLinePen = inclinationChartPen(m_pLayout->lineColor(), m_pLayout->lineStyle(), m_pLayout->lineWidth());
    QPen cTextPen = cLinePen;
    cTextPen.setColor(m_pLayout->fontColor());
    // Texts are drawn with a solid pen even where the grid lines are dashed
    // or hidden.
    cTextPen.setStyle(Qt::SolidLine);
    cPainter.translate(m_pLayout->plotRect().topLeft());
    cPainter.setBrush(Qt::NoBrush);

    paintLines(cPainter, cLinePen);

    const QRect cPlot = m_pLayout->plotRect();
    cPainter.setPen(inclinationChartPen(m_pLayout->borderColor(), m_pLayout->borderStyle(), m_pLayout->borderWidth()));
    cPainter.drawRect(QRect(0, 0, cPlot.width() - 1, cPlot.height() - 1));

    cPainter.setPen(cTextPen);
    cPainter.setBrush(Qt::white);
    for (const ChartLabel &cLabel : labels(cPainter.fontMetrics())) {
        switch (cLabel.eStyle) {
        case ChartLabel::Plain: cPainter.drawText(cLabel.cAnchor, cLabel.sText); break;
        case ChartLabel::OnBackground:
            cPainter.drawTextOnBackground(cLabel.cAnchor.x(), cLabel.cAnchor.y(), cLabel.sText);
            break;
        case ChartLabel::Rotated: cPainter.drawRotatedText(cLabel.cAnchor, cLabel.sText); break;
        }
    }
    cPainter.setBrush(Qt::NoBrush);

    if (m_pInclinationGraph)
        m_pInclinationGraph->paint(cPainter);
    if (m_pAltitudeGraph)
        m_pAltitudeGraph->paint(cPainter);
    cPainter.restore();
}

void CInclinationGridPrintoutItem::paintLines(CReportPainter &cPainter, const QPen &cLinePen) const
{
    const int iW = m_pLayout->plotRect().width();
    const int iH = m_pLayout->plotRect().height();
    cPainter.setPen(cLinePen);
    for (const int x : gridLineOffsets(iW, m_pLayout->xSections()))
        cPainter.drawLine(QPoint(x, 0), QPoint(x, iH));
    for (const int y : gridLineOffsets(iH, m_pLayout->ySections()))
        cPainter.drawLine(QPoint(0, y), QPoint(iW, y));
}

namespace {
// Measures texts and turns anchors into the areas the texts cover.
class LabelGeometry
{
public:
    explicit LabelGeometry(const QFontMetrics &cMetrics) : m_cMetrics(cMetrics) {}

    int width(const QString &sText) const { return m_cMetrics.size(0, CReportPainter::limitedText(sText)).width(); }
    int ascent() const { return m_cMetrics.ascent(); }
    int descent() const { return m_cMetrics.descent(); }

    ChartLabel plain(const QString &sText, qint64 iX, qint64 iBaseline) const
    {
        ChartLabel cLabel{ChartLabel::Plain, sText, point(iX, iBaseline), QRect()};
        cLabel.cRect = BoundedGeometry::rect(iX, iBaseline - ascent(), width(sText), qint64(ascent()) + descent());
        return cLabel;
    }
    ChartLabel onBackground(const QString &sText, qint64 iX, qint64 iBottom) const
    {
        const QSize cSize = m_cMetrics.size(0, CReportPainter::limitedText(sText));
        ChartLabel cLabel{ChartLabel::OnBackground, sText, point(iX, iBottom), QRect()};
        cLabel.cRect = BoundedGeometry::rect(iX, iBottom - cSize.height(), cSize.width(), cSize.height());
        return cLabel;
    }
    // Turned clockwise the text runs down from the anchor and its ascent
    // lies to the right of it.
    ChartLabel rotated(const QString &sText, qint64 iX, qint64 iY) const
    {
        ChartLabel cLabel{ChartLabel::Rotated, sText, point(iX, iY), QRect()};
        cLabel.cRect = BoundedGeometry::rect(iX - descent(), iY, qint64(ascent()) + descent(), width(sText));
        return cLabel;
    }

private:
    static QPoint point(qint64 iX, qint64 iY)
    {
        return QPoint(BoundedGeometry::bounded(iX), BoundedGeometry::bounded(iY));
    }

    const QFontMetrics &m_cMetrics;
};

// Places the first candidate that fits; adds it to the list.
void placeFirstFitting(LabelPlacer &cPlacer, const QList<ChartLabel> &cCandidates, QList<ChartLabel> &cPlaced)
{
    QList<QRect> cRects;
    for (const ChartLabel &cCandidate : cCandidates)
        cRects.append(cCandidate.cRect);
    const int iIndex = cPlacer.place(cRects);
    if (iIndex >= 0)
        cPlaced.append(cCandidates.at(iIndex));
}
} // namespace

QList<ChartLabel> CInclinationGridPrintoutItem::labels(const QFontMetrics &cMetrics) const
{
    QList<ChartLabel> cPlaced;
    if (!m_pLayout)
        return cPlaced;
    const LabelGeometry g(cMetrics);
    const qint64 iW = m_pLayout->plotRect().width();
    const qint64 iH = m_pLayout->plotRect().height();
    const qint64 lh = cMetrics.height();
    LabelPlacer cPlacer(static_cast<int>(lh / 8));
    const auto place = [&](const QList<ChartLabel> &cCandidates) { placeFirstFitting(cPlacer, cCandidates, cPlaced); };
    const auto hasText = [](const QString &sText) { return !sText.isEmpty(); };

    // Values of the two vertical scales: altitude left, inclination right.
    const int iNy = m_pLayout->ySections();
    const float fAltitudeSpan = m_cTexts.fAltitudeMax - m_cTexts.fAltitudeMin;
    const float fInclinationSpan = m_cTexts.fInclinationMax - m_cTexts.fInclinationMin;
    const QList<int> yOffsets = gridLineOffsets(static_cast<int>(iH), iNy);
    qint64 iWidestAltitude = 0;
    qint64 iWidestInclination = 0;
    for (int j = 0; j < yOffsets.size(); ++j) {
        const qint64 y = yOffsets.at(j);
        const int k = static_cast<int>(yOffsets.size()) - 1 - j;
        const QString sAltitude = formatLength(gridValue(m_cTexts.fAltitudeMin, fAltitudeSpan, k, iNy), true);
        iWidestAltitude = std::max<qint64>(iWidestAltitude, g.width(sAltitude));
        place({g.plain(sAltitude, -lh / 2 - g.width(sAltitude), y + lh / 2)});
        if (m_cTexts.bDrawInclination) {
            const QString sInclination = formatDecimal(gridValue(m_cTexts.fInclinationMin, fInclinationSpan, k, iNy));
            iWidestInclination = std::max<qint64>(iWidestInclination, g.width(sInclination));
            place({g.plain(sInclination, iW + lh / 2, y + lh / 2)});
        }
    }

    // Values of the position scale: centred on their grid line, or, where
    // that would touch a neighbour, ending or starting at it.
    const int iNx = m_pLayout->xSections();
    const float fXSpan = m_cTexts.fXMax - m_cTexts.fXMin;
    const QList<int> xOffsets = gridLineOffsets(static_cast<int>(iW), iNx);
    const qint64 iValueBaseline = iH + lh * 6 / 5;
    // The two ends first: where values must give way, the ends stay.
    QList<int> order;
    for (int i = 0; i < xOffsets.size(); ++i)
        order.append(i == 1 ? static_cast<int>(xOffsets.size()) - 1 : (i == 0 ? 0 : i - 1));
    for (const int i : order) {
        const qint64 x = xOffsets.at(i);
        const QString sLabel = formatLength(gridValue(m_cTexts.fXMin, fXSpan, i, iNx), true);
        const qint64 iWidth = g.width(sLabel);
        place({g.plain(sLabel, x - iWidth / 2, iValueBaseline), g.plain(sLabel, x - iWidth, iValueBaseline),
               g.plain(sLabel, x, iValueBaseline)});
    }

    // Inside the plot, on a white ground.
    const qint64 iNodeBottom = lh + 100;
    if (hasText(m_cTexts.sLeftNode))
        place({g.onBackground(m_cTexts.sLeftNode, lh / 2, iNodeBottom)});
    if (hasText(m_cTexts.sRightNode))
        place({g.onBackground(m_cTexts.sRightNode, iW - lh / 2 - g.width(m_cTexts.sRightNode), iNodeBottom)});
    if (hasText(m_cTexts.sMeasuredInclinationText)) {
        const qint64 iX = (iW - g.width(m_cTexts.sMeasuredInclinationText)) / 2;
        place({g.onBackground(m_cTexts.sMeasuredInclinationText, iX, iNodeBottom),
               g.onBackground(m_cTexts.sMeasuredInclinationText, iX, iNodeBottom + lh)});
    }
    if (hasText(m_cTexts.sLengthText))
        place({g.onBackground(m_cTexts.sLengthText, iW - lh / 2 - g.width(m_cTexts.sLengthText), iH - (lh - 100) / 2)});

    // Axis captions, moving away from the plot where they would touch a value.
    if (hasText(m_cTexts.sAltitudeAxisLabel)) {
        const qint64 iX = -lh / 2 - g.width(m_cTexts.sAltitudeAxisLabel);
        place({g.plain(m_cTexts.sAltitudeAxisLabel, iX, -lh / 2), g.plain(m_cTexts.sAltitudeAxisLabel, iX, -lh),
               g.plain(m_cTexts.sAltitudeAxisLabel, iX, -lh * 3 / 2)});
    }
    if (m_cTexts.bDrawInclination && hasText(m_cTexts.sInclinationAxisLabel)) {
        const QString &sLabel = m_cTexts.sInclinationAxisLabel;
        place({g.plain(sLabel, iW + lh / 2, -lh / 2), g.plain(sLabel, iW + lh / 2, -lh),
               g.plain(sLabel, iW + lh / 2, -lh * 3 / 2)});
    }
    if (hasText(m_cTexts.sPositionAxisLabel)) {
        const QString &sLabel = m_cTexts.sPositionAxisLabel;
        place({g.plain(sLabel, iW + lh / 2, iH + 2 * lh), g.plain(sLabel, iW + lh / 2, iH + lh * 5 / 2),
               g.plain(sLabel, iW + lh / 2, iH + 3 * lh)});
    }
    if (hasText(m_cTexts.sDirectionText)) {
        const qint64 iX = (iW - g.width(m_cTexts.sDirectionText)) / 2;
        place({g.plain(m_cTexts.sDirectionText, iX, -lh / 2), g.plain(m_cTexts.sDirectionText, iX, -lh)});
    }
    if (hasText(m_cTexts.sPositionScale)) {
        const qint64 iX = (iW - g.width(m_cTexts.sPositionScale)) / 2;
        place(
            {g.plain(m_cTexts.sPositionScale, iX, iH + 3 * lh), g.plain(m_cTexts.sPositionScale, iX, iH + lh * 7 / 2)});
    }

    // The two scales written upright beside the plot: where the caption is
    // narrower than the values they would print over, they move out beyond
    // the widest value.
    if (hasText(m_cTexts.sAltitudeScale)) {
        const qint64 iCaption = g.width(m_cTexts.sAltitudeAxisLabel);
        const qint64 iY = (iH + iCaption) / 2;
        const qint64 iBeyondValues = -lh / 2 - iWidestAltitude - lh / 4 - g.ascent();
        place({g.rotated(m_cTexts.sAltitudeScale, -iCaption, iY), g.rotated(m_cTexts.sAltitudeScale, iBeyondValues, iY),
               g.rotated(m_cTexts.sAltitudeScale, iBeyondValues - lh, iY)});
    }
    if (m_cTexts.bDrawInclination && hasText(m_cTexts.sInclinationRangeText)) {
        const QString &sText = m_cTexts.sInclinationRangeText;
        const qint64 iY = (iH - g.width(sText)) / 2;
        const qint64 iBeyondValues = iW + lh / 2 + iWidestInclination + lh / 4 + g.descent();
        place({g.rotated(sText, iW + g.width(m_cTexts.sInclinationAxisLabel) * 3 / 4, iY),
               g.rotated(sText, iBeyondValues, iY), g.rotated(sText, iBeyondValues + lh, iY)});
    }
    return cPlaced;
}
