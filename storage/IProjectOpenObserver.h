#pragma once

// Follows the opening of a project and may stop it. The loading threads
// call it, several at once, so an implementation must be thread-safe; it is
// never asked to touch widgets (see CProjectOpenProgress for one that the
// user interface polls).
class IProjectOpenObserver
{
public:
    virtual ~IProjectOpenObserver() = default;
    // The project files read so far and how many there are: "project.dat",
    // "segments.dat" and one event file per section. The total is 0 until
    // "segments.dat" has been read.
    virtual void filesRead(int iRead, int iTotal) = 0;
    // Asked between files; once true, opening stops and gives no project.
    virtual bool isCanceled() const = 0;
};
