#include "report/items/EventTexts.h"

#include "app/units/Units.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "report/paint/CReportPainter.h"

#include <QStringList>

namespace EventTexts {

QString observation(const QString &sText, const QString &sDelimiter, DetailLayout eLayout)
{
    const QString sShown = CReportPainter::limitedText(sText);
    if (sDelimiter.isEmpty() || !sShown.contains(sDelimiter))
        return sShown;
    QStringList parts;
    for (const QString &sPart : sShown.split(sDelimiter)) {
        const QString sTrimmed = sPart.trimmed();
        if (!sTrimmed.isEmpty())
            parts.append(sTrimmed);
    }
    return parts.join(eLayout == DetailLayout::OwnLines ? QStringLiteral("\n") : QStringLiteral(" \u2013 "));
}

QString videoPosition(const CInspectionEvent &cEvent)
{
    const QString sTime = formatTimeIndex(cEvent.videoHour(), cEvent.videoMinute(), cEvent.videoSecond());
    const CInspectionSegment *pSection = cEvent.section();
    if (!pSection)
        return sTime;
    const QStringList videos = pSection->videoFiles();
    if (videos.size() < 2)
        return sTime;
    const qsizetype iIndex = videos.indexOf(cEvent.videoFile());
    if (iIndex < 0)
        return sTime;
    return QString::number(iIndex + 1) + QStringLiteral(" \u00b7 ") + sTime;
}

} // namespace EventTexts
