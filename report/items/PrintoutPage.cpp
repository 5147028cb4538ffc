#include "report/PrintoutPage.h"

#include "report/CReportPainter.h"
#include "report/PageGeometry.h"

PrintoutPage::PrintoutPage() = default;
PrintoutPage::~PrintoutPage() = default;

void PrintoutPage::setHeader(std::unique_ptr<CTablePrintoutItem> pHeader)
{
    m_pHeader = std::move(pHeader);
}

void PrintoutPage::addItem(std::unique_ptr<CCustomPrintoutItem> pItem)
{
    if (pItem)
        m_cItems.push_back(std::move(pItem));
}

void PrintoutPage::setFooter(std::unique_ptr<CCustomPrintoutItem> pFooter)
{
    m_pFooter = std::move(pFooter);
}

const CCustomPrintoutItem *PrintoutPage::itemAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= itemCount())
        return nullptr;
    return m_cItems[static_cast<size_t>(iIndex)].get();
}

void PrintoutPage::paint(CReportPainter &cPainter) const
{
    cPainter.save();
    cPainter.translate(pageRectangle().topLeft());
    if (m_pHeader)
        m_pHeader->paint(cPainter);
    for (const auto &pItem : m_cItems)
        pItem->paint(cPainter);
    if (m_pFooter)
        m_pFooter->paint(cPainter);
    cPainter.restore();
}
