#pragma once

#include "report/items/CCustomPrintoutItem.h"

#include <QImage>
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
class CSectionGraphicPrintoutItem : public CCustomPrintoutItem
{
public:
    CSectionGraphicPrintoutItem(const SectionGraphicLayout *pLayout, const SectionGraphicData &cData, int iLength);

    const SectionGraphicData &data() const { return m_cData; }
    int height() const override { return m_iLength; }
    void paint(CReportPainter &cPainter) const override;

private:
    const SectionGraphicLayout *m_pLayout;
    SectionGraphicData m_cData;
    int m_iLength;
};
