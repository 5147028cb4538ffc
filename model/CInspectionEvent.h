#pragma once

#include "model/CDataCoreObject.h"

#include <QString>

#include <memory>

class CInspectionSegment;
class CPropertyList;

// Hour, minute and second of an event in its video.
struct CVideoTimeIndex
{
    unsigned int uiHour = 0;
    unsigned int uiMinute = 0;
    unsigned int uiSecond = 0;
};

// One observation recorded along a section.
class CInspectionEvent : public CDataCoreObject
{
public:
    // Takes ownership of the property list.
    CInspectionEvent(CInspectionSegment *cSection, CPropertyList *cProperties, int iId);
    ~CInspectionEvent() override;

    CInspectionSegment *section() const { return m_cSection; }
    CPropertyList *properties() const { return m_cProperties.get(); }
    int id() const { return m_iId; }
    float meterValue() const { return m_fMeterValue; }
    QString text() const { return m_sText; }
    QString abbreviation() const { return m_sAbbreviation; }
    QString imageFile() const { return m_sImageFile; }
    QString imageFile2() const { return m_sImageFile2; }
    QString videoFile() const { return m_sVideoFile; }
    unsigned int videoHour() const { return m_uiVideoHour; }
    unsigned int videoMinute() const { return m_uiVideoMinute; }
    unsigned int videoSecond() const { return m_uiVideoSecond; }
    CVideoTimeIndex videoTimeIndex() const { return {m_uiVideoHour, m_uiVideoMinute, m_uiVideoSecond}; }

    void setMeterValue(float fValue) { m_fMeterValue = fValue; }
    void setText(const QString &sText) { m_sText = sText; }
    void setAbbreviation(const QString &sCode) { m_sAbbreviation = sCode; }
    void setImageFile(const QString &sName) { m_sImageFile = sName; }
    void setImageFile2(const QString &sName) { m_sImageFile2 = sName; }
    void setVideoFile(const QString &sName) { m_sVideoFile = sName; }
    void setVideoTimeIndex(unsigned int uiHour, unsigned int uiMinute, unsigned int uiSecond);

private:
    CInspectionSegment *m_cSection;
    std::unique_ptr<CPropertyList> m_cProperties;
    int m_iId;
    float m_fMeterValue = 0.0f;
    QString m_sText;
    QString m_sAbbreviation;
    QString m_sImageFile;
    QString m_sImageFile2;
    QString m_sVideoFile;
    unsigned int m_uiVideoHour = 0;
    unsigned int m_uiVideoMinute = 0;
    unsigned int m_uiVideoSecond = 0;
};
