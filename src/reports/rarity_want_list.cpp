#include "reports/rarity_want_list.h"

#include <algorithm>
#include <vector>

#include "base/failure.h"
#include "register/codes.h"
#include "register/store/table.h"
#include "register/store/table_names.h"

namespace reports {

namespace {

constexpr int kEntriesPerLine = 11;

struct NeededReference {
    QString reference;
    std::optional<double> credited;
};

// Rarest first; a reference the list gave no share sorts after every one it did.
bool rarerThan(const NeededReference& a, const NeededReference& b) {
    if (a.credited.has_value() != b.credited.has_value()) return a.credited.has_value();
    if (a.credited && *a.credited != *b.credited) return *a.credited < *b.credited;
    return a.reference < b.reference;
}

std::vector<NeededReference> neededReferences(store::Table& Table1, const QString& tableName,
                                              const QHash<QString, double>& credited) {
    Table1.Close();
    Table1.setTableName(tableName);
    Table1.setFilter(rarityWantListKind().filter);
    Table1.setFiltered(true);
    Table1.Open();
    const int reference = Table1.requiredFieldIndex(kIotaField);
    std::vector<NeededReference> needed;
    for (int row = 0; row < Table1.RecordCount(); ++row) {
        const QString iota = Table1.valueAt(row, reference);
        const auto share = credited.constFind(iota);
        needed.push_back({iota, share == credited.cend() ? std::nullopt : std::optional<double>(*share)});
    }
    std::stable_sort(needed.begin(), needed.end(), rarerThan);
    return needed;
}

void addSection(QStringList& memo, const QString& heading, const std::vector<NeededReference>& needed) {
    memo << heading;
    QString line;
    int entries = 0;
    for (const NeededReference& entry : needed) {
        if (++entries > kEntriesPerLine) {
            memo << line;
            line.clear();
            entries = 1;
        }
        line += rarityWantListEntry(entry.reference, entry.credited);
    }
    memo << line << QString();
}

}  // namespace

const WantListKind& rarityWantListKind() {
    static const WantListKind kind{"by &rarity", "Status = '-'", " / rarest first, % of members credited"};
    return kind;
}

QString rarityWantListEntry(const QString& reference, std::optional<double> credited) {
    const QString share = credited ? QString::number(*credited, 'f', 1) + u'%' : QStringLiteral("n/a");
    return QStringLiteral("  ") + reference + u' ' + share.rightJustified(6);
}

QStringList rarityWantListText(store::Table& Table1, const QHash<QString, double>& credited, BatchProgress& progress) {
    if (credited.isEmpty())
        throw Failure(QStringLiteral(
            "The data folder holds no rarity yet: import the award programme's island list (groups.json) with "
            "the menu \"6 Update Database\" > \"... from IOTA list (JSON)\" or \"skerrydesk-cli import-list FILE\" "
            "first"));
    QStringList memo;
    for (size_t i = 0; i < continents().size(); ++i) {
        addSection(memo, wantListHeadings()[i], neededReferences(Table1, continents()[i].tableName, credited));
        progress.advance(i + 1 < continents().size() ? 14 : 16);
    }
    return memo;
}

}  // namespace reports
