#pragma once

#include <QHash>
#include <QString>
#include <array>
#include <map>
#include <optional>
#include <vector>

#include "logimport/adif_rules.h"
#include "logimport/upf_import.h"

namespace store {
class Database;
class Table;
}  // namespace store

// An island record as the import finds it before it writes.
struct IslandRecordState {
    QString tableName;
    QString island;
    QString status;
};

// The records of the seven island tables by reference.
using IslandRecordStates = QHash<QString, IslandRecordState>;

// Reads every island record through the handle, one table after the other, and leaves the
// handle closed, read-only and unfiltered on the last island table.
IslandRecordStates readIslandRecordStates(store::Table& table);

// A QSO that may give a reference its new status: when it was made ("YYYYMMDDHHMMSS", empty
// when the log does not say), its record number and the callsign worked.
struct QsoMark {
    QString when;
    int record = 0;
    QString call;
};

// Whether the first QSO was made before the second: by date and time, QSOs without a date last,
// and in file order where the log cannot tell them apart.
bool madeBefore(const QsoMark& first, const QsoMark& second);

// Why a QSO of the log counts for no record.
enum class SkipReason { NoIotaField, MalformedReference, NoRecord, DamagedRecord, kCount };

struct SkippedQso {
    int record = 0;
    SkipReason reason = SkipReason::NoIotaField;
    QString detail;  // the IOTA value, or what was wrong with a tag
    QString call;
};

// "no IOTA field", "malformed reference "EU5"", "no record for XX-001", or the damaged tag.
QString skipText(const SkippedQso& skipped);

// The reasons in the order a chaser should look at them: first those a log's owner can mend
// (a malformed reference, a reference without a record, a damaged tag), then the QSOs that
// simply name no island.
const std::array<SkipReason, size_t(SkipReason::kCount)>& skipReasonsByUrgency();
// A count of QSOs with the reason: "3,960 without an IOTA field".
QString skipCountText(SkipReason reason, int count);

// A log read against the island records. For each reference of a record that the log names, the
// earliest QSO showing each kind of evidence; the QSOs that count for no record, counted per
// reason, the first kListedSkipsPerReason of each reason one by one. What the rules make of it
// depends on the sources counted, so it is kept as read and planned anew for each choice.
struct AdifLog {
    // About a screenful of examples per reason.
    static constexpr size_t kListedSkipsPerReason = 25;
    using Earliest = std::array<std::optional<QsoMark>, kEvidenceKinds>;

    std::map<QString, Earliest> references;
    LogOrigin origin = LogOrigin::Logger;
    int qsos = 0;
    int skipped = 0;
    std::array<int, size_t(SkipReason::kCount)> skippedPerReason{};
    std::array<std::vector<SkippedQso>, size_t(SkipReason::kCount)> listedSkips;
};

// The skipped QSOs counted per reason, most urgent first, one line each ("12 with a malformed
// reference"); reasons without QSOs left out.
QStringList skipCountLines(const AdifLog& log);
// The same with the first QSOs of each reason below its count, indented, each with its record
// number, call and what was wrong ("    record 12, K1ABC: malformed reference "EU5"").
QStringList skippedQsoLines(const AdifLog& log);
// What the status line says behind the preview: "log.adi: 3,546 QSOs, 52 references, 3,494 skipped".
QString logSummary(const QString& fileName, const AdifLog& log);

// Reads an ADIF log (AdifReader) against the island records. A QSO counts for the record its
// IOTA value names once trimmed and in upper case; the others are skipped with their reason. A log
// that LoTW or eQSL.cc wrote confirms by that service (logOriginOf): its QSL_RCVD is taken as
// that service's confirmation, not a card's. Fails as the reader does, before anything is written.
AdifLog readAdifLog(const QString& fileName, const IslandRecordStates& records);

// One record the import changes.
struct PlannedChange {
    QString tableName;
    QString reference;
    QString island;
    QString before;
    QString after;
    QString call;
};

// What an import would do: the records it changes (in continent and reference order), how many
// records of the log keep their status, and how many QSOs it skips.
struct AdifPlan {
    std::vector<PlannedChange> changes;
    int unchanged = 0;
    int skipped = 0;
};

// Decides each reference once, from all its QSOs: the first status rule that finds a counted QSO
// gives the status and the callsign of its earliest such QSO. A record changes only when that
// status ranks above its own. Writes nothing.
AdifPlan planAdifImport(const AdifLog& log, const IslandRecordStates& records, ConfirmationSources sources);

// "N changed, M unchanged, K skipped".
QString planCounts(const AdifPlan& plan);

// The number of changes to each status, in the order "A", "C", "W": "2 to A, 5 to W"; empty
// when nothing changes.
QString changesPerStatus(const AdifPlan& plan);

// Writes the plan's status and callsign into its records, one continent pass at a time inside one
// write transaction; comments stay. The gauge reads 14, 28 … 98 as the passes start. Leaves the
// handle closed, writable and filtered on the last island table.
void applyAdifPlan(store::Database& database, store::Table& table, const AdifPlan& plan,
                   BatchProgress& progress = BatchProgress::none());
