#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace firstrun {

// The owner's answers to the first-run entry, as they are stored.
struct OwnerEntry {
    QString callsign;
    QString directoryNo;
    QString modeEndorsement;
    QString awardsGroup;
};

// An input box of the entry: its caption, its prompt, the rule that turns an answer into the
// stored text (nothing when the answer is refused and the box is asked again), and where the
// stored text goes.
struct Question {
    QString caption;
    QString prompt;
    std::optional<QString> (*accept)(const QString& answer);
    QString OwnerEntry::*answer;
};

// Not empty and not beginning with a character below "1"; stored in capitals.
std::optional<QString> acceptCallsign(const QString& answer);
// Anything not empty, stored as typed.
std::optional<QString> acceptDirectoryNo(const QString& answer);
// Exactly "0" to "3": "All modes", "CW", "SSB", "Data".
std::optional<QString> acceptModeEndorsement(const QString& answer);
// Exactly "0" to "2": "HF", "6M", "Satellite".
std::optional<QString> acceptAwardsGroup(const QString& answer);

// The four input boxes in the order they are asked.
const std::array<Question, 4>& questions();

// The lines shown below the explanation of the confirmation dialog.
QStringList confirmationLines(const OwnerEntry& entry);

// An owner row written by the setup: found by its name, its value set.
struct OwnerRow {
    QString name;
    QString value;
};

// The owner rows the setup writes, in the order they are written.
std::vector<OwnerRow> ownerRows(const OwnerEntry& entry);

}  // namespace firstrun
