#include "report/items/CTableCellItem.h"

#include "report/layout/LayoutCell.h"
#include "report/layout/LayoutRecords.h"
#include "report/paint/BoundedGeometry.h"
#include "report/paint/CReportPainter.h"

namespace {
const int kBorderPenWidth = 30;
const QColor kBorderColour(76, 76, 76);
const int kTextInset = 100;
} // namespace

CTableCellItem::CTableCellItem(const LayoutCell *pCell, std::unique_ptr<CTableCellData> pData)
    : m_pCell(pCell), m_pData(pData ? std::move(pData) : std::make_unique<CTableCellData>())
{
}

CTableCellItem::~CTableCellItem() = default;

QString CTableCellItem::text() const
{
    return m_pData->text();
}

int CTableCellItem::height() const
{
    return m_pCell ? m_pCell->height() : 0;
}

void CTableCellItem::paint(CReportPainter &cPainter) const
{
    if (!m_pCell)
        return;
    paintBorders(cPainter);
    setTextPen(cPainter);
    const QString sText = text();
    if (sText.isEmpty())
        return;
    QFont cFont = cPainter.font();
    cFont.setPointSize(qMax(1, m_pCell->fontSize()));
    cPainter.setFont(cFont);
    cPainter.drawFittedText(textRect(), sText, m_pCell->textAlignment());
}

void CTableCellItem::paintBorders(CReportPainter &cPainter) const
{
    const QRect cRect = m_pCell->rect();
    // QRect::right()/bottom() are one short of the edge; draw on the edges.
    const QPoint cTopLeft(cRect.x(), cRect.y());
    const QPoint cTopRight(cRect.x() + cRect.width(), cRect.y());
    const QPoint cBottomLeft(cRect.x(), cRect.y() + cRect.height());
    const QPoint cBottomRight(cRect.x() + cRect.width(), cRect.y() + cRect.height());
    const QPoint aFrom[LayoutCell::kSideCount] = {cTopLeft, cTopLeft, cTopRight, cBottomLeft};
    const QPoint aTo[LayoutCell::kSideCount] = {cBottomLeft, cTopRight, cBottomRight, cBottomRight};
    QPen cPen(kBorderColour);
    cPen.setWidth(kBorderPenWidth);
    for (int iSide = 0; iSide < LayoutCell::kSideCount; ++iSide) {
        const Qt::PenStyle eStyle = layoutPenStyle(m_pCell->borderStyle(iSide));
        if (eStyle == Qt::NoPen)
            continue;
        cPen.setStyle(eStyle);
        cPainter.setPen(cPen);
        cPainter.drawLine(aFrom[iSide], aTo[iSide]);
    }
}

void CTableCellItem::setTextPen(CReportPainter &cPainter) const
{
    QPen cPen = cPainter.pen();
    cPen.setStyle(Qt::SolidLine);
    cPen.setColor(m_pCell->color());
    cPainter.setPen(cPen);
}

QRect CTableCellItem::textRect() const
{
    return BoundedGeometry::inset(m_pCell->rect(), kTextInset);
}
