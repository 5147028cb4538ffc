// The libFuzzer program of one target; CORVANE_FUZZ_TARGET names it.

#include "FuzzTargets.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzTargets::initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t iSize)
{
    static const QString sTarget = QStringLiteral(CORVANE_FUZZ_TARGET);
    FuzzTargets::run(sTarget,
                     QByteArray::fromRawData(reinterpret_cast<const char *>(pData), static_cast<qsizetype>(iSize)));
    return 0;
}
