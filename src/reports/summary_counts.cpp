#include "reports/summary_counts.h"

#include <cmath>
#include <limits>

namespace reports {

// The percentages must round as the award programme's own arithmetic does: 59 of 200 gives
// 29 because the extended quotient for 0.295 lies just below it.
static_assert(std::numeric_limits<long double>::digits == 64,
              "summary percentages need the x86 80-bit extended type for long double");

SummaryCounts& SummaryCounts::operator+=(const SummaryCounts& other) {
    a += other.a;
    c += other.c;
    w += other.w;
    ac += other.ac;
    acw += other.acw;
    tot += other.tot;
    return *this;
}

const std::array<SummaryColumn, 8>& summaryColumns() {
    static const std::array<SummaryColumn, 8> columns{{
        {"a", &SummaryCounts::a, false},
        {"c", &SummaryCounts::c, false},
        {"w", &SummaryCounts::w, false},
        {"ac", &SummaryCounts::ac, false},
        {"p", &SummaryCounts::ac, true},
        {"acw", &SummaryCounts::acw, false},
        {"pw", &SummaryCounts::acw, true},
        {"tot", &SummaryCounts::tot, false},
    }};
    return columns;
}

std::optional<int> wholePercent(int count, int total) {
    if (total == 0) return std::nullopt;
    const long double quotient = static_cast<long double>(count) / static_cast<long double>(total);
    const long double product = quotient * 100.0L;
    const long double whole = std::floor(product);
    const long double fraction = product - whole;
    const bool odd = std::fmod(whole, 2.0L) != 0.0L;
    const bool up = fraction > 0.5L || (fraction == 0.5L && odd);
    return static_cast<int>(up ? whole + 1.0L : whole);
}

QString percentText(int count, int total) {
    const std::optional<int> percent = wholePercent(count, total);
    return percent ? QStringLiteral("( %1% )").arg(*percent) : QStringLiteral("( - )");
}

QString cellText(const SummaryCounts& counts, const SummaryColumn& column) {
    const int count = counts.*column.count;
    return column.percentage ? percentText(count, counts.tot) : QString::number(count);
}

}  // namespace reports
