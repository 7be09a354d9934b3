#include <QDir>

#include "app/failure.h"
#include "cli/subcommand.h"
#include "register/delivered_data.h"
#include "register/iota_list.h"

namespace {

void init(const QStringList& arguments, QTextStream& out) {
    requireArgumentCount(arguments, 0, "init");
    const std::vector<ListedIsland> islands = readIotaTable(QLatin1String(kDebianIotaList));
    if (islands.empty())
        throw Failure(QStringLiteral("%1 lists no island references; reinstall the package cqrlog-data")
                          .arg(QLatin1String(kDebianIotaList)));
    createDeliveredDataFolder(QDir::currentPath(), islands);
    out << "Created " << QDir::toNativeSeparators(QDir::current().filePath(QStringLiteral("Data"))) << " with "
        << islands.size() << " listed references\n";
}

}  // namespace

std::vector<Subcommand> dataFolderSubcommands() {
    return {
        {"init", "init", "create ./Data with the delivered tables from Debian's IOTA list", init},
    };
}
