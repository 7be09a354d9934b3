#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <bitset>
#include <optional>

struct AdifLogFacts;
struct AdifRecord;

// The ADIF fields the import reads, in the order of AdifRecord::values (adifFieldNames()).
enum AdifField { Iota, Call, QsoDate, TimeOn, CreditGranted, QslRcvd, LotwQslRcvd, EqslQslRcvd, kAdifFieldCount };

// The upper-case names of the fields, by AdifField.
const QStringList& adifFieldNames();

// What a QSO of a log shows for its island reference. Every QSO shows Logged.
enum class Evidence { CreditGranted, Card, Lotw, Eqsl, Logged, kCount };
inline constexpr size_t kEvidenceKinds = size_t(Evidence::kCount);
using EvidenceSet = std::bitset<kEvidenceKinds>;

// A way of confirming a QSO that the user may count: its name on the command line and in the
// settings, the caption of its check box, the field that says it was received, and whether it
// counts unless the user says otherwise (the paper card does; LoTW and eQSL only when chosen).
struct ConfirmationSource {
    const char* name;
    const char* caption;
    AdifField field;
    Evidence evidence;
    bool countedByDefault;
};

inline constexpr size_t kConfirmationSourceCount = 3;
const std::array<ConfirmationSource, kConfirmationSourceCount>& confirmationSources();

// The sources counted as confirming, a bit per row of confirmationSources().
using ConfirmationSources = std::bitset<kConfirmationSourceCount>;
ConfirmationSources defaultConfirmationSources();
// The sources of a comma-separated list of names ("card,lotw"; empty parts are passed over);
// nothing when a name is unknown.
std::optional<ConfirmationSources> confirmationSourcesNamed(const QString& names);
// The names of the sources, comma-separated, in table order.
QString confirmationSourceNames(ConfirmationSources sources);

// What one record of a log shows.
EvidenceSet evidenceOf(const AdifRecord& record);

// Who wrote a log, as far as its confirmations are concerned. LoTW and eQSL.cc write the
// confirmations of their own service as QSL_RCVD, the field loggers use for a paper card.
enum class LogOrigin { Logger, Lotw, Eqsl };

// The origin of a log: the program its header names (PROGRAMID "LoTW" or "eQSL.cc"); without a
// program in the header, the service whose own fields it carries (APP_LoTW_…, APP_EQSL_…). A
// logger that names itself keeps its cards even when it copied a service's fields into its QSOs.
LogOrigin logOriginOf(const AdifLogFacts& facts);
// The kind of evidence a log's QSL_RCVD gives: a card from a logger, the service's confirmation
// from LoTW or eQSL.cc.
Evidence receivedEvidenceOf(LogOrigin origin);
// What the origin means for the import, for the preview and the CLI: "LoTW report: its
// confirmations count as LoTW"; empty for a logger's log.
QString logOriginText(LogOrigin origin);

// One rule of the import: a reference gets `status` when one of its QSOs shows evidence of one
// of `kinds` that counts. The rules are tried in order and the first that finds a QSO decides:
// a credit granted for IOTA gives "A", a confirmation by a counted source "C", any QSO "W".
struct StatusRule {
    QString status;
    EvidenceSet kinds;
    const char* meaning;
};

const std::array<StatusRule, 3>& statusRules();

// The kinds of evidence that count when these sources confirm: the credits and the QSO itself
// always, the confirmations only of the chosen sources.
EvidenceSet countedEvidence(ConfirmationSources sources);

// The place of a status in the order in which an import may raise it: "-", "D", "U" and any
// other value 0, "W" 1, "C" 2, "A" 3. A record's status is only ever replaced by one ranked higher.
int statusRank(const QString& status);
