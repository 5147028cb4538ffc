#include "report/CTableCellItem.h"

#include "report/CReportPainter.h"

CTableCellItem::CTableCellItem(const LayoutCell *pCell, std::unique_ptr<CTableCellData> pData)
    : m_pCell(pCell), m_pData(std::move(pData))
{
}

CTableCellItem::~CTableCellItem() = default;

QString CTableCellItem::text() const
{
    return m_pData ? m_pData->text() : QString();
}

int CTableCellItem::height() const
{
    return 0;
}

void CTableCellItem::paint(CReportPainter &) const
{
}

void CTableCellItem::paintBorders(CReportPainter &) const
{
}

void CTableCellItem::setTextPen(CReportPainter &) const
{
}

QRect CTableCellItem::textRect() const
{
    return QRect();
}
