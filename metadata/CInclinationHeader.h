#pragma once

#include <QString>

#include <array>

// The header texts of an inclination measurement file, each stored exactly
// as it follows the colon of its line (not trimmed).
class CInclinationHeader
{
public:
    enum Field {
        Date = 0,
        Visa,
        Location,
        Street,
        StartManhole,
        EndManhole,
        Unit,
        StartAltitude,
        EndAltitude,
        StartOffset,
        EndLength,
        PipeShape,
        PipeHeight,
        PipeWidth,
        ClassA,
        ClassB,
        ClassC,
        ScaleAlt,
        ScalePos,
        FieldCount
    };

    // The key of the field as the file writes it, colon included ("Date:");
    // empty outside 0..FieldCount - 1.
    static QString fieldKey(int iField);
    // The field of a key (exact, case-sensitive), -1 for any other key.
    static int fieldOfKey(const QString &sKey);

    // Empty outside 0..FieldCount - 1.
    QString field(int iField) const;
    void setField(int iField, const QString &sValue);

    QString date() const { return field(Date); }
    QString visa() const { return field(Visa); }
    QString location() const { return field(Location); }
    QString street() const { return field(Street); }
    QString startManhole() const { return field(StartManhole); }
    QString endManhole() const { return field(EndManhole); }
    QString unit() const { return field(Unit); }
    QString startAltitude() const { return field(StartAltitude); }
    QString endAltitude() const { return field(EndAltitude); }
    QString startOffset() const { return field(StartOffset); }
    QString endLength() const { return field(EndLength); }
    QString pipeShape() const { return field(PipeShape); }
    QString pipeHeight() const { return field(PipeHeight); }
    QString pipeWidth() const { return field(PipeWidth); }
    QString classA() const { return field(ClassA); }
    QString classB() const { return field(ClassB); }
    QString classC() const { return field(ClassC); }
    QString scaleAlt() const { return field(ScaleAlt); }
    QString scalePos() const { return field(ScalePos); }

    // Distances are in feet only when the unit is exactly "ft".
    bool isInFeet() const { return unit() == QLatin1String("ft"); }

private:
    std::array<QString, FieldCount> m_fields;
};
