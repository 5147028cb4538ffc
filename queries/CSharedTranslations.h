#pragma once

#include <QObject>
#include <QString>

// Captions of data fields and the messages of storage error codes, kept in
// one translation context so the property display, the report and the main
// window share them. Every text is translated when it is asked for, so a
// translator installed later applies to later requests.
class CSharedTranslations : public QObject
{
    Q_OBJECT

public:
    enum CaptionId {
        CaptionName = 1,
        CaptionCustomer = 11,
        CaptionProjectLeader = 12,
        CaptionContractor = 13,
        CaptionProjectName = 14,
        CaptionCreated = 15,
        CaptionLastModified = 16,
        CaptionCatalogName = 17,
        CaptionSectionName = 18,
        CaptionCalculatedLength = 19,
        CaptionInclinationFile = 20,
        CaptionText = 21,
        CaptionCode = 22,
        CaptionPhotoFile = 23,
        CaptionPhotoFile1 = 24,
        CaptionPhotoFile2 = 25,
        CaptionVideoFile = 26,
        CaptionVideoTimeIndex = 27,
        CaptionMeterValue = 28,
        CaptionUnnamedSection = 29,
        CaptionErrorCode = 30,
        CaptionInternalError = 31,
        CaptionLastId = 49
    };

    // The single instance, created on first use and kept until exit.
    static CSharedTranslations *instance();

    // Translated caption; empty for 0 and for ids above 49.
    QString caption(int iId) const;
    // Translated message of a storage result code: empty for 0, the
    // internal-error message for codes without a message of their own.
    QString errorMessage(quint32 uiCode) const;
    // "Error-Code: 0x" and at least six upper-case hex digits; not translated.
    QString errorCodeText(quint32 uiCode) const;

private:
    CSharedTranslations() = default;
};
