#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The entry points of the fuzzing programs. Each takes one input and runs it
// through a reader of the program the way a damaged or hostile file would
// reach it. The libFuzzer programs (fuzz_<name>) and the replay test of the
// ordinary build call the same functions, so every input that ever failed
// stays covered without libFuzzer.
namespace FuzzTargets {

// The names of all targets: "ini" (the INI reader), "project" (a whole
// project directory: opened, queried and a small report painted),
// "projectdata" (the same without the report, many times faster),
// "inclination", "layout" and "standard" (inspection standard and printout
// data).
QStringList names();

// Creates what the targets need once per process: the GUI application
// (offscreen), the application context on the installation beside the
// executable and a private scratch directory. Call before run().
void initialize();

// Runs the input through the named target. Returns false for an unknown name.
bool run(const QString &sTarget, const QByteArray &input);

// The separator between the files of a "project" or "projectdata" input: project.dat,
// segments.dat, then one event file per section of segments.dat (in the
// order of its groups) and last the inclination file of the first section
// that names one.
inline char projectPartSeparator()
{
    return '\f';
}

} // namespace FuzzTargets
