#pragma once

#include "report/items/CTablePrintoutItem.h"

#include <QImage>
#include <QString>

// The page header: a table whose first cell also shows the title (bottom,
// centred) and the logo text (top right), with the logo image at the top left
// of the page. Logo text and image belong to the report logo and must outlive
// the item.
class CHeaderPrintoutItem : public CTablePrintoutItem
{
public:
    CHeaderPrintoutItem(const LayoutTable *pTable, const QString &sLogoText, const QImage &cLogoImage,
                        const QString &sTitle);

    QString title() const { return m_sTitle; }
    void paint(CReportPainter &cPainter) const override;

private:
    const QString *m_pLogoText;
    const QImage *m_pLogoImage;
    QString m_sTitle;
};
