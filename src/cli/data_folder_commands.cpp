#include <QDir>

#include "base/failure.h"
#include "base/text_file.h"
#include "cli/subcommand.h"
#include "listupdate/iota_json_folder.h"
#include "listupdate/iota_json_list.h"
#include "listupdate/listed_islands.h"
#include "register/delivered_data.h"

namespace {

int initFromUpdateText(const QString& fileName) {
    const TextLines lines = readTextLines(fileName);
    if (listedIslands(lines).empty())
        throw Failure(QStringLiteral("%1 lists no island references; nothing was created")
                          .arg(QDir::toNativeSeparators(fileName)));
    return createDataFolderFromUpdate(QDir::currentPath(), lines);
}

// The programme's JSON list or an island list update text, told apart by their first character.
int initFromList(const QString& fileName) {
    requireRegularFile(fileName);
    if (looksLikeJson(fileName))
        return createDataFolderFromIotaList(QDir::currentPath(), readIotaJsonList(fileName), fileName);
    return initFromUpdateText(fileName);
}

void init(const Arguments& arguments, QTextStream& out) {
    const std::optional<QString> list = arguments.value("--list");
    const int listed = list ? initFromList(*list) : createDataFolderFromDebianList(QDir::currentPath());
    out << "Created " << QDir::toNativeSeparators(QDir::current().filePath(QStringLiteral("Data"))) << " with "
        << listed << " listed references\n";
}

}  // namespace

std::vector<Subcommand> dataFolderSubcommands() {
    return {
        {"init",
         {option("--list", "FILE")},
         "create ./Data with the delivered tables from Debian's IOTA list and the delivered groups, or from an update "
         "text or the award programme's JSON list",
         init},
    };
}
