#include "storage/CIniReader.h"

#include <QFileInfo>
#include <QSettings>

#include <cmath>
#include <limits>

CIniReader::CIniReader(const QString &sPath)
{
    const QFileInfo info(sPath);
    m_bReadable = info.isFile() && info.isReadable();
    // No settings object at all for a directory or a missing file: every
    // query then answers empty, and nothing is ever written back.
    if (m_bReadable)
        m_settings = std::make_unique<QSettings>(sPath, QSettings::IniFormat);
}

CIniReader::~CIniReader() = default;

QStringList CIniReader::childGroups() const
{
    return m_bReadable ? m_settings->childGroups() : QStringList();
}

QStringList CIniReader::childKeys() const
{
    return m_bReadable ? m_settings->childKeys() : QStringList();
}

void CIniReader::beginGroup(const QString &sGroup)
{
    if (m_bReadable)
        m_settings->beginGroup(sGroup);
}

void CIniReader::endGroup()
{
    if (m_bReadable)
        m_settings->endGroup();
}

bool CIniReader::contains(const QString &sKey) const
{
    return m_bReadable && m_settings->contains(sKey);
}

int CIniReader::beginReadArray(const QString &sName)
{
    if (!m_bReadable)
        return 0;
    // Ask for the element numbers that exist before entering the array, so
    // a size key of two billion with two elements costs two iterations.
    m_settings->beginGroup(sName);
    int iHighest = 0;
    const QStringList groups = m_settings->childGroups();
    for (const QString &sGroup : groups) {
        bool bOk = false;
        const int iNumber = sGroup.toInt(&bOk);
        if (bOk && iNumber > iHighest)
            iHighest = iNumber;
    }
    m_settings->endGroup();
    const int iSize = m_settings->beginReadArray(sName);
    return qBound(0, iSize, iHighest);
}

void CIniReader::setArrayIndex(int iIndex)
{
    if (m_bReadable)
        m_settings->setArrayIndex(iIndex);
}

void CIniReader::endArray()
{
    if (m_bReadable)
        m_settings->endArray();
}

QVariant CIniReader::value(const QString &sKey) const
{
    return m_bReadable ? m_settings->value(sKey) : QVariant();
}

QString CIniReader::variantToText(const QVariant &vValue)
{
    if (vValue.userType() == QMetaType::QStringList)
        return vValue.toStringList().join(QStringLiteral(", "));
    return vValue.toString();
}

int CIniReader::textToInt(const QString &sText)
{
    bool bOk = false;
    const int iValue = sText.trimmed().toInt(&bOk);
    return bOk ? iValue : 0;
}

double CIniReader::textToDouble(const QString &sText)
{
    bool bOk = false;
    const double dValue = sText.trimmed().toDouble(&bOk);
    // Beyond single precision counts as unconvertible too: meter values are
    // held as floats and must never become infinite.
    if (!bOk || !std::isfinite(dValue) || std::fabs(dValue) > std::numeric_limits<float>::max())
        return 0.0;
    return dValue;
}

QString CIniReader::text(const QString &sKey) const
{
    return variantToText(value(sKey));
}

int CIniReader::toInt(const QString &sKey) const
{
    return textToInt(text(sKey));
}

unsigned int CIniReader::toUInt(const QString &sKey) const
{
    bool bOk = false;
    const unsigned int uiValue = text(sKey).trimmed().toUInt(&bOk);
    return bOk ? uiValue : 0u;
}

double CIniReader::toDouble(const QString &sKey) const
{
    return textToDouble(text(sKey));
}

bool CIniReader::toBool(const QString &sKey) const
{
    const QVariant vValue = value(sKey);
    if (!vValue.isValid())
        return false;
    const QString sText = variantToText(vValue).trimmed();
    return !(sText.isEmpty() || sText == QLatin1String("0") || sText.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0);
}

QDate CIniReader::toDate(const QString &sKey) const
{
    const QVariant vValue = value(sKey);
    if (vValue.userType() == QMetaType::QDate)
        return vValue.toDate();
    if (vValue.userType() == QMetaType::QDateTime)
        return vValue.toDateTime().date();
    return QDate::fromString(variantToText(vValue).trimmed(), Qt::ISODate);
}
