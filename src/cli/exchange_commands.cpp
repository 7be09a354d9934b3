#include <QDir>

#include "base/clock.h"
#include "base/text_file.h"
#include "cli/batch_write.h"
#include "cli/open_data_folder.h"
#include "cli/subcommand.h"
#include "exchange/member_import.h"
#include "exchange/update_export.h"

namespace {

void importMember(const Arguments& arguments, QTextStream& out) {
    // The file is read, and refused when it is none, before the data folder is taken.
    Gauge silent;
    const TextLines lines = readMemberFile(arguments[0], silent);
    OpenDataFolder folder;
    const MemberImportResult result = BatchWrite(arguments, "import-member").write(folder, [&] {
        return importMemberLines(folder.database, folder.table, lines, folder.start.counts, silent);
    });
    out << "Imported " << QDir::toNativeSeparators(arguments[0]) << ": " << result.ownerRows << " owner rows, "
        << result.awardLines << " award lines, " << result.islandLines << " island lines, " << result.groupLines
        << " group lines; " << result.passedOver << " lines passed over\n";
}

// The callsign and directory number come from the start, as in the program: an import run
// before does not change them until the next start.
void exportUpdate(const Arguments& arguments, QTextStream& out) {
    requireRegularFile(arguments[0]);
    OpenDataFolder folder;
    const UpdateFile file = exportUpdateFile(folder.database, folder.table, arguments[0], folder.start.ownerCallsign,
                                             folder.start.ownerDirectoryNo, SystemClock());
    folder.database.close();
    out << "Exported " << QDir::toNativeSeparators(arguments[0]) << ": " << file.islandLines << " island lines, "
        << file.awardLines << " award lines\n";
}

}  // namespace

std::vector<Subcommand> exchangeSubcommands() {
    return {
        {"import-member", {positional("FILE"), kNoBackup}, "import a member file from the checkpoint", importMember},
        {"export", {positional("FILE")}, "write the checkpoint update file and note its date", exportUpdate},
    };
}
