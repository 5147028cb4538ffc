#pragma once

#include <QObject>
#include <QString>

// The one source of the fixed texts printed in a report. A single instance
// lives for the whole process; it is created on first use.
class CPrintoutTextTranslator : public QObject
{
    Q_OBJECT

public:
    enum Kind {
        ProjectInformation = 1,
        TableOfContents = 2,
        SectionList = 3,
        DamageClassLegend = 4,
        SectionPrefix = 5,
        SectionProtocol = 6,
        PagePrefix = 7,
        CaptionPosition = 8,
        CaptionDamageClass = 9,
        CaptionCode = 10,
        CaptionObservation = 11,
        CaptionVideoPosition = 12,
        CaptionPhoto = 13,
        ListNumber = 14,
        ListSection = 15,
        ListCity = 16,
        ListStreet = 17,
        ListLength = 18,
        ListLengthTotal = 19,
        ListDate = 20,
        NoDataAvailable = 21,
        AltitudeAxis = 22,
        InclinationAxis = 23,
        InclinationMeasured = 24,
        InclinationZero = 25,
        AltitudeLegend = 26,
        Pipe = 27,
        PositionAxis = 28,
        InspectionDirection = 29,
        FlowDirection = 30,
        ListTotal = 31
    };

    static CPrintoutTextTranslator *instance();

    // The translated text of a kind; empty for kinds outside 1 to 31.
    QString text(int iKind) const;

private:
    CPrintoutTextTranslator();
};

// Shorthand for CPrintoutTextTranslator::instance()->text(iKind).
QString printoutText(int iKind);
