#pragma once

#include <QString>
#include <optional>

// How the UPF import brings references in: as worked (no QSL card yet) or as claimed (QSL card
// received, to be approved by the checkpoint).
enum class ImportMode { Worked, Claim };

// The status code that an import in the given mode writes for a contact, together with its
// callsign and comment, into a record holding `recordStatus`; nothing when the record stays as
// it is. Claimed and approved records are never touched; a worked one only by a claim; every
// other status ("-", "D", "U", empty) is overwritten in both modes.
std::optional<QString> upfStatusToWrite(const QString& recordStatus, ImportMode mode);
