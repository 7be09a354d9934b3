#include "reports/award_summary.h"

#include <QStringList>
#include <array>
#include <optional>

#include "register/codes.h"
#include "register/store/table.h"
#include "register/store/table_names.h"

namespace reports {

namespace {

// The filters of the six counted values a, c, w, ac, acw, tot. A value without a filter is not
// counted but added up from the single counts once all tables of the area are counted.
using CountFilters = std::array<std::optional<QString>, 6>;

constexpr std::array<int SummaryCounts::*, 6> kCountedValues{
    &SummaryCounts::a,  &SummaryCounts::c,   &SummaryCounts::w,
    &SummaryCounts::ac, &SummaryCounts::acw, &SummaryCounts::tot,
};

// The continents as the summaries caption them, in the order of continents().
const std::array<QString, 7> kContinentCaptions{"Africa",       "Antarctica", "Asia",        "Europe",
                                                "Northamerica", "Oceania",    "Southamerica"};

struct GroupArea {
    QString key;
    QString caption;
    QString code;
    QStringList tables;
};

const std::array<GroupArea, 3>& groupAreas() {
    static const std::array<GroupArea, 3> groups{{
        {"ai", "Arctic Islands", group::Arctic, {kEuropeTable, kAsiaTable, kNorthAmericaTable}},
        {"bi", "British Isles", group::BritishIsles, {kEuropeTable}},
        {"wi", "West Indies", group::WestIndies, {kNorthAmericaTable, kSouthAmericaTable}},
    }};
    return groups;
}

// How far each summary advances the gauge: after each of the first six continents, after the sum
// row, after each table of a group and after each group row.
struct ProgressPlan {
    int afterContinent;
    int afterSum;
    std::array<std::vector<int>, 3> afterGroupTable;
    std::array<int, 3> afterGroupRow;
};

const ProgressPlan& progressPlan(SummaryKind kind) {
    static const ProgressPlan continental{14, 15, {}, {}};
    static const ProgressPlan groups{0, 0, {{{16, 16, 0}, {0}, {17, 17}}}, {17, 17, 0}};
    static const ProgressPlan printed{11, 11, {}, {11, 0, 11}};
    switch (kind) {
        case SummaryKind::Continental:
            return continental;
        case SummaryKind::Group:
            return groups;
        case SummaryKind::Printed:
            break;
    }
    return printed;
}

// The continent literals. The commands spell some of them differently (the order of the
// statuses in acw and in Africa's printed tot); they select the same records.
CountFilters continentFilters(SummaryKind kind, bool africa) {
    const bool printed = kind == SummaryKind::Printed;
    return {
        QStringLiteral("Status = 'A'"),
        QStringLiteral("Status = 'C'"),
        QStringLiteral("Status = 'W'"),
        QStringLiteral("Status = 'A' or Status = 'C'"),
        printed || africa ? QStringLiteral("Status = 'A' or Status = 'C' or Status = 'W'")
                          : QStringLiteral("Status = 'A' or Status = 'W' or Status = 'C'"),
        printed && africa ? QStringLiteral("Status = 'A' or Status = 'W' or Status = 'C' or Status = '-'")
                          : QStringLiteral("Status = 'A' or Status = 'C' or Status = 'W' or Status = '-'"),
    };
}

// The group literals; the screen's tot has a double blank, and the printed summary adds up ac
// and acw for Arctic Islands and West Indies instead of counting them.
CountFilters groupFilters(SummaryKind kind, const QString& code) {
    const bool printed = kind == SummaryKind::Printed;
    const QString andGroup = QStringLiteral(" and ABW = ") + store::quoted(code);
    const QString totHead = printed ? QStringLiteral("(Status = 'A' or Status = 'C' or Status = 'W' or Status = '-')")
                                    : QStringLiteral("(Status = 'A' or Status = 'C'  or Status = 'W' or Status = '-')");
    CountFilters filters{
        QStringLiteral("Status = 'A'") + andGroup,
        QStringLiteral("Status = 'C'") + andGroup,
        QStringLiteral("Status = 'W'") + andGroup,
        QStringLiteral("(Status = 'A' or Status = 'C')") + andGroup,
        QStringLiteral("(Status = 'A' or Status = 'C' or Status = 'W')") + andGroup,
        totHead + QStringLiteral("and ABW = ") + store::quoted(code),
    };
    if (printed && code != group::BritishIsles) filters[3] = filters[4] = std::nullopt;
    return filters;
}

SummaryCounts countArea(store::Table& table, const QStringList& tables, const CountFilters& filters,
                        const std::vector<int>& progressAfterTable, const std::function<void(int points)>& advance) {
    SummaryCounts counts;
    for (int t = 0; t < tables.size(); ++t) {
        for (size_t value = 0; value < filters.size(); ++value)
            if (filters[value]) counts.*kCountedValues[value] += countRecords(table, tables[t], *filters[value]);
        if (t < int(progressAfterTable.size())) advance(progressAfterTable[t]);
    }
    if (!filters[3]) counts.ac = counts.a + counts.c;
    if (!filters[4]) counts.acw = counts.a + counts.c + counts.w;
    return counts;
}

}  // namespace

int countRecords(store::Table& Table1, const QString& tableName, const QString& filter) {
    Table1.Close();
    if (Table1.TableName() != tableName) Table1.setTableName(tableName);
    Table1.setFilter(filter);
    Table1.setFiltered(true);
    Table1.Open();
    const int count = Table1.RecordCount();
    Table1.Close();
    return count;
}

std::vector<SummaryRow> countSummary(store::Table& Table1, SummaryKind kind, BatchProgress& shownOn) {
    const ProgressPlan& progress = progressPlan(kind);
    const std::function<void(int points)> step = [&shownOn](int points) {
        if (points != 0) shownOn.advance(points);
    };
    std::vector<SummaryRow> rows;
    if (kind != SummaryKind::Group) {
        SummaryCounts sum;
        for (int i = 0; i < int(continents().size()); ++i) {
            const Continent& continent = continents()[i];
            const SummaryCounts counts =
                countArea(Table1, {continent.tableName}, continentFilters(kind, i == 0), {}, step);
            rows.push_back({continent.code.toLower(), kContinentCaptions[i], counts});
            sum += counts;
            if (i < 6) step(progress.afterContinent);
        }
        rows.push_back({"tot", kind == SummaryKind::Printed ? "Total score" : "Sum", sum});
        step(progress.afterSum);
    }
    if (kind != SummaryKind::Continental) {
        for (int g = 0; g < int(groupAreas().size()); ++g) {
            const GroupArea& area = groupAreas()[g];
            const SummaryCounts counts =
                countArea(Table1, area.tables, groupFilters(kind, area.code), progress.afterGroupTable[g], step);
            rows.push_back({area.key, area.caption, counts});
            step(progress.afterGroupRow[g]);
        }
    }
    return rows;
}

}  // namespace reports
