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

// Whether a written output is complete: a regular file must not be empty; a
// pipe or device (standard output, a FIFO) took every byte once the writer
// finished without error.
bool reportOutputComplete(const QString &sOutputFile);
