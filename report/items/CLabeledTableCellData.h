#pragma once

#include "report/items/CTableCellData.h"

// A cell value with a small label printed above it.
class CLabeledTableCellData : public CTableCellData
{
public:
    CLabeledTableCellData(const QString &sValue, const QString &sLabel) : CTableCellData(sValue), m_sLabel(sLabel) {}

    QString label() const { return m_sLabel; }

private:
    QString m_sLabel;
};
