#pragma once

#include "report/items/CTableCellItem.h"

#include <QColor>
#include <QString>

// A table cell filled with a colour (inside its 1 mm margin), drawn with the
// cell's borders, and a short label centred on it in black or white,
// whichever reads better: the colour key of a damage class and its value.
class CColourSwatchCellItem : public CTableCellItem
{
public:
    CColourSwatchCellItem(const LayoutCell *pCell, const QColor &cColour, const QString &sLabel = QString());

    QColor colour() const { return m_cColour; }
    void paint(CReportPainter &cPainter) const override;

private:
    QColor m_cColour;
};
