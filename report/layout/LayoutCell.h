#pragma once

#include <QColor>
#include <QRect>

#include <array>

// One cell of a layout row. The rectangle is relative to the row: x is the
// sum of the widths of the cells before it, y is 0 and the height is the
// row height. Border sides: 0 left, 1 top, 2 right, 3 bottom.
class LayoutCell
{
public:
    static constexpr int kSideCount = 4;

    LayoutCell() = default;

    QRect rect() const { return m_cRect; }
    int x() const { return m_cRect.x(); }
    int width() const { return m_cRect.width(); }
    int height() const { return m_cRect.height(); }
    QColor color() const { return m_cColor; }
    int fontSize() const { return m_iFontSize; }
    // Qt alignment bits.
    int textAlignment() const { return m_iTextAlignment; }
    // 0 for a side outside 0..3.
    int borderWidth(int iSide) const;
    // Qt pen style; 0 (no line) for a side outside 0..3.
    int borderStyle(int iSide) const;

    void setRect(const QRect &cRect) { m_cRect = cRect; }
    void setHeight(int iHeight) { m_cRect.setHeight(iHeight); }
    void setColor(const QColor &cColor) { m_cColor = cColor; }
    void setFontSize(int iSize) { m_iFontSize = iSize; }
    void setTextAlignment(int iAlignment) { m_iTextAlignment = iAlignment; }
    // Ignored for a side outside 0..3.
    void setBorder(int iSide, int iWidth, int iStyle);

private:
    QRect m_cRect;
    QColor m_cColor = QColor(76, 76, 76);
    int m_iFontSize = 20;
    int m_iTextAlignment = 1;
    std::array<int, kSideCount> m_aBorderWidths{{30, 30, 30, 30}};
    std::array<int, kSideCount> m_aBorderStyles{{1, 1, 1, 1}};
};
