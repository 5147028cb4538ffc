#include "TestHelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace TestHelpers {

bool writeFile(const QString &sPath, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(sPath).absolutePath());
    QFile file(sPath);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace TestHelpers
