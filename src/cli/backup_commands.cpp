#include <QDir>

#include "backup/backups.h"
#include "base/paths.h"
#include "cli/open_data_folder.h"
#include "cli/subcommand.h"

namespace {

// One line per backup, newest first: id, date, command, size in bytes, tab-separated.
void listBackups(const Arguments&, QTextStream& out) {
    for (const backup::Backup& backup : backup::listBackups(Paths::current().dataFolder()))
        out << backup.name.id() << '\t' << backup.name.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << '\t'
            << backup.name.command << '\t' << backup.size << '\n';
}

void backUpByHand(const Arguments&, QTextStream& out) {
    OpenDataFolder folder;
    const backup::Backup made = backup::beforeCommand(folder.database, QStringLiteral("backup"));
    folder.database.close();
    out << "Backed up as " << made.name.id() << " (" << QDir::toNativeSeparators(made.fileName) << ")\n";
}

// The folder is not opened as the other subcommands open it: its database may be the very thing
// that is lost.
void restoreBackup(const Arguments& arguments, QTextStream& out) {
    store::Database database(Paths::current().dataFolder());
    const backup::Restored restored = backup::restore(database, arguments[0]);
    database.close();
    out << "Restored " << arguments[0];
    if (restored.before) out << "; the tables as they were are in backup " << restored.before->name.id();
    if (!restored.movedAside.isEmpty())
        out << "; the damaged database was moved aside as " << QDir::toNativeSeparators(restored.movedAside);
    out << '\n';
}

}  // namespace

std::vector<Subcommand> backupSubcommands() {
    return {
        {"backups", {}, "list the backups in ./Data/Backups, newest first (id, date, command, size)", listBackups},
        {"backup", {}, "back up the tables into ./Data/Backups", backUpByHand},
        {"restore", {positional("ID")}, "put a backup in place of the tables, backing them up first", restoreBackup},
    };
}
