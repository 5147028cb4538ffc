#pragma once

#include "report/parts/CPrintoutPart.h"
#include "report/parts/SectionEventLayout.h"

#include <QList>
#include <QString>

#include <memory>

class CInspectionSegment;
class CTablePrintoutItem;
struct ReportContext;
struct SectionEntry;

// All pages of one section: the protocol (section data and the events drawn
// against a scale drawing of the pipe), the inclination chart and the photo
// pages, as the entry asks. Nothing given to it is owned; everything must
// outlive the part. The context's painter should be active: the event rows
// are measured with it.
class CSectionPrintout : public CPrintoutPart
{
public:
    CSectionPrintout(const ReportContext &cContext, const SectionEntry &cEntry);
    ~CSectionPrintout() override;

    // The event rows, drawing scale divisor and protocol page count of the
    // last build.
    const QList<EventRow> &eventRows() const { return m_eventRows; }
    float scale() const { return m_fScale; }
    int protocolPageCount() const { return m_iProtocolPageCount; }
    // Logical units per metre (metric) or per foot at 1 : 1.
    float unitsPerLengthUnit() const { return m_fUnitsPerLengthUnit; }
    // Usable heights of the event area on page 1 and on later pages.
    SectionPageHeights pageHeights() const;

protected:
    void buildPages() override;

private:
    const CInspectionSegment *section() const;
    void buildEventRows();
    void chooseScale();
    void assignPages();
    void buildProtocolPages();
    void buildInclinationPages();
    void buildPhotoPages();

    // A new page with the section page header.
    std::unique_ptr<PrintoutPage> createSectionPage() const;
    int tableHeight(const LayoutTable *pTable) const;
    int circleDiameter() const;
    int captionHeight() const;
    int lineHeight() const;
    // Available height A(p) of protocol page p before the node circles.
    int availableHeight(int iPage) const;
    QString nodeText(bool bStart) const;

    const ReportContext &m_cContext;
    const SectionEntry &m_cEntry;

    QList<EventRow> m_eventRows;
    float m_fScale = 0.0f;
    float m_fUnitsPerLengthUnit = 100000.0f;
    int m_iProtocolPageCount = 1;
};
