#include "exchange/member_import.h"

#include <QDir>
#include <algorithm>
#include <vector>

#include "base/failure.h"
#include "base/text_file.h"
#include "exchange/award_lines.h"
#include "exchange/island_rules.h"
#include "exchange/line_format.h"
#include "exchange/owner_lines.h"
#include "exchange/record_kind_lines.h"
#include "exchange/record_kinds.h"
#include "register/codes.h"
#include "register/owner_table.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "register/store/table_names.h"

namespace {

// The owner phase: each keyword in turn, with the gauge step after each row it writes. With
// the 12 of the reading and the 2 of the award phase the steps add up to 101. "COUNTY" is not
// read: the county is only ever the user's own.
struct OwnerPhaseRow {
    const char* keyword;
    std::vector<int> steps;
};

const std::vector<OwnerPhaseRow>& ownerPhase() {
    static const std::vector<OwnerPhaseRow> rows = {
        {"CALLSIGN", {3}},
        {"DIRNUM", {3}},
        {"CHECKPT", {3}},
        {"DATE", {3}},
        {"NAME", {1}},
        {"CERTNAME", {2}},
        {"ADDRESS1", {3}},
        {"ADDRESS2", {3}},
        {"ADDRESS3", {3}},
        {"POSTTOWN", {3}},
        {"POSTCODE", {3}},
        {"COUNTRY", {3}},
        {"HPHONE", {3}},
        {"WPHONE", {3}},
        {"FAX", {3}},
        {"EMAIL", {3}},
        {"COMMENT1", {3}},
        {"COMMENT2", {3}},
        {"MODES", {3}},
        {"STATUS", {3, 3, 3, 3, 3, 3, 5, 5, 3, 0}},
        {"PREVCALL", {0, 0, 0, 2}},
    };
    return rows;
}

const QString kOwnerCaption = QStringLiteral("Importing owner data");
// The gauge shows the file read twice, to count its lines and to keep them; once is enough here.
constexpr int kReadingSteps[] = {6, 6};
constexpr int kAwardPhaseStep = 2;
constexpr int kAwardsPlace = 7;  // "Awards" follows the seven island tables in the start counts

int importOwnerRows(store::Table& table, const TextLines& lines, Gauge& gauge) {
    int written = 0;
    for (const OwnerPhaseRow& row : ownerPhase()) {
        const QList<OwnerValue> values = readOwnerValues(ownerKeyword(QLatin1String(row.keyword)), lines);
        for (qsizetype i = 0; i < values.size(); ++i) {
            owner::writeValue(table, values[i].row, values[i].value);
            gauge.advance(row.steps.at(i));
            ++written;
        }
    }
    return written;
}

void importAwards(store::Table& table, const TextLines& lines, int startCount, MemberImportResult& result) {
    const TextLines awardLines = findKindLines(lines, QLatin1String(kAwardKindText));
    table.Close();
    table.setTableName(kAwardsTable);
    table.setReadOnly(false);
    table.setFilter(QString());
    table.setFiltered(false);
    table.Open();
    for (qsizetype k = 1; k <= awardLines.size(); ++k) {
        if (k > startCount || !table.Locate(kNoField, QString::number(k))) {
            ++result.passedOver;
            continue;
        }
        const AwardColumns award = readAwardLine(awardLines[k - 1]);
        table.Edit();
        table.FieldByName(kAwardNameField).setAsString(award.name);
        table.FieldByName(kAwardTitleField).setAsString(award.title);
        table.FieldByName(kAwardNumberField).setAsString(award.number);
        table.FieldByName(kAwardIssuedField).setAsString(award.issued);
        table.Post();
        ++result.awardLines;
    }
    table.Close();
}

// The bare keywords a line of a member file begins with: the owner keywords, "AWARD" and the
// keywords of the island and group lines.
QStringList memberKeywords() {
    QStringList keywords;
    for (const OwnerKeyword& owner : ownerKeywords()) keywords << owner.keyword;
    keywords << QLatin1String(kAwardKindText).trimmed();
    for (const RecordKind& kind : recordKinds()) keywords << kind.text.left(kKeywordWidth).trimmed();
    keywords.removeDuplicates();
    return keywords;
}

bool beginsWithMemberKeyword(const QString& line) {
    static const QStringList keywords = memberKeywords();
    for (const QString& keyword : keywords)
        if (hasKeywordColumn(line, keyword)) return true;
    return false;
}

// A keyword missing from a member file empties its row; a file without any is no member file
// (a log, a CSV file, a file saved as UTF-16 without its byte order mark), and would empty them all.
void requireMemberFile(const QString& fileName, const TextLines& lines) {
    for (const QString& line : lines)
        if (beginsWithMemberKeyword(line)) return;
    throw Failure(QStringLiteral("Cannot import %1: it is no member file (no line begins with a member file keyword "
                                 "such as CALLSIGN, NAME, AWARD or ISLAND); nothing was changed. Choose the member "
                                 "file (*.mbr) from the checkpoint")
                      .arg(QDir::toNativeSeparators(fileName)));
}

}  // namespace

TextLines readMemberFile(const QString& fileName, Gauge& gauge) {
    gauge.start(kOwnerCaption);
    TextLines lines = readTextLines(fileName);
    requireMemberFile(fileName, lines);
    for (const int step : kReadingSteps) gauge.advance(step);
    return lines;
}

MemberImportResult importMemberLines(store::Database& database, store::Table& table, const TextLines& lines,
                                     const StartCounts& counts, Gauge& gauge) {
    store::Database::Transaction transaction(database);
    MemberImportResult result;
    result.ownerRows = importOwnerRows(table, lines, gauge);
    importAwards(table, lines, counts[kAwardsPlace], result);
    gauge.advance(kAwardPhaseStep);
    const KindLinesResult islands = applyRecordKinds(table, lines, counts, memberIslandLines(), gauge);
    result.islandLines = islands.islandLines;
    result.groupLines = islands.groupLines;
    result.passedOver += islands.passedOver;
    transaction.commit();
    return result;
}

MemberImportResult importMemberFile(store::Database& database, store::Table& table, const QString& fileName,
                                    const StartCounts& counts, BatchProgress& progress) {
    Gauge gauge(progress);
    const TextLines lines = readMemberFile(fileName, gauge);
    return importMemberLines(database, table, lines, counts, gauge);
}
