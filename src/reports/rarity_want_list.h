#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

#include "reports/award_summary.h"
#include "reports/want_list.h"

namespace store {
class Table;
}

namespace reports {

// "&Want List (short)" > "by &rarity": the needed references, rarest first.
const WantListKind& rarityWantListKind();

// The entry of one reference with the percentage of members credited with it: two spaces, the
// reference, a space and the percentage with one decimal, right-aligned in six characters
// ("  OC-123   0.8%"); "   n/a" where the list gave no share. 15 characters for EU-005.
QString rarityWantListEntry(const QString& reference, std::optional<double> credited);

// The want list of needed references by rarity: the seven continent sections under their
// headings as the other want lists have them, each continent's references ordered by the share
// of members credited, lowest first, then by reference; references without a share come last.
// 11 entries a line. Reads the tables through the handle and leaves it open on the last one.
// Fails saying how to get the shares when `credited` is empty.
QStringList rarityWantListText(store::Table& Table1, const QHash<QString, double>& credited,
                               BatchProgress& progress = BatchProgress::none());

}  // namespace reports
