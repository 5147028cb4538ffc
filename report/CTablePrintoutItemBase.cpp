#include "report/CTablePrintoutItemBase.h"

#include "report/CReportPainter.h"

CTablePrintoutItemBase::CTablePrintoutItemBase() = default;
CTablePrintoutItemBase::~CTablePrintoutItemBase() = default;

int CTablePrintoutItemBase::height() const
{
    return 0;
}

void CTablePrintoutItemBase::paint(CReportPainter &) const
{
}

void CTablePrintoutItemBase::addCellItem(std::unique_ptr<CTableCellItem> pItem)
{
    if (pItem)
        m_cCellItems.push_back(std::move(pItem));
}

const CTableCellItem *CTablePrintoutItemBase::cellItemAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= cellItemCount())
        return nullptr;
    return m_cCellItems[static_cast<size_t>(iIndex)].get();
}

void CTablePrintoutItemBase::paintCells(CReportPainter &) const
{
}
