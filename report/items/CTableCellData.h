#pragma once

#include <QString>

// The text shown in a table cell.
class CTableCellData
{
public:
    explicit CTableCellData(const QString &sText = QString()) : m_sText(sText) {}
    virtual ~CTableCellData() = default;

    QString text() const { return m_sText; }
    void setText(const QString &sText) { m_sText = sText; }

private:
    QString m_sText;
};
