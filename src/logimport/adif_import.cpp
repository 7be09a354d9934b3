#include "logimport/adif_import.h"

#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <tuple>

#include "base/failure.h"
#include "logimport/adif_reader.h"
#include "register/codes.h"
#include "register/iota_list.h"
#include "register/reference_record.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "register/store/table_names.h"

namespace {

constexpr int kGaugeStepPerPass = 14;

struct SkipReasonTexts {
    SkipReason reason;
    const char* counted;  // for counts: "3 without an IOTA field"
};

// Most urgent first.
constexpr SkipReasonTexts kSkipReasons[] = {
    {SkipReason::MalformedReference, "with a malformed reference"},
    {SkipReason::NoRecord, "of a reference without a record"},
    {SkipReason::DamagedRecord, "with a damaged tag"},
    {SkipReason::NoIotaField, "without an IOTA field"},
};

// Date and time as one text that sorts as they do; a time of day without seconds has 00.
QString whenOf(const AdifRecord& record) {
    const QString date = record.values[QsoDate].trimmed();
    if (date.isEmpty()) return {};
    return date + record.values[TimeOn].trimmed().leftJustified(6, u'0', true);
}

void keepEarliest(std::optional<QsoMark>& earliest, const QsoMark& qso) {
    if (!earliest || madeBefore(qso, *earliest)) earliest = qso;
}

class LogDigest {
public:
    explicit LogDigest(const IslandRecordStates& records) : m_records(records) {}

    void add(const AdifRecord& record) {
        ++m_log.qsos;
        if (!record.fault.isEmpty()) return skip(record, SkipReason::DamagedRecord, record.fault);
        const QString reference = record.values[Iota].trimmed().toUpper();
        if (reference.isEmpty()) return skip(record, SkipReason::NoIotaField, {});
        if (!isWellFormedReference(reference)) return skip(record, SkipReason::MalformedReference, record.values[Iota]);
        if (!m_records.contains(reference)) return skip(record, SkipReason::NoRecord, reference);
        const QsoMark qso{whenOf(record), record.number, record.values[Call].trimmed()};
        AdifLog::Earliest& earliest = earliestOf(reference);
        const EvidenceSet evidence = evidenceOf(record);
        for (size_t kind = 0; kind < kEvidenceKinds; ++kind)
            if (evidence[kind]) keepEarliest(earliest[kind], qso);
    }

    // The log as read; a service's QSL_RCVD, read as a card's, becomes that service's confirmation.
    AdifLog take(LogOrigin origin) {
        m_log.origin = origin;
        const auto service = size_t(receivedEvidenceOf(origin));
        const auto card = size_t(Evidence::Card);
        if (service != card)
            for (auto& [reference, earliest] : m_log.references) {
                if (earliest[card]) keepEarliest(earliest[service], *earliest[card]);
                earliest[card].reset();
            }
        return std::move(m_log);
    }

private:
    // Found by hash: a log names each reference many times, the ordered map is for the plan.
    AdifLog::Earliest& earliestOf(const QString& reference) {
        AdifLog::Earliest*& found = m_earliest[reference];
        if (!found) found = &m_log.references[reference];
        return *found;
    }

    void skip(const AdifRecord& record, SkipReason reason, const QString& detail) {
        ++m_log.skipped;
        ++m_log.skippedPerReason[size_t(reason)];
        std::vector<SkippedQso>& listed = m_log.listedSkips[size_t(reason)];
        if (listed.size() < AdifLog::kListedSkipsPerReason)
            listed.push_back({record.number, reason, detail, record.values[Call].trimmed()});
    }

    const IslandRecordStates& m_records;
    AdifLog m_log;
    QHash<QString, AdifLog::Earliest*> m_earliest;
};

// The status and the QSO that gives it, by the first rule that finds a counted QSO.
std::pair<QString, QsoMark> decide(const AdifLog::Earliest& earliest, const EvidenceSet& counted) {
    for (const StatusRule& rule : statusRules()) {
        std::optional<QsoMark> first;
        for (size_t kind = 0; kind < kEvidenceKinds; ++kind)
            if (rule.kinds[kind] && counted[kind] && earliest[kind]) keepEarliest(first, *earliest[kind]);
        if (first) return {rule.status, *first};
    }
    // Every QSO kept shows Logged, which the last rule counts.
    return {status::Worked, *earliest[size_t(Evidence::Logged)]};
}

}  // namespace

IslandRecordStates readIslandRecordStates(store::Table& table) {
    IslandRecordStates records;
    for (const Continent& continent : continents()) {
        table.Close();
        table.setReadOnly(true);
        table.setFiltered(false);
        table.setTableName(continent.tableName);
        table.Open();
        const int iota = table.requiredFieldIndex(kIotaField);
        const int island = table.requiredFieldIndex(kIslandField);
        const int status = table.requiredFieldIndex(kStatusField);
        const int count = table.RecordCount();
        for (int row = 0; row < count; ++row)
            records.insert(table.valueAt(row, iota),
                           {continent.tableName, table.valueAt(row, island), table.valueAt(row, status)});
    }
    table.Close();
    return records;
}

bool madeBefore(const QsoMark& first, const QsoMark& second) {
    return std::tuple(first.when.isEmpty(), first.when, first.record) <
           std::tuple(second.when.isEmpty(), second.when, second.record);
}

