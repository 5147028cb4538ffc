#pragma once

#include "report/items/CCustomPrintoutItem.h"

#include <QString>

class PageFooterLayout;

// Rule along the footer's top edge and the page text below it.
class CPageFooterPrintoutItem : public CCustomPrintoutItem
{
public:
    CPageFooterPrintoutItem(const PageFooterLayout *pLayout, const QString &sText);

    QString text() const { return m_sText; }
    int height() const override;
    void paint(CReportPainter &cPainter) const override;

private:
    const PageFooterLayout *m_pLayout;
    QString m_sText;
};
