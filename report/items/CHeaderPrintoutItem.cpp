#include "report/items/CHeaderPrintoutItem.h"

#include "report/layout/LayoutTable.h"
#include "report/paint/CReportPainter.h"

namespace {
const int kLogoOffset = 100;
const int kTextInset = 100;
const int kTitlePointSize = 25;
// The header cell shows a few lines of the logo text at most; a huge logo
// file must not make every page header measure megabytes of text.
const qsizetype kMaxLogoTextLength = 4096;
} // namespace

CHeaderPrintoutItem::CHeaderPrintoutItem(const LayoutTable *pTable, const QString &sLogoText, const QImage &cLogoImage,
                                         const QString &sTitle)
    : CTablePrintoutItem(pTable), m_pLogoText(&sLogoText), m_pLogoImage(&cLogoImage), m_sTitle(sTitle)
{
}

void CHeaderPrintoutItem::paint(CReportPainter &cPainter) const
{
    CTablePrintoutItem::paint(cPainter);

    // The logo sits at the page origin whatever the item's position.
    if (!m_pLogoImage->isNull())
        cPainter.drawImage(QPoint(kLogoOffset, kLogoOffset), *m_pLogoImage);

    const LayoutCell *pCell = tableLayout() ? tableLayout()->cellAt(0, 0) : nullptr;
    if (!pCell)
        return;
    cPainter.save();
    applyPlacement(cPainter);
    const QRect cTextRect = pCell->rect().adjusted(kTextInset, kTextInset, -kTextInset, -kTextInset);
    QFont cFont = cPainter.font();
    cFont.setPointSize(kTitlePointSize);
    cPainter.setFont(cFont);
    cPainter.drawText(cTextRect, Qt::AlignBottom | Qt::AlignHCenter, m_sTitle);

    const QString sLogoText = m_pLogoText->left(kMaxLogoTextLength);
    if (!sLogoText.isEmpty()) {
        cFont.setPointSize(cPainter.fitFontSize(cTextRect, sLogoText));
        cPainter.setFont(cFont);
        cPainter.drawText(cTextRect, Qt::AlignTop | Qt::AlignRight, sLogoText);
    }
    cPainter.restore();
}
