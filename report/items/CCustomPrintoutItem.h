#pragma once

#include "report/items/CPrintoutItemBase.h"

#include <QPoint>

// A printout item with its own placement on the page.
class CCustomPrintoutItem : public CPrintoutItemBase
{
public:
    QPoint position() const { return m_cPosition; }
    void setPosition(const QPoint &cPosition) { m_cPosition = cPosition; }
    // Degrees clockwise.
    int rotation() const { return m_iRotation; }
    void setRotation(int iDegrees) { m_iRotation = iDegrees; }

    // Translates the painter to the position, then rotates it. Callers wrap
    // it in a save/restore pair.
    void applyPlacement(CReportPainter &cPainter) const;

private:
    QPoint m_cPosition;
    int m_iRotation = 0;
};
