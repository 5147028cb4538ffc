#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

// The small records of a printout layout. Lengths are hundredths of a
// millimetre, styles Qt pen styles, font sizes point sizes.

// The Qt pen style a layout's style number names; a number outside the
// styles 0 (no line) to 5 draws nothing.
inline Qt::PenStyle layoutPenStyle(int iStyle)
{
    return (iStyle >= Qt::NoPen && iStyle <= Qt::DashDotDotLine) ? static_cast<Qt::PenStyle>(iStyle) : Qt::NoPen;
}

// The page footer: its rectangle and where its text starts, relative to
// the footer's origin.
class PageFooterLayout
{
public:
    QRect rect() const { return m_cRect; }
    QPoint textPosition() const { return m_cTextPosition; }
    void setRect(const QRect &cRect) { m_cRect = cRect; }
    void setTextPosition(const QPoint &cPosition) { m_cTextPosition = cPosition; }

private:
    QRect m_cRect;
    QPoint m_cTextPosition;
};

// The three column widths of the event position indicator.
class EventPosIndicatorLayout
{
public:
    int width1() const { return m_iWidth1; }
    int width2() const { return m_iWidth2; }
    int width3() const { return m_iWidth3; }
    void setWidths(int iWidth1, int iWidth2, int iWidth3)
    {
        m_iWidth1 = iWidth1;
        m_iWidth2 = iWidth2;
        m_iWidth3 = iWidth3;
    }

private:
    int m_iWidth1 = 0;
    int m_iWidth2 = 0;
    int m_iWidth3 = 0;
};

// The section graphic beside the event rows.
class SectionGraphicLayout
{
public:
    int circleDiameter() const { return m_iCircleDiameter; }
    int lineDistance() const { return m_iLineDistance; }
    int maxNodeTextWidth() const { return m_iMaxNodeTextWidth; }
    void setCircleDiameter(int iValue) { m_iCircleDiameter = iValue; }
    void setLineDistance(int iValue) { m_iLineDistance = iValue; }
    void setMaxNodeTextWidth(int iValue) { m_iMaxNodeTextWidth = iValue; }

private:
    int m_iCircleDiameter = 0;
    int m_iLineDistance = 0;
    int m_iMaxNodeTextWidth = 0;
};

// The grid of an inclination chart: the outer rectangle, the plot area in
// it, and the styles of border, lines and scale texts.
class InclinationGridLayout
{
public:
    QRect rect() const { return m_cRect; }
    QRect plotRect() const { return m_cPlotRect; }
    QColor borderColor() const { return m_cBorderColor; }
    int borderStyle() const { return m_iBorderStyle; }
    int borderWidth() const { return m_iBorderWidth; }
    QColor lineColor() const { return m_cLineColor; }
    int lineStyle() const { return m_iLineStyle; }
    int lineWidth() const { return m_iLineWidth; }
    QColor fontColor() const { return m_cFontColor; }
    int fontSize() const { return m_iFontSize; }
    int xSections() const { return m_iXSections; }
    int ySections() const { return m_iYSections; }

    void setRect(const QRect &cRect) { m_cRect = cRect; }
    void setPlotRect(const QRect &cRect) { m_cPlotRect = cRect; }
    void setBorder(const QColor &cColor, int iStyle, int iWidth)
    {
        m_cBorderColor = cColor;
        m_iBorderStyle = iStyle;
        m_iBorderWidth = iWidth;
    }
    void setLine(const QColor &cColor, int iStyle, int iWidth)
    {
        m_cLineColor = cColor;
        m_iLineStyle = iStyle;
        m_iLineWidth = iWidth;
    }
    void setFont(const QColor &cColor, int iSize)
    {
        m_cFontColor = cColor;
        m_iFontSize = iSize;
    }
    void setSections(int iX, int iY)
    {
        m_iXSections = iX;
        m_iYSections = iY;
    }

private:
    QRect m_cRect;
    QRect m_cPlotRect;
    QColor m_cBorderColor = QColor(76, 76, 76);
    int m_iBorderStyle = 1;
    int m_iBorderWidth = 30;
    QColor m_cLineColor = QColor(76, 76, 76);
    int m_iLineStyle = 1;
    int m_iLineWidth = 30;
    QColor m_cFontColor = QColor(76, 76, 76);
    int m_iFontSize = 20;
    int m_iXSections = 15;
    int m_iYSections = 21;
};

// The pen of one curve of the inclination chart.
class GraphPenLayout
{
public:
    QColor color() const { return m_cColor; }
    int width() const { return m_iWidth; }
    int style() const { return m_iStyle; }
    void setColor(const QColor &cColor) { m_cColor = cColor; }
    void setWidth(int iWidth) { m_iWidth = iWidth; }
    void setStyle(int iStyle) { m_iStyle = iStyle; }

private:
    QColor m_cColor = QColor(0, 0, 0);
    int m_iWidth = 0;
    int m_iStyle = 0;
};

// The legend box of the inclination chart.
class InclinationLegendLayout
{
public:
    QRect rect() const { return m_cRect; }
    int fontSize() const { return m_iFontSize; }
    void setRect(const QRect &cRect) { m_cRect = cRect; }
    void setFontSize(int iSize) { m_iFontSize = iSize; }

private:
    QRect m_cRect;
    int m_iFontSize = 20;
};
