#pragma once

#include <QString>

#include <memory>

class CInspectionStandard;

// Loads an inspection standard file (groups "section-properties",
// "damage-classes" and "misc-data"). Null when the file has no group at all,
// which includes a missing or unreadable file.
std::unique_ptr<CInspectionStandard> loadInspectionStandard(const QString &sPath);
