#include "report/items/CEventPosIndicatorPrintoutItem.h"

#include "report/layout/LayoutRecords.h"
#include "report/paint/CReportPainter.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {
const int kPenWidth = 30;

// Damaged layout widths saturate instead of overflowing.
int saturatedSum(int iA, int iB)
{
    return static_cast<int>(
        std::clamp<qint64>(qint64(iA) + iB, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
} // namespace

CEventPosIndicatorPrintoutItem::CEventPosIndicatorPrintoutItem(const EventPosIndicatorLayout *pWidths,
                                                               const QList<Connector> &cConnectors)
    : m_pWidths(pWidths), m_cConnectors(cConnectors)
{
}

int CEventPosIndicatorPrintoutItem::height() const
{
    if (m_cConnectors.isEmpty())
        return 0;
    if (m_cConnectors.size() == 1)
        return std::abs(m_cConnectors.first().second - m_cConnectors.first().first);
    const Connector &cFirst = m_cConnectors.first();
    const Connector &cLast = m_cConnectors.last();
    return std::abs(std::max(cLast.first, cLast.second) - std::min(cFirst.first, cFirst.second));
}

void CEventPosIndicatorPrintoutItem::paint(CReportPainter &cPainter) const
{
    if (!m_pWidths || m_cConnectors.isEmpty())
        return;
    const int iX1 = m_pWidths->width1();
    const int iX2 = saturatedSum(iX1, m_pWidths->width2());
    const int iX3 = saturatedSum(iX2, m_pWidths->width3());
    cPainter.save();
    applyPlacement(cPainter);
    cPainter.setSolidPen(kPenWidth);
    for (const Connector &cConnector : m_cConnectors) {
        cPainter.drawLine(0, cConnector.first, iX1, cConnector.first);
        cPainter.drawLine(iX1, cConnector.first, iX2, cConnector.second);
        cPainter.drawLine(iX2, cConnector.second, iX3, cConnector.second);
    }
    cPainter.restore();
}
