#include "report/items/PrintoutPage.h"

#include "report/items/CPicturePrintoutItem.h"
#include "report/paint/CReportPainter.h"
#include "report/paint/PageGeometry.h"

#include <algorithm>
#include <limits>

namespace {
const int kBodyGap = 500;
}

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

int PrintoutPage::prefetchPhotos(QThreadPool &cPool) const
{
    int iPhotos = 0;
    for (const auto &pItem : m_cItems) {
        if (const auto *pPicture = dynamic_cast<const CPicturePrintoutItem *>(pItem.get())) {
            pPicture->prefetchPhoto(cPool);
            ++iPhotos;
        }
    }
    return iPhotos;
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

QRect bodyArea(const PrintoutPage &cPage)
{
    QRect cBody = pageRectangle();
    cBody.moveTo(0, 0);
    const int iHeaderHeight = cPage.header() ? cPage.header()->height() : 0;
    // A damaged layout's header may be as tall as an int allows; the body then
    // starts far below the page instead of overflowing.
    const qint64 iTop = qint64(iHeaderHeight) + kBodyGap;
    cBody.moveTop(static_cast<int>(std::min<qint64>(iTop, std::numeric_limits<int>::max() - qint64(cBody.height()))));
    return cBody;
}
