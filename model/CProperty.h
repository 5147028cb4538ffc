#pragma once

#include <QString>

// One numbered property: an id whose meaning the inspection standard knows,
// with the value text and the catalog code as read from the project files.
class CProperty
{
public:
    explicit CProperty(int iId) : m_iId(iId) {}

    int id() const { return m_iId; }
    QString value() const { return m_sValue; }
    QString code() const { return m_sCode; }

    void setValue(const QString &sValue) { m_sValue = sValue; }
    void setCode(const QString &sCode) { m_sCode = sCode; }

private:
    int m_iId;
    QString m_sValue;
    QString m_sCode;
};
