#pragma once

#include <QString>
#include <array>
#include <optional>

namespace reports {

// The counted values of one summary row: approved, claimed, worked, the two running sums and
// the qualifying islands. Each is a number of island records.
struct SummaryCounts {
    int a = 0;
    int c = 0;
    int w = 0;
    int ac = 0;
    int acw = 0;
    int tot = 0;

    SummaryCounts& operator+=(const SummaryCounts& other);
    bool operator==(const SummaryCounts&) const = default;
};

// One column of a summary row, keyed as its value labels are (L_eu_acw, QRL_ai_pw). A count
// column shows the count; a percentage column shows the share of its count in tot.
struct SummaryColumn {
    QString key;
    int SummaryCounts::*count;
    bool percentage;
};

// The eight columns in their order: a, c, w, ac, p, acw, pw, tot.
const std::array<SummaryColumn, 8>& summaryColumns();

// The share of a count in the qualifying islands in whole per cent: the quotient and the product
// with 100 in x86 extended precision, the product rounded to the nearest whole number with an
// exact half going to the even neighbour. None when there is no qualifying island.
std::optional<int> wholePercent(int count, int total);

// The percentage label text "( N% )", or "( - )" when there is no qualifying island.
QString percentText(int count, int total);

// The text of one column of a row as the summary labels show it.
QString cellText(const SummaryCounts& counts, const SummaryColumn& column);

}  // namespace reports
