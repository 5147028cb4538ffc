#include "report/CHeaderPrintoutItem.h"

#include "report/CReportPainter.h"

CHeaderPrintoutItem::CHeaderPrintoutItem(const LayoutTable *pTable, const QString &sLogoText,
                                         const QImage &cLogoImage, const QString &sTitle)
    : CTablePrintoutItem(pTable), m_pLogoText(&sLogoText), m_pLogoImage(&cLogoImage), m_sTitle(sTitle)
{
}

void CHeaderPrintoutItem::paint(CReportPainter &cPainter) const
{
    CTablePrintoutItem::paint(cPainter);
}
