#include "exchange/update_export.h"

#include <QDir>

#include "base/clock.h"
#include "base/text_file.h"
#include "exchange/export_lines.h"
#include "register/codes.h"
#include "register/owner_table.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "register/store/table_names.h"

namespace {

// Europe first, then the other continents in their usual order.
QStringList exportTableOrder() {
    QStringList tables{kEuropeTable};
    for (const Continent& continent : continents())
        if (!tables.contains(continent.tableName)) tables << continent.tableName;
    return tables;
}

void openUnfiltered(store::Table& table, const QString& tableName) {
    table.Close();
    table.setTableName(tableName);
    table.setFiltered(false);
    table.setFilter(QString());
    table.Open();
}

int exportAwards(store::Table& table, QStringList& lines) {
    openUnfiltered(table, kAwardsTable);
    const store::Field name = table.FieldByName(kAwardNameField);
    const store::Field number = table.FieldByName(kAwardNumberField);
    const store::Field issued = table.FieldByName(kAwardIssuedField);
    int written = 0;
    for (; !table.Eof(); table.Next()) {
        if (const auto line = awardLine(name.AsString(), number.AsString(), issued.AsString())) {
            lines << *line;
            ++written;
        }
    }
    table.Close();
    return written;
}

}  // namespace

int ExportIOTA(store::Table& table, QStringList& lines) {
    const store::Field reference = table.FieldByName(kIotaField);
    const store::Field status = table.FieldByName(kStatusField);
    const store::Field call = table.FieldByName(kCallField);
    const store::Field comment = table.FieldByName(kCommentField);
    int written = 0;
    for (; !table.Eof(); table.Next()) {
        if (const auto line =
                islandLine(reference.AsString(), status.AsString(), call.AsString(), comment.AsString())) {
            lines << *line;
            ++written;
        }
    }
    return written;
}

UpdateFile composeUpdateFile(store::Table& table, const QString& ownerCallsign, const QString& ownerDirectoryNo,
                             const QString& dateText) {
    UpdateFile file;
    file.lines << QLatin1String(kUpdateFileHeader);
    file.lines << ownerLines({ownerCallsign, ownerDirectoryNo, dateText, owner::readAllValues(table)});
    for (const QString& tableName : exportTableOrder()) {
        openUnfiltered(table, tableName);
        file.islandLines += ExportIOTA(table, file.lines);
        table.Close();
    }
    file.awardLines = exportAwards(table, file.lines);
    return file;
}

UpdateFile exportUpdateFile(store::Database& database, store::Table& table, const QString& fileName,
                            const QString& ownerCallsign, const QString& ownerDirectoryNo, const Clock& clock,
                            const WriteLines& write) {
    const QString dateText = exportDateText(dateTimeText(clock));
    const UpdateFile file = composeUpdateFile(table, ownerCallsign, ownerDirectoryNo, dateText);
    write(fileName, file.lines);
    {
        store::Database::Transaction transaction(database);
        owner::writeValue(table, kLastExportedRow, dateText);
        transaction.commit();
    }
    table.setFiltered(false);
    table.setFilter(QString());
    return file;
}

QString proposedExportFileName(const QString& folder, const QString& ownerCallsign) {
    QString name = ownerCallsign;
    name.replace(u'/', u'_');
    name.replace(u'\\', u'_');
    return QDir(folder).filePath(name + QStringLiteral(".upd"));
}
