#include "report/items/CSectionGraphicPrintoutItem.h"

#include "report/layout/LayoutRecords.h"
#include "report/paint/CReportPainter.h"

#include <algorithm>

namespace {
const int kPenWidth = 30;
const int kNodePointSize = 12;
const int kArrowWidth = 500;
const int kArrowHeight = 1500;
// Bound of the layout's sizes: far beyond a page, yet the sums below (with
// a length of at most 1e9) stay inside an int.
const int kMaxExtent = 100000000;

int bounded(int iValue)
{
    return std::clamp(iValue, -kMaxExtent, kMaxExtent);
}
} // namespace

CSectionGraphicPrintoutItem::CSectionGraphicPrintoutItem(const SectionGraphicLayout *pLayout,
                                                         const SectionGraphicData &cData, int iLength)
    : m_pLayout(pLayout), m_cData(cData), m_iLength(iLength)
{
}

qint64 CSectionGraphicPrintoutItem::minimumLength(const SectionGraphicData &cData, int iDiameter)
{
    const qint64 iD = std::max(0, iDiameter);
    if (!cData.bDrawStartNode && !cData.bDrawEndNode)
        return 0;
    return (cData.bDrawStartNode ? 2 * iD : 0) + (cData.bDrawEndNode ? iD : 0) + iD;
}

void CSectionGraphicPrintoutItem::paint(CReportPainter &cPainter) const
{
    const int iLength = std::max(0, m_iLength);
    int iDiameter = m_pLayout ? std::max(0, bounded(m_pLayout->circleDiameter())) : 0;
    const int iLineDistance = m_pLayout ? bounded(m_pLayout->lineDistance()) : 0;
    const int iTextWidth = m_pLayout ? bounded(m_pLayout->maxNodeTextWidth()) : 0;
    // Too short for its circles: they shrink so that they stay apart and
    // inside the graphic.
    const qint64 iNeeded = minimumLength(m_cData, iDiameter);
    if (iNeeded > iLength)
        iDiameter = static_cast<int>(qint64(iDiameter) * iLength / iNeeded);

    cPainter.save();
    applyPlacement(cPainter);
    cPainter.setSolidPen(kPenWidth);
    QFont cFont = cPainter.font();
    cFont.setPointSize(kNodePointSize);
    cPainter.setFont(cFont);

    int iTop = 0;
    int iBottom = iLength;
    if (m_cData.bDrawStartNode) {
        iBottom -= iDiameter;
        iTop += iDiameter;
        cPainter.drawEllipse(QRect(0, 0, iDiameter, iDiameter));
        cPainter.drawCenteredLabel(0, 0, iTextWidth, iDiameter, m_cData.sStartNode);
    }
    if (m_cData.bDrawEndNode) {
        iBottom -= iDiameter;
        cPainter.drawEllipse(QRect(0, iBottom, iDiameter, iDiameter));
        cPainter.drawCenteredLabel(0, iBottom, iTextWidth, iDiameter, m_cData.sEndNode);
    }

    const int iWall1 = iDiameter - (iLineDistance + iDiameter) / 2;
    const int iWall2 = iWall1 + iLineDistance;
    cPainter.drawLine(iWall1, iTop, iWall1, iBottom);
    cPainter.drawLine(iWall2, iTop, iWall2, iBottom);

    if (!m_cData.cDirectionImage.isNull())
        cPainter.drawImage(arrowRect(iLength, iDiameter), m_cData.cDirectionImage);
    cPainter.restore();
}

QRect CSectionGraphicPrintoutItem::arrowRect(int iLength, int iDiameter)
{
    // Left of the pipe about its middle; on a graphic shorter than the
    // arrow it shrinks, keeping its proportions, to stay inside.
    const int iHeight = std::min(kArrowHeight, std::max(0, iLength));
    const int iWidth = kArrowWidth * iHeight / kArrowHeight;
    const int iCentre = (iLength - iDiameter) / 2;
    const int iTop = std::clamp(iCentre - iHeight / 2, 0, std::max(0, iLength - iHeight));
    return QRect(-iWidth, iTop, iWidth, iHeight);
}
