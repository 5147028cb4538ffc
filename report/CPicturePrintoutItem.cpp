#include "report/CPicturePrintoutItem.h"

#include "report/CReportPainter.h"

CPicturePrintoutItem::CPicturePrintoutItem(const LayoutTable *pTable, const QRect &cPictureRect,
                                           const QString &sPhotoPath)
    : CTablePrintoutItem(pTable), m_cPictureRect(cPictureRect), m_sPhotoPath(sPhotoPath)
{
}

std::unique_ptr<CPicturePrintoutItem> CPicturePrintoutItem::create(const LayoutTable *pTable, const PrintoutLayout &,
                                                                   const CInspectionEvent *, const QString &,
                                                                   const QString &, bool)
{
    return std::make_unique<CPicturePrintoutItem>(pTable, QRect(), QString());
}

void CPicturePrintoutItem::paint(CReportPainter &cPainter) const
{
    CTablePrintoutItem::paint(cPainter);
}
