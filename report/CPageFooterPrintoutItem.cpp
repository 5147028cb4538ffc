#include "report/CPageFooterPrintoutItem.h"

#include "report/CReportPainter.h"

CPageFooterPrintoutItem::CPageFooterPrintoutItem(const PageFooterLayout *pLayout, const QString &sText)
    : m_pLayout(pLayout), m_sText(sText)
{
}

int CPageFooterPrintoutItem::height() const
{
    return 0;
}

void CPageFooterPrintoutItem::paint(CReportPainter &) const
{
}