QString skipText(const SkippedQso& skipped) {
    switch (skipped.reason) {
        case SkipReason::NoIotaField:
            return QStringLiteral("no IOTA field");
        case SkipReason::MalformedReference:
            return QStringLiteral("malformed reference \"%1\"").arg(skipped.detail);
        case SkipReason::NoRecord:
            return QStringLiteral("no record for %1").arg(skipped.detail);
        case SkipReason::DamagedRecord:
        case SkipReason::kCount:
            break;
    }
    return skipped.detail;
}

const std::array<SkipReason, size_t(SkipReason::kCount)>& skipReasonsByUrgency() {
    static const std::array<SkipReason, size_t(SkipReason::kCount)> reasons = [] {
        std::array<SkipReason, size_t(SkipReason::kCount)> ordered{};
        for (size_t i = 0; i < ordered.size(); ++i) ordered[i] = kSkipReasons[i].reason;
        return ordered;
    }();
    return reasons;
}

QString skipCountText(SkipReason reason, int count) {
    for (const SkipReasonTexts& texts : kSkipReasons)
        if (texts.reason == reason)
            return QStringLiteral("%1 %2").arg(QLocale(QLocale::English).toString(count), QLatin1String(texts.counted));
    return {};
}

QStringList skipCountLines(const AdifLog& log) {
    QStringList lines;
    for (SkipReason reason : skipReasonsByUrgency())
        if (const int count = log.skippedPerReason[size_t(reason)]; count > 0) lines << skipCountText(reason, count);
    return lines;
}

QStringList skippedQsoLines(const AdifLog& log) {
    QStringList lines;
    for (SkipReason reason : skipReasonsByUrgency()) {
        const int count = log.skippedPerReason[size_t(reason)];
        if (count == 0) continue;
        lines << skipCountText(reason, count) + u':';
        const std::vector<SkippedQso>& listed = log.listedSkips[size_t(reason)];
        for (const SkippedQso& skipped : listed) {
            const QString call = skipped.call.isEmpty() ? QString() : QStringLiteral(", ") + skipped.call;
            lines << QStringLiteral("    record %1%2: %3").arg(skipped.record).arg(call, skipText(skipped));
        }
        if (qsizetype(listed.size()) < count) lines << QStringLiteral("    ... and %1 more").arg(count - listed.size());
    }
    return lines;
}

QString logSummary(const QString& fileName, const AdifLog& log) {
    const QLocale english(QLocale::English);
    return QStringLiteral("%1: %2 QSOs, %3 references, %4 skipped")
        .arg(QFileInfo(fileName).fileName(), english.toString(log.qsos),
             english.toString(qlonglong(log.references.size())), english.toString(log.skipped));
}

AdifLog readAdifLog(const QString& fileName, const IslandRecordStates& records) {
    LogDigest digest(records);
    const AdifLogFacts facts =
        AdifReader(adifFieldNames()).readFile(fileName, [&](const AdifRecord& record) { digest.add(record); });
    return digest.take(logOriginOf(facts));
}

AdifPlan planAdifImport(const AdifLog& log, const IslandRecordStates& records, ConfirmationSources sources) {
    AdifPlan plan;
    plan.skipped = log.skipped;
    const EvidenceSet counted = countedEvidence(sources);
    for (const auto& [reference, earliest] : log.references) {
        const IslandRecordState& record = records[reference];
        const auto [status, qso] = decide(earliest, counted);
        if (statusRank(status) > statusRank(record.status))
            plan.changes.push_back({record.tableName, reference, record.island, record.status, status, qso.call});
        else
            ++plan.unchanged;
    }
    return plan;
}

QString planCounts(const AdifPlan& plan) {
    return QStringLiteral("%1 changed, %2 unchanged, %3 skipped")
        .arg(plan.changes.size())
        .arg(plan.unchanged)
        .arg(plan.skipped);
}

QString changesPerStatus(const AdifPlan& plan) {
    QStringList counts;
    for (const StatusRule& rule : statusRules()) {
        const auto count = std::count_if(plan.changes.begin(), plan.changes.end(),
                                         [&](const PlannedChange& change) { return change.after == rule.status; });
        if (count > 0) counts << QStringLiteral("%1 to %2").arg(count).arg(rule.status);
    }
    return counts.join(QStringLiteral(", "));
}

void applyAdifPlan(store::Database& database, store::Table& table, const AdifPlan& plan, BatchProgress& progress) {
    store::Database::Transaction batch(database);
    int gauge = 0;
    for (const Continent& continent : continents()) {
        gauge += kGaugeStepPerPass;
        progress.setValue(gauge);
        ReferencePass pass(table, continent.tableName);
        for (const PlannedChange& change : plan.changes) {
            if (change.tableName != continent.tableName) continue;
            if (!pass.standOn(change.reference))
                throw Failure(QStringLiteral("Cannot import %1: its record is gone from \"%2\"")
                                  .arg(change.reference, change.tableName));
            table.Edit();
            table.FieldByName(kStatusField).setAsString(change.after);
            table.FieldByName(kCallField).setAsString(change.call);
            table.Post();
        }
        pass.close();
    }
    batch.commit();
}
