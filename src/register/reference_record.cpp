#include "register/reference_record.h"

#include "register/iota_list.h"
#include "register/store/table.h"
#include "register/store/table_names.h"

namespace {

QString referenceFilter(const QString& reference) {
    return QStringLiteral("IOTA = ") + store::quoted(reference);
}

}  // namespace

void beginReferencePass(store::Table& table, const QString& tableName) {
    table.Close();
    table.setReadOnly(false);
    table.setTableName(tableName);
    table.setFiltered(true);
}

bool standOnReference(store::Table& table, const QString& reference) {
    if (!isWellFormedReference(reference)) return false;
    table.setFilter(referenceFilter(reference));
    table.Open();
    return table.RecordCount() > 0;
}

ReferencePass::ReferencePass(store::Table& table, const QString& tableName) : m_table(table) {
    beginReferencePass(table, tableName);
}

bool ReferencePass::standOn(const QString& reference) {
    if (!isWellFormedReference(reference)) return false;
    m_lastReference = reference;
    if (!m_table.Active()) readRecords();
    const auto found = m_rows.constFind(reference);
    if (found == m_rows.cend()) return false;
    m_table.MoveTo(*found);
    return true;
}

// Read at the first lookup, not before: a table that no line names is never read, and a table
// that lost its reference field fails only when a line needs it, as a lookup by filter does.
void ReferencePass::readRecords() {
    m_table.setFilter(QString());
    m_table.Open();
    const int column = m_table.requiredFieldIndex(kIotaField);
    const int count = m_table.RecordCount();
    m_rows.reserve(count);
    // Backwards, so that of a reference held twice the first in key order is kept.
    for (int row = count - 1; row >= 0; --row) m_rows.insert(m_table.valueAt(row, column), row);
}

void ReferencePass::close() {
    m_table.Close();
    if (!m_lastReference.isEmpty()) m_table.setFilter(referenceFilter(m_lastReference));
}
