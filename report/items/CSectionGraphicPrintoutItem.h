#pragma once

#include "report/items/CCustomPrintoutItem.h"

#include <QImage>
#include <QRect>
#include <QString>

class SectionGraphicLayout;

struct SectionGraphicData
{
    QString sStartNode;
    QString sEndNode;
    // Flow direction picture; a null image draws nothing.
    QImage cDirectionImage;
    bool bDrawStartNode = false;
    bool bDrawEndNode = false;
};

// The pipe drawn as two walls between node circles, with the flow arrow.
// Circles and arrow stay inside the graphic's length: a graphic shorter than
// its minimum length draws smaller circles, a shorter arrow.
class CSectionGraphicPrintoutItem : public CCustomPrintoutItem
{
public:
    CSectionGraphicPrintoutItem(const SectionGraphicLayout *pLayout, const SectionGraphicData &cData, int iLength);

    // The shortest graphic whose circles stay one diameter apart (or one
    // diameter from the end of the pipe): the start node takes two diameters
    // (its circle and as much kept free at the bottom), the end node one.
    static qint64 minimumLength(const SectionGraphicData &cData, int iDiameter);

    const SectionGraphicData &data() const { return m_cData; }
    int height() const override { return m_iLength; }
    void paint(CReportPainter &cPainter) const override;

    // Where the flow picture goes on a graphic of that length and diameter.
    static QRect arrowRect(int iLength, int iDiameter);

private:
    const SectionGraphicLayout *m_pLayout;
    SectionGraphicData m_cData;
    int m_iLength;
};
