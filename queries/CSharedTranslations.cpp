#include "queries/CSharedTranslations.h"

#include "storage/StorageErrors.h"

#include <iterator>

CSharedTranslations *CSharedTranslations::instance()
{
    static CSharedTranslations s_instance;
    return &s_instance;
}

QString CSharedTranslations::caption(int iId) const
{
    // Index = caption id; entry 0 stands for "no caption".
    static const char *const s_captions[] = {
        nullptr,
        QT_TR_NOOP("Name"),
        QT_TR_NOOP("Responsible"),
        QT_TR_NOOP("Department"),
        QT_TR_NOOP("Post-Office Box"),
        QT_TR_NOOP("Street"),
        QT_TR_NOOP("Location"),
        QT_TR_NOOP("Telephone"),
        QT_TR_NOOP("Telefax"),
        QT_TR_NOOP("Mobile Phone"),
        QT_TR_NOOP("E-Mail"),
        QT_TR_NOOP("Customer"),
        QT_TR_NOOP("Project Leader"),
        QT_TR_NOOP("Contractor"),
        QT_TR_NOOP("Project Name"),
        QT_TR_NOOP("Created"),
        QT_TR_NOOP("Last Modified"),
        QT_TR_NOOP("Catalog Name"),
        QT_TR_NOOP("Section Name"),
        QT_TR_NOOP("Calculated Length"),
        QT_TR_NOOP("Inclination File"),
        QT_TR_NOOP("Text"),
        QT_TR_NOOP("Code"),
        QT_TR_NOOP("Photo File"),
        QT_TR_NOOP("Photo File 1"),
        QT_TR_NOOP("Photo File 2"),
        QT_TR_NOOP("Video File"),
        QT_TR_NOOP("Video Time Index"),
        QT_TR_NOOP("Meter Value"),
        QT_TR_NOOP("Unnamed section"),
        QT_TR_NOOP("Error-Code: "),
        QT_TR_NOOP("An internal error occurred."),
        QT_TR_NOOP("The system did not start up correctly."),
        QT_TR_NOOP("The specified project file is invalid."),
        QT_TR_NOOP("The specified project could not be loaded."),
        QT_TR_NOOP("No project was found at the specified location."),
        QT_TR_NOOP("The project could not be saved."),
        QT_TR_NOOP("A project with the same name exists already."),
        QT_TR_NOOP("The version of the specified project is not supported by the current version of this software."),
        QT_TR_NOOP("The specified project could not be deleted."),
        QT_TR_NOOP("You need to specify a project name."),
        QT_TR_NOOP("The specified project name is too long."),
        QT_TR_NOOP("You are running low on free space on the hard disk."),
        QT_TR_NOOP("You are running low on free storage space."),
        QT_TR_NOOP("Insufficient free space available on the volume."),
        QT_TR_NOOP("File access error."),
        QT_TR_NOOP("File read error."),
        QT_TR_NOOP("File write error."),
        QT_TR_NOOP("Directory creation error."),
        QT_TR_NOOP("File deletion error."),
    };
    static_assert(std::size(s_captions) == CaptionLastId + 1, "one text per caption id");

    if (iId <= 0 || iId > CaptionLastId)
        return QString();
    return tr(s_captions[iId]);
}

QString CSharedTranslations::errorMessage(quint32 uiCode) const
{
    int iCaption = CaptionInternalError;
    switch (uiCode) {
    case StorageError::Success: return QString();
    case StorageError::NoProjectDirectory: iCaption = 35; break;
    case StorageError::InvalidProjectFile: iCaption = 33; break;
    case StorageError::ProjectNotLoaded: iCaption = 34; break;
    case StorageError::ProjectNotSaved: iCaption = 36; break;
    case StorageError::ProjectNameExists: iCaption = 37; break;
    case StorageError::UnsupportedVersion: iCaption = 38; break;
    case StorageError::ProjectNotDeleted: iCaption = 39; break;
    case StorageError::NoProjectName: iCaption = 40; break;
    case StorageError::ProjectNameTooLong: iCaption = 41; break;
    case StorageError::LowDiskSpace: iCaption = 42; break;
    case StorageError::FileAccessError: iCaption = 45; break;
    case StorageError::FileReadError: iCaption = 46; break;
    case StorageError::FileWriteError: iCaption = 47; break;
    case StorageError::DirectoryCreationError: iCaption = 48; break;
    case StorageError::FileDeletionError: iCaption = 49; break;
    case StorageError::StartUpError: iCaption = 32; break;
    case StorageError::LowStorageSpace: iCaption = 43; break;
    default: break; // 1, 6 and unknown codes: internal error
    }
    return caption(iCaption);
}

QString CSharedTranslations::errorCodeText(quint32 uiCode) const
{
    return QStringLiteral("Error-Code: 0x") + QString::number(uiCode, 16).toUpper().rightJustified(6, QLatin1Char('0'));
}
