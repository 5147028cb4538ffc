#pragma once

#include "report/items/PrintoutPage.h"

// Base of the report parts. A part lays out all its pages before anything
// is printed; the report run takes them and then owns them.
class CPrintoutPart
{
public:
    CPrintoutPart() = default;
    virtual ~CPrintoutPart();
    CPrintoutPart(const CPrintoutPart &) = delete;
    CPrintoutPart &operator=(const CPrintoutPart &) = delete;

    // Builds the pages and hands all of them to the caller; the part's own
    // list is empty afterwards.
    PrintoutPageList takePages();

protected:
    // Appends the part's pages with addPage.
    virtual void buildPages() = 0;
    void addPage(std::unique_ptr<PrintoutPage> pPage);
    int pageCount() const { return static_cast<int>(m_pages.size()); }

private:
    PrintoutPageList m_pages;
};
