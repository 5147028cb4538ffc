#pragma once

class CReportPainter;

// Anything that is painted on a report page.
class CPrintoutItemBase
{
public:
    CPrintoutItemBase() = default;
    virtual ~CPrintoutItemBase() = default;
    CPrintoutItemBase(const CPrintoutItemBase &) = delete;
    CPrintoutItemBase &operator=(const CPrintoutItemBase &) = delete;

    // Height in logical units (hundredths of a millimetre).
    virtual int height() const = 0;
    virtual void paint(CReportPainter &cPainter) const = 0;
};
