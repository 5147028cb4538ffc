#include "IniFileWriter.h"

#include <QDate>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

void IniFileWriter::beginGroup(const QString &sName, bool bEscapeNonAscii)
{
    m_groups.append(Group{sName, bEscapeNonAscii, {}});
}

void IniFileWriter::setValue(const QString &sKey, const QVariant &vValue)
{
    Q_ASSERT(!m_groups.isEmpty());
    m_groups.last().entries.append({sKey, vValue});
}

void IniFileWriter::setArray(const QString &sArray, const QList<QList<QPair<QString, QVariant>>> &elements)
{
    for (int i = 0; i < elements.size(); ++i)
        for (const auto &entry : elements.at(i))
            setValue(QString("%1/%2/%3").arg(sArray).arg(i + 1).arg(entry.first), entry.second);
    setValue(sArray + "/size", int(elements.size()));
}

QByteArray IniFileWriter::escapeNonAscii(const QString &sLine)
{
    QByteArray result;
    bool bAfterEscape = false;
    for (const QChar ch : sLine) {
        const ushort u = ch.unicode();
        const bool bHex = (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
        if (u >= 0x80) {
            result += "\\x" + QByteArray::number(u, 16).rightJustified(4, '0');
            bAfterEscape = true;
        } else if (bAfterEscape && bHex) {
            result += "\\x" + QByteArray::number(u, 16);
        } else {
            result += char(u);
            bAfterEscape = false;
        }
    }
    return result;
}

bool IniFileWriter::write(const QString &sPath, QString *pError) const
{
    QTemporaryDir tmp;
    if (!tmp.isValid()) {
        *pError = "no temporary directory";
        return false;
    }
    QByteArray text;
    int iIndex = 0;
    for (const Group &group : m_groups) {
        const QString sTmp = tmp.filePath(QString("g%1.ini").arg(iIndex++));
        {
            QSettings settings(sTmp, QSettings::IniFormat);
            settings.beginGroup(group.sName);
            for (const auto &entry : group.entries)
                settings.setValue(entry.first, entry.second);
            settings.endGroup();
            settings.sync();
        }
        QFile file(sTmp);
        if (!file.open(QIODevice::ReadOnly)) {
            *pError = "cannot read " + sTmp;
            return false;
        }
        QByteArray block = file.readAll().trimmed();
        if (group.bEscape) {
            QList<QByteArray> lines = block.split('\n');
            for (QByteArray &line : lines)
                line = escapeNonAscii(QString::fromUtf8(line));
            block = lines.join('\n');
        }
        if (!text.isEmpty())
            text += "\n\n";
        text += block;
    }
    if (!text.isEmpty())
        text += '\n';
    QFile out(sPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text) != text.size()) {
        *pError = "cannot write " + sPath;
        return false;
    }
    out.close();

    // Read back as the viewer will, and compare every value.
    QSettings check(sPath, QSettings::IniFormat);
    if (check.status() != QSettings::NoError) {
        *pError = sPath + ": settings class reports a format error";
        return false;
    }
    if (check.childGroups().size() != m_groups.size()) {
        *pError = sPath + ": group count differs";
        return false;
    }
    for (const Group &group : m_groups) {
        for (const auto &entry : group.entries) {
            const QVariant vRead = check.value(group.sName + '/' + entry.first);
            const bool bSame =
                entry.second.typeId() == QMetaType::QDate
                    ? vRead.toDate() == entry.second.toDate()
                    : vRead.typeId() == QMetaType::QString && vRead.toString() == entry.second.toString();
            if (!bSame) {
                *pError = QString("%1: [%2] %3 reads back as '%4', expected '%5'")
                              .arg(sPath, group.sName, entry.first, vRead.toString(), entry.second.toString());
                return false;
            }
        }
    }
    return true;
}
