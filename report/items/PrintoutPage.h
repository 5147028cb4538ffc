#pragma once

#include "report/items/CCustomPrintoutItem.h"
#include "report/items/CTablePrintoutItem.h"

#include <QRect>

#include <memory>
#include <vector>

class CReportPainter;
class QThreadPool;

// One page of the report: an optional header table, the items in paint
// order and an optional footer. The page owns all of them.
class PrintoutPage
{
public:
    PrintoutPage();
    ~PrintoutPage();
    PrintoutPage(const PrintoutPage &) = delete;
    PrintoutPage &operator=(const PrintoutPage &) = delete;

    // Replaces (and deletes) any previous header.
    void setHeader(std::unique_ptr<CTablePrintoutItem> pHeader);
    void addItem(std::unique_ptr<CCustomPrintoutItem> pItem);
    // Replaces (and deletes) any previous footer.
    void setFooter(std::unique_ptr<CCustomPrintoutItem> pFooter);

    const CTablePrintoutItem *header() const { return m_pHeader.get(); }
    int itemCount() const { return static_cast<int>(m_cItems.size()); }
    const CCustomPrintoutItem *itemAt(int iIndex) const;
    const CCustomPrintoutItem *footer() const { return m_pFooter.get(); }

    // Starts reading the page's photos on the pool, ahead of painting it.
    // Answers how many photos the page has.
    int prefetchPhotos(QThreadPool &cPool) const;
    // Paints header, items and footer relative to the page rectangle.
    void paint(CReportPainter &cPainter) const;

private:
    std::unique_ptr<CTablePrintoutItem> m_pHeader;
    std::vector<std::unique_ptr<CCustomPrintoutItem>> m_cItems;
    std::unique_ptr<CCustomPrintoutItem> m_pFooter;
};

using PrintoutPageList = std::vector<std::unique_ptr<PrintoutPage>>;

// The page rectangle moved to the origin, its top at header height + 500
// (500 without header), its height kept.
QRect bodyArea(const PrintoutPage &cPage);
