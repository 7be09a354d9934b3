#include "reports/want_list.h"

#include "register/codes.h"
#include "register/store/table.h"
#include "register/store/table_names.h"

namespace reports {

namespace {

constexpr int kEntriesPerLine = 19;

}  // namespace

const std::array<QString, 7>& wantListHeadings() {
    static const std::array<QString, 7> headings{
        "Africa:", "Antarctica:", "Asia:", "Europe:", "Northamerica:", "Oceania:", "Southamerica:"};
    return headings;
}

const std::array<WantListKind, 2>& wantListKinds() {
    static const std::array<WantListKind, 2> kinds{{
        {"&needed (-)", "Status = '-'", ""},
        {"n&eeded (-/W)", "Status = '-' or Status = 'W'", " / ( )=worked!"},
    }};
    return kinds;
}

QString wantListEntry(const QString& reference, const QString& status) {
    return status == status::Worked ? QStringLiteral(" (") + reference + u')' : QStringLiteral("  ") + reference + u' ';
}

void WantListAdd(store::Table& Table1, QStringList& QRMemo1, const QString& heading, const QString& tableName,
                 const QString& filter) {
    QRMemo1 << heading;
    Table1.Close();
    Table1.setTableName(tableName);
    Table1.setFilter(filter);
    Table1.setFiltered(true);
    Table1.Open();
    const int count = Table1.RecordCount();
    QString line;
    int entries = 0;
    for (int i = 0; i < count; ++i) {
        const QString entry =
            wantListEntry(Table1.FieldByName(kIotaField).AsString(), Table1.FieldByName(kStatusField).AsString());
        if (++entries > kEntriesPerLine) {
            QRMemo1 << line;
            line.clear();
            entries = 1;
        }
        line += entry;
        Table1.Next();
    }
    QRMemo1 << line << QString();
}

QStringList wantListText(store::Table& Table1, const WantListKind& kind, BatchProgress& progress) {
    QStringList memo;
    for (size_t i = 0; i < continents().size(); ++i) {
        WantListAdd(Table1, memo, wantListHeadings()[i], continents()[i].tableName, kind.filter);
        progress.advance(i + 1 < continents().size() ? 14 : 16);
    }
    return memo;
}

QString wantListHeader(const QString& ownerCallsign, const QString& dateTime, const WantListKind& kind) {
    return QStringLiteral("Want List for ") + ownerCallsign + QStringLiteral(" as of ") + dateTime + kind.headerSuffix;
}

}  // namespace reports
