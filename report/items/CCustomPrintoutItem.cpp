#include "report/items/CCustomPrintoutItem.h"

#include "report/paint/CReportPainter.h"

void CCustomPrintoutItem::applyPlacement(CReportPainter &cPainter) const
{
    cPainter.translate(m_cPosition);
    if (m_iRotation != 0)
        cPainter.rotate(m_iRotation);
}
