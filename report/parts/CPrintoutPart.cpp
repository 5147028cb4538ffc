#include "report/parts/CPrintoutPart.h"

CPrintoutPart::~CPrintoutPart() = default;

PrintoutPageList CPrintoutPart::takePages()
{
    buildPages();
    PrintoutPageList pages;
    pages.swap(m_pages);
    return pages;
}

void CPrintoutPart::addPage(std::unique_ptr<PrintoutPage> pPage)
{
    if (pPage)
        m_pages.push_back(std::move(pPage));
}
