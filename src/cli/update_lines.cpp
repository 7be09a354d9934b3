#include "cli/update_lines.h"

#include "listupdate/list_update.h"

void applyUpdateLines(const BatchWrite& batch, const TextLines& lines, QTextStream& out) {
    OpenDataFolder folder;
    const KindLinesResult result =
        batch.write(folder, [&] { return applyListUpdate(folder.database, folder.table, lines, folder.start.counts); });
    out << result.islandLines << " island lines and " << result.groupLines << " group lines applied, "
        << result.passedOver << " passed over\n";
}
