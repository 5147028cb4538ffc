#pragma once

#include <QByteArrayView>
#include <QString>

// Whether a compiled language file (.qm) holds together: every part,
// message and context entry that a translation look-up can reach lies
// within the file. The toolkit's translator trusts these lengths and reads
// beyond a damaged file on each look-up, so such a file is not used.
// Language files with dependencies on others are not ours and count as
// damaged too.
bool isWellFormedLanguageData(QByteArrayView data);
bool isWellFormedLanguageFile(const QString &sPath);
