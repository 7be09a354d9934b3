#include "reports/record_set.h"

#include "register/store/table.h"

namespace reports {

RecordSet readRecords(store::Table& Table1, const QStringList& fields) {
    RecordSet records{fields, {}};
    records.rows.reserve(Table1.RecordCount());
    for (Table1.First(); !Table1.Eof(); Table1.Next()) {
        QStringList row;
        row.reserve(fields.size());
        for (const QString& field : fields) row << Table1.FieldByName(field).AsString();
        records.rows.push_back(std::move(row));
    }
    return records;
}

}  // namespace reports
