#pragma once

#include "report/CTableCellItem.h"

#include <QColor>

// A table cell filled with a colour (inside its 1 mm margin), drawn with the
// cell's borders: the colour key of a damage class.
class CColourSwatchCellItem : public CTableCellItem
{
public:
    CColourSwatchCellItem(const LayoutCell *pCell, const QColor &cColour);

    QColor colour() const { return m_cColour; }
    void paint(CReportPainter &cPainter) const override;

private:
    QColor m_cColour;
};
