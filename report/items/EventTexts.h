#pragma once

#include <QString>

class CInspectionEvent;

// How the report prints what an event carries: its observation without the
// standard's text delimiter, and its video position with the video it lies in.
namespace EventTexts {

enum class DetailLayout {
    OwnLines, // every detail on a line of its own (a protocol cell)
    OneLine   // details after a dash (a caption line)
};

// The observation with every part after a text delimiter printed as a
// detail: parts are trimmed, empty parts dropped, and joined by line feeds
// or by " – ". The delimiter itself is never printed; an empty delimiter
// leaves the text as it is. Texts longer than the report can show are cut
// first, so a hostile text costs no more than a long one.
QString observation(const QString &sText, const QString &sDelimiter, DetailLayout eLayout);

// "hh:mm:ss" of the event's time index; when its section has more than one
// video, preceded by the number of the event's video in the section's list
// and " · " (the time alone jumps back from one video to the next). An
// event whose video is not in the list keeps the time alone.
QString videoPosition(const CInspectionEvent &cEvent);

} // namespace EventTexts
