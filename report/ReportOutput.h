#pragma once

#include <QString>

// Where a report may go. The program only reads a project: its report is
// never written over a file of the project or into the project directory,
// also not through a link (to a file, to a directory or dangling) or a hard
// link. The cli, the report dialog and the report run all ask this.
enum class ReportOutputCheck {
    Usable,
    InsideProject, // the file is, or would be created, in the project directory
    IsDirectory    // the name is a directory
};

ReportOutputCheck checkReportOutput(const QString &sOutputFile, const QString &sProjectDirectory);

class QFile;

// Opens the output for writing (created when missing). A regular file is
// truncated only once the opened file itself is known to lie outside the
// project, so a link swapped in after the check above cannot make it cut a
// project file. Usable when open; InsideProject or IsDirectory (for any
// file that cannot be opened) otherwise, with the file closed.
ReportOutputCheck openReportOutput(QFile &file, const QString &sProjectDirectory);

// Flushes and closes the output: true when every byte reached it (a full
// device or a closed pipe makes it false) and a regular file is not empty.
bool finishReportOutput(QFile &file);
