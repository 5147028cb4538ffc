#include "report/CEventPosIndicatorPrintoutItem.h"

#include "report/CReportPainter.h"

CEventPosIndicatorPrintoutItem::CEventPosIndicatorPrintoutItem(const EventPosIndicatorLayout *pWidths,
                                                               const QList<Connector> &cConnectors)
    : m_pWidths(pWidths), m_cConnectors(cConnectors)
{
}

int CEventPosIndicatorPrintoutItem::height() const
{
    return 0;
}

void CEventPosIndicatorPrintoutItem::paint(CReportPainter &) const
{
}
