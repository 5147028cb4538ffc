#pragma once

#include "ProjectWriter.h"

#include <QString>

// Paths the tests share: the source tree, the fixtures and the build's
// installation directory (where Locales.dat and the catalogs are copied).
namespace TestHelpers {
inline QString sourceDir()
{
    return QStringLiteral(CORVANE_SOURCE_DIR);
}
inline QString fixturesDir()
{
    return QStringLiteral(CORVANE_FIXTURES_DIR);
}
inline QString installDir()
{
    return QStringLiteral(CORVANE_BIN_DIR);
}
inline QString demoProjectDir()
{
    return sourceDir() + QStringLiteral("/examples/demo-project");
}
// How many times longer than normal the code under test may take: the
// guards against hangs in tests allow for sanitized builds.
inline int timeFactor()
{
#ifdef CORVANE_SANITIZED
    return 5;
#else
    return 1;
#endif
}

// Writes a file, creating its directory first; false unless all was written.
using ProjectWriter::writeFile;
} // namespace TestHelpers
