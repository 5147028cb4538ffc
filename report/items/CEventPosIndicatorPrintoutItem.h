#pragma once

#include "report/items/CCustomPrintoutItem.h"

#include <QList>
#include <QPair>

class EventPosIndicatorLayout;

// Connector lines from event positions on the section scale (from y) to
// their rows in the event table (to y): horizontal, slanted, horizontal.
class CEventPosIndicatorPrintoutItem : public CCustomPrintoutItem
{
public:
    using Connector = QPair<int, int>;

    CEventPosIndicatorPrintoutItem(const EventPosIndicatorLayout *pWidths, const QList<Connector> &cConnectors);

    const QList<Connector> &connectors() const { return m_cConnectors; }
    int height() const override;
    void paint(CReportPainter &cPainter) const override;

private:
    const EventPosIndicatorLayout *m_pWidths;
    QList<Connector> m_cConnectors;
};
