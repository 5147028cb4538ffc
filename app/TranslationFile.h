#pragma once

#include <QByteArray>

// Whether the bytes are a compiled translation (.qm) whose every message and
// context can be looked up without reading past its block. The toolkit's
// translator trusts the offsets and lengths inside the file, so a damaged
// language file would crash the first translated text; such a file is not
// loaded at all.
bool isWellFormedTranslation(const QByteArray &data);
