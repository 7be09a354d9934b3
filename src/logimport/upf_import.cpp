#include "logimport/upf_import.h"

#include <QSet>
#include <vector>

#include "logimport/upf_line.h"
#include "register/codes.h"
#include "register/reference_record.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "register/store/table_names.h"

namespace {

constexpr int kGaugeStepPerPass = 14;

// The fields a contact writes, looked up once the pass has its table open.
struct ContactFields {
    explicit ContactFields(store::Table& table)
        : call(table.FieldByName(kCallField)),
          status(table.FieldByName(kStatusField)),
          comment(table.FieldByName(kCommentField)) {}

    store::Field call;
    store::Field status;
    store::Field comment;
};

// For each line, a bit per continent (in the order of continents()) whose code word 1 holds:
// word 1 is found once per line, not once per pass.
std::vector<quint8> continentsOfWords(const TextLines& lines) {
    static_assert(std::tuple_size_v<std::decay_t<decltype(continents())>> <= 8, "a bit per continent");
    const auto& codes = continents();
    std::vector<quint8> masks(size_t(lines.size()), 0);
    for (qsizetype row = 0; row < lines.size(); ++row) {
        const QString line = lines[row];
        const QStringView word = upfReferenceWord(line);
        for (size_t c = 0; c < codes.size(); ++c)
            if (word.contains(codes[c].code)) masks[size_t(row)] |= quint8(1u << c);
    }
    return masks;
}

int runContinentPass(store::Table& table, int continentPlace, const TextLines& lines,
                     const std::vector<quint8>& wordContinents, ImportMode mode) {
    const Continent& continent = continents()[size_t(continentPlace)];
    beginReferencePass(table, continent.tableName);
    // A reference looked at once holds its final state for this import: written ("W" or "C",
    // which the decision table never overwrites), left alone, or without a record.
    QSet<QString> lookedAt;
    std::optional<ContactFields> fields;
    int written = 0;
    for (qsizetype row = 0; row < lines.size(); ++row) {
        if (!(wordContinents[size_t(row)] & (1u << continentPlace))) continue;
        const QString line = lines[row];
        const QString reference = normaliseReference(upfReferenceWord(line).toString(), continent.code);
        const UpfContact contact = splitCallAndComment(line);
        if (isNoContact(contact.callsign) || lookedAt.contains(reference)) continue;
        lookedAt.insert(reference);
        if (!standOnReference(table, reference)) continue;
        if (!fields) fields.emplace(table);
        const std::optional<QString> status = upfStatusToWrite(fields->status.AsString(), mode);
        if (!status) continue;
        table.Edit();
        fields->call.setAsString(contact.callsign);
        fields->status.setAsString(*status);
        fields->comment.setAsString(contact.comment);
        table.Post();
        ++written;
    }
    table.Close();
    return written;
}

}  // namespace

int importUpf(store::Database& database, store::Table& table, const TextLines& lines, ImportMode mode,
              BatchProgress& progress) {
    store::Database::Transaction batch(database);
    const std::vector<quint8> wordContinents = continentsOfWords(lines);
    int gauge = 0;
    int written = 0;
    for (int place = 0; place < int(continents().size()); ++place) {
        gauge += kGaugeStepPerPass;
        progress.setValue(gauge);
        written += runContinentPass(table, place, lines, wordContinents, mode);
    }
    batch.commit();
    return written;
}
