#include "logimport/upf_import.h"

#include <QSet>

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

int runContinentPass(store::Table& table, const Continent& continent, const QStringList& lines,
                     const QList<QStringView>& words, ImportMode mode) {
    beginReferencePass(table, continent.tableName);
    // A reference looked at once holds its final state for this import: written ("W" or "C",
    // which the decision table never overwrites), left alone, or without a record.
    QSet<QString> lookedAt;
    std::optional<ContactFields> fields;
    int written = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!words[i].contains(continent.code)) continue;
        const QString reference = normaliseReference(words[i].toString(), continent.code);
        const UpfContact contact = splitCallAndComment(lines[i]);
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

int importUpf(store::Database& database, store::Table& table, const QStringList& lines, ImportMode mode,
              BatchProgress& progress) {
    store::Database::Transaction batch(database);
    QList<QStringView> words;
    words.reserve(lines.size());
    for (const QString& line : lines) words << upfReferenceWord(line);
    int gauge = 0;
    int written = 0;
    for (const Continent& continent : continents()) {
        gauge += kGaugeStepPerPass;
        progress.setValue(gauge);
        written += runContinentPass(table, continent, lines, words, mode);
    }
    batch.commit();
    return written;
}
