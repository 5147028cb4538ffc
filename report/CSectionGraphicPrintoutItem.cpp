#include "report/CSectionGraphicPrintoutItem.h"

#include "report/CReportPainter.h"

CSectionGraphicPrintoutItem::CSectionGraphicPrintoutItem(const SectionGraphicLayout *pLayout,
                                                         const SectionGraphicData &cData, int iLength)
    : m_pLayout(pLayout), m_cData(cData), m_iLength(iLength)
{
}

void CSectionGraphicPrintoutItem::paint(CReportPainter &) const
{
}
