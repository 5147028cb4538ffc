#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// Writes an INI file exactly in the form of the settings class (it renders
// every group with QSettings itself), but keeps the groups in the order they
// were added, and can write the non-ASCII letters of chosen groups in the
// class's \x escape form. After writing, the file is read back with
// QSettings and every value compared.
class IniFileWriter
{
public:
    // Keys use "/" as separator ("property/1/id"), as with QSettings.
    void beginGroup(const QString &sName, bool bEscapeNonAscii = false);
    void setValue(const QString &sKey, const QVariant &vValue);
    void setArray(const QString &sArray, const QList<QList<QPair<QString, QVariant>>> &elements);

    bool isEmpty() const { return m_groups.isEmpty(); }
    bool write(const QString &sPath, QString *pError) const;

    // "Brückenstraße" -> "Br\x00fc\x63kenstra\x00df\x65": a \x escape takes all
    // hex digits that follow, so a following hex digit is escaped too.
    static QByteArray escapeNonAscii(const QString &sLine);

private:
    struct Group
    {
        QString sName;
        bool bEscape = false;
        QList<QPair<QString, QVariant>> entries;
    };
    QList<Group> m_groups;
};
