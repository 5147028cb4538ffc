#pragma once

#include <cstdint>

// Numbered result codes of the storage layer (0 is success). The user
// interface turns each into its message; opening and closing projects
// produce only Success, InternalError, NoProjectDirectory,
// InvalidProjectFile, ProjectNotLoaded, ProjectAlreadyOpen and
// UnsupportedVersion. The rest complete the shared list of codes.
namespace StorageError {
enum Code : std::uint32_t {
    Success = 0,
    InternalError = 1,
    NoProjectDirectory = 2,
    InvalidProjectFile = 3,
    ProjectNotLoaded = 4,
    ProjectNotSaved = 5,
    ProjectAlreadyOpen = 6,
    ProjectNameExists = 7,
    UnsupportedVersion = 8,
    ProjectNotDeleted = 9,
    NoProjectName = 10,
    ProjectNameTooLong = 11,
    LowDiskSpace = 13,
    FileAccessError = 15,
    FileReadError = 16,
    FileWriteError = 17,
    DirectoryCreationError = 18,
    FileDeletionError = 19,
    StartUpError = 20,
    LowStorageSpace = 34,
    // Not a failure: the user stopped the open (no message is shown).
    OpenCanceled = 100
};
} // namespace StorageError

// Results of the project access objects, mapped to StorageError codes by
// the facade (see storageCodeOfAccessResult).
namespace ProjectAccess {
enum Result : int { Ok = 0, NoDirectory = 1, NoProjectName = 2, UnsupportedVersion = 3, Canceled = 4 };
} // namespace ProjectAccess

// 0 → 0, 1 → 2, 2 → 3, 3 → 8, 4 → 100; anything else is an internal error.
constexpr int storageCodeOfAccessResult(int iAccessResult)
{
    switch (iAccessResult) {
    case ProjectAccess::Ok: return StorageError::Success;
    case ProjectAccess::NoDirectory: return StorageError::NoProjectDirectory;
    case ProjectAccess::NoProjectName: return StorageError::InvalidProjectFile;
    case ProjectAccess::UnsupportedVersion: return StorageError::UnsupportedVersion;
    case ProjectAccess::Canceled: return StorageError::OpenCanceled;
    default: return StorageError::InternalError;
    }
}
