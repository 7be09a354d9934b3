#include "exchange/record_kind_lines.h"

#include <optional>

#include "exchange/gauge.h"
#include "exchange/island_rules.h"
#include "exchange/record_kinds.h"
#include "register/reference_record.h"
#include "register/store/table.h"
#include "register/store/table_names.h"

namespace {

// The island fields by name, looked up once per table.
struct IslandFields {
    explicit IslandFields(store::Table& table)
        : status(table.FieldByName(kStatusField)),
          call(table.FieldByName(kCallField)),
          prefix(table.FieldByName(kPrefixField)),
          island(table.FieldByName(kIslandField)),
          group(table.FieldByName(kGroupField)) {}

    IslandRecord read() const { return {status.AsString(), call.AsString(), prefix.AsString(), island.AsString()}; }
    void write(const IslandRecord& record) {
        status.setAsString(record.status);
        call.setAsString(record.call);
        prefix.setAsString(record.prefix);
        island.setAsString(record.island);
    }

    store::Field status;
    store::Field call;
    store::Field prefix;
    store::Field island;
    store::Field group;
};

void applyKind(store::Table& table, const RecordKind& kind, const TextLines& kindLines, int startCount,
               const IslandLineFormat& format, Gauge& gauge, KindLinesResult& result) {
    ReferencePass pass(table, kind.tableName());
    if (kindLines.isEmpty()) return;
    const double step = 98.0 / double(kindLines.size());
    std::optional<IslandFields> fields;
    for (qsizetype j = 0; j < kindLines.size(); ++j) {
        const QString line = j < startCount ? kindLines[j] : QString();
        if (j < startCount && pass.standOn(lineReference(line))) {
            if (!fields) fields.emplace(table);
            table.Edit();
            if (kind.isGroupKind()) {
                fields->group.setAsString(kind.group);
                ++result.groupLines;
            } else {
                fields->write(applyIslandLine(format, line, fields->read()));
                ++result.islandLines;
            }
            table.Post();
        } else {
            ++result.passedOver;
        }
        gauge.advance(step);
    }
}

}  // namespace

KindLinesResult applyRecordKinds(store::Table& table, const TextLines& lines, const StartCounts& counts,
                                 const IslandLineFormat& format, Gauge& gauge) {
    KindLinesResult result;
    const std::array<TextLines, 13> kindLines = findRecordKindLines(lines);
    for (size_t k = 0; k < recordKinds().size(); ++k) {
        const RecordKind& kind = recordKinds()[k];
        gauge.start(kind.importCaption);
        // Closed first: the last table need not be read again unfiltered.
        table.Close();
        table.setFiltered(false);
        gauge.advance(2);
        applyKind(table, kind, kindLines[k], counts[kind.tablePlace()], format, gauge, result);
    }
    table.Close();
    table.setFiltered(false);
    table.setFilter(QString());
    return result;
}
