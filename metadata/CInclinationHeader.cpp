#include "metadata/CInclinationHeader.h"

namespace {
const char *const kKeys[CInclinationHeader::FieldCount] = {
    "Date:",           "Visa:",         "Location:",     "Street:",     "Start ManHole:", "End ManHole:", "Unit:",
    "Start Altitude:", "End Altitude:", "Start Offset:", "End Length:", "Pipe Shape:",    "Pipe Height:", "Pipe Width:",
    "Class A:",        "Class B:",      "Class C:",      "Scale Alt:",  "Scale Pos:",
};

bool isField(int iField)
{
    return iField >= 0 && iField < CInclinationHeader::FieldCount;
}
} // namespace

QString CInclinationHeader::fieldKey(int iField)
{
    return isField(iField) ? QString::fromLatin1(kKeys[iField]) : QString();
}

int CInclinationHeader::fieldOfKey(const QString &sKey)
{
    for (int i = 0; i < FieldCount; ++i) {
        if (sKey == QLatin1String(kKeys[i]))
            return i;
    }
    return -1;
}

QString CInclinationHeader::field(int iField) const
{
    return isField(iField) ? m_fields[static_cast<size_t>(iField)] : QString();
}

void CInclinationHeader::setField(int iField, const QString &sValue)
{
    if (isField(iField))
        m_fields[static_cast<size_t>(iField)] = sValue;
}
