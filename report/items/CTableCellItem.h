#pragma once

#include "report/items/CPrintoutItemBase.h"
#include "report/items/CTableCellData.h"

#include <QRect>

#include <memory>

class LayoutCell;

// One cell of a printed table. The layout cell gives rectangle and styles
// (relative to its row) and is not owned; the data is owned.
class CTableCellItem : public CPrintoutItemBase
{
public:
    CTableCellItem(const LayoutCell *pCell, std::unique_ptr<CTableCellData> pData);
    ~CTableCellItem() override;

    const LayoutCell *cell() const { return m_pCell; }
    const CTableCellData *data() const { return m_pData.get(); }
    QString text() const;

    int height() const override;
    void paint(CReportPainter &cPainter) const override;

protected:
    // The four borders (left, top, right, bottom) in the cell's styles.
    void paintBorders(CReportPainter &cPainter) const;
    // Solid pen in the cell's text colour.
    void setTextPen(CReportPainter &cPainter) const;
    // The cell rectangle shrunk by 1 mm on every side.
    QRect textRect() const;

private:
    const LayoutCell *m_pCell;
    std::unique_ptr<CTableCellData> m_pData;
};
