#include "exchange/export_lines.h"

#include <vector>

#include "exchange/line_format.h"
#include "exchange/owner_lines.h"
#include "register/codes.h"

namespace {

enum class WordSource { NoLine, Call, Fixed };

struct ExportWordRow {
    QStringList statuses;  // empty: any other status
    WordSource source;
    QString word;
};

// The export table: a record's status to the word of its call column.
const std::vector<ExportWordRow>& exportWords() {
    static const std::vector<ExportWordRow> rows = {
        {{status::Unallocated}, WordSource::NoLine, {}},
        {{status::Claimed, status::Approved}, WordSource::Call, {}},
        {{status::Deleted}, WordSource::Fixed, "DELETED"},
        {{status::Needed}, WordSource::Fixed, "NONE"},
        {{}, WordSource::Fixed, "NONE"},
    };
    return rows;
}

constexpr int kCallColumnWidth = 14;
constexpr int kAwardNameWidth = 13;
constexpr int kAwardNumberWidth = 5;
constexpr int kAwardIssuedWidth = 8;
const QString kNoAwardNumber = QStringLiteral("NONE");
constexpr ColumnSpan kDateParts[] = {{1, 2}, {4, 2}, {9, 2}};

QString asOneLine(QString line) {
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    return line;
}

QString ownerLineValue(const OwnerKeyword& keyword, const OwnerLineValues& values) {
    switch (keyword.source) {
        case OwnerLineSource::OwnerCallsign:
            return values.ownerCallsign.toUpper();
        case OwnerLineSource::OwnerDirectoryNo:
            return values.ownerDirectoryNo;
        case OwnerLineSource::DateText:
            return values.dateText;
        case OwnerLineSource::FirstTwoOfRow:
            return values.rows.value(keyword.row).left(2);
        case OwnerLineSource::Row:
            break;
    }
    switch (keyword.kind) {
        case OwnerValueKind::Flags:
            return QString::number(flagNumber(values.rows));
        case OwnerValueKind::Mode:
            return QString::number(modeCode(values.rows.value(keyword.row)));
        case OwnerValueKind::PreviousCalls:
            return joinPreviousCalls(values.rows);
        case OwnerValueKind::Text:
            break;
    }
    return values.rows.value(keyword.row);
}

}  // namespace

QStringList ownerLines(const OwnerLineValues& values) {
    QStringList lines;
    for (const OwnerKeyword& keyword : ownerKeywords())
        lines << asOneLine(keywordColumn(keyword.keyword) + ownerLineValue(keyword, values));
    return lines;
}

std::optional<QString> exportWord(const QString& status, const QString& call) {
    for (const ExportWordRow& row : exportWords()) {
        if (!row.statuses.isEmpty() && !row.statuses.contains(status)) continue;
        if (row.source == WordSource::NoLine) return std::nullopt;
        return row.source == WordSource::Call ? call : row.word;
    }
    return std::nullopt;
}

std::optional<QString> islandLine(const QString& reference, const QString& status, const QString& call,
                                  const QString& comment) {
    const std::optional<QString> word = exportWord(status, call);
    if (!word) return std::nullopt;
    return asOneLine(keywordColumn(QStringLiteral("ISLAND")) + reference + u' ' + fixedWidth(*word, kCallColumnWidth) +
                     u' ' + (comment.isEmpty() ? QStringLiteral(" ") : comment));
}

std::optional<QString> awardLine(const QString& name, const QString& number, const QString& issued) {
    if (name.isEmpty()) return std::nullopt;
    QString line = keywordColumn(QStringLiteral("AWARD")) + fixedWidth(name, kAwardNameWidth) + u' ';
    if (number != kNoAwardNumber)
        line += fixedWidth(number, kAwardNumberWidth) + u' ' + fixedWidth(issued, kAwardIssuedWidth);
    return asOneLine(line);
}

QString exportDateText(const QString& dateTimeText) {
    QStringList parts;
    for (const ColumnSpan part : kDateParts) parts << columnText(dateTimeText, part);
    return parts.join(u'-');
}
