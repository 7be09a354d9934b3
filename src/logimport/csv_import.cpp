#include "logimport/csv_import.h"

#include <optional>

#include "logimport/csv_contact.h"
#include "register/codes.h"
#include "register/reference_record.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "register/store/table_names.h"

namespace {

int runContinentPass(store::Table& table, const Continent& continent, const TextLines& lines, int recordLimit) {
    ReferencePass pass(table, continent.tableName);
    const QByteArray marker = csvContinentMarker(continent.code).toLatin1();
    // Looked up once the pass has its table open.
    std::optional<store::Field> call;
    std::optional<store::Field> status;
    int counted = 0;
    int written = 0;
    for (qsizetype row = 0; row < lines.size(); ++row) {
        if (!lines.lineContains(row, QLatin1StringView(marker))) continue;
        // Lines beyond the table's start count change nothing, whether or not their reference has a record.
        if (++counted > recordLimit) break;
        const CsvContact contact = readCsvContact(lines[row]);
        if (!pass.standOn(contact.reference)) continue;
        if (!call) {
            call.emplace(table.FieldByName(kCallField));
            status.emplace(table.FieldByName(kStatusField));
        }
        table.Edit();
        call->setAsString(contact.callsign);
        status->setAsString(contact.status);
        table.Post();
        ++written;
    }
    pass.close();
    return written;
}

}  // namespace

int importCsv(store::Database& database, store::Table& table, const TextLines& lines, const StartCounts& startCounts) {
    store::Database::Transaction batch(database);
    int written = 0;
    for (size_t i = 0; i < continents().size(); ++i)
        written += runContinentPass(table, continents()[i], lines, startCounts[i]);
    batch.commit();
    return written;
}
