#include "PdfText.h"

#include <QProcess>
#include <QRegularExpression>

namespace PdfText {

QString runTool(const QString &sProgram, const QStringList &cArguments)
{
    QProcess cProcess;
    cProcess.start(sProgram, cArguments);
    if (!cProcess.waitForFinished(60000)) {
        cProcess.kill();
        cProcess.waitForFinished();
        return QString();
    }
    if (cProcess.exitStatus() != QProcess::NormalExit || cProcess.exitCode() != 0)
        return QString();
    return QString::fromUtf8(cProcess.readAllStandardOutput());
}

QString text(const QString &sPdfPath)
{
    return runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), sPdfPath, QStringLiteral("-")});
}

QStringList pageTexts(const QString &sPdfPath)
{
    QStringList cPages = text(sPdfPath).split(QLatin1Char('\f'));
    // pdftotext ends the last page with a form feed as well.
    if (!cPages.isEmpty() && cPages.last().trimmed().isEmpty())
        cPages.removeLast();
    return cPages;
}

QString info(const QString &sPdfPath)
{
    return runTool(QStringLiteral("pdfinfo"), {sPdfPath});
}

QString infoValue(const QString &sPdfPath, const QString &sKey)
{
    const QStringList cLines = info(sPdfPath).split(QLatin1Char('\n'));
    const QString sPrefix = sKey + QLatin1Char(':');
    for (const QString &sLine : cLines) {
        if (sLine.startsWith(sPrefix))
            return sLine.mid(sPrefix.size()).trimmed();
    }
    return QString();
}

int pageCount(const QString &sPdfPath)
{
    bool bOk = false;
    const int iPages = infoValue(sPdfPath, QStringLiteral("Pages")).toInt(&bOk);
    return bOk ? iPages : -1;
}

QString fonts(const QString &sPdfPath)
{
    return runTool(QStringLiteral("pdffonts"), {sPdfPath});
}

QString simplified(const QString &sText)
{
    static const QRegularExpression cBlanks(QStringLiteral("[ \\t]+"));
    QString sResult = sText;
    return sResult.replace(cBlanks, QStringLiteral(" "));
}

} // namespace PdfText
