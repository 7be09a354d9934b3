#include <QDir>

#include "base/failure.h"
#include "base/text_file.h"
#include "cli/subcommand.h"
#include "listupdate/listed_islands.h"
#include "register/delivered_data.h"
#include "register/iota_list.h"

namespace {

constexpr const char* kInitUsage = "init [--list FILE]";

int initFromDebianList() {
    const std::vector<ListedIsland> islands = readIotaTable(QLatin1String(kDebianIotaList));
    if (islands.empty())
        throw Failure(QStringLiteral("%1 lists no island references; reinstall the package cqrlog-data")
                          .arg(QLatin1String(kDebianIotaList)));
    createDeliveredDataFolder(QDir::currentPath(), islands);
    return int(islands.size());
}

int initFromUpdateText(const QString& fileName) {
    const TextLines lines = readTextLines(fileName);
    if (listedIslands(lines).empty())
        throw Failure(QStringLiteral("%1 lists no island references; nothing was created")
                          .arg(QDir::toNativeSeparators(fileName)));
    return createDataFolderFromUpdate(QDir::currentPath(), lines);
}

void init(const QStringList& arguments, QTextStream& out) {
    const bool fromList = arguments.size() == 2 && arguments[0] == QLatin1String("--list");
    if (!arguments.isEmpty() && !fromList)
        throw UsageError{QStringLiteral("usage: skerrydesk-cli %1").arg(QLatin1String(kInitUsage))};
    const int listed = fromList ? initFromUpdateText(arguments[1]) : initFromDebianList();
    out << "Created " << QDir::toNativeSeparators(QDir::current().filePath(QStringLiteral("Data"))) << " with "
        << listed << " listed references\n";
}

}  // namespace

std::vector<Subcommand> dataFolderSubcommands() {
    return {
        {"init", kInitUsage, "create ./Data with the delivered tables from Debian's IOTA list or an update text", init},
    };
}
