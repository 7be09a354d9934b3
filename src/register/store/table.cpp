#include "register/store/table.h"

#include <utility>
#include "base/failure.h"

#include "register/store/database.h"
#include "register/store/field_sizes.h"
#include "register/store/filter.h"
#include "register/store/table_names.h"

namespace store {

namespace {

// The key of each of the nine tables: the handle keeps their records in its order.
QLatin1StringView keyFieldOf(const QString& tableName) {
    if (tableName.startsWith(kIslandTablePrefix)) return kKeyField;
    if (tableName == kOwnerTable || tableName == kAwardsTable) return kNoField;
    return QLatin1StringView();
}

int columnOf(const QStringList& columns, const QString& name) {
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

// The column of a field the caller cannot do without; fails naming the table and the field
// when the table lacks it (a damaged data folder).
int requiredColumnOf(const QString& tableName, const QStringList& columns, const QString& name) {
    const int column = columnOf(columns, name);
    if (column < 0) throw Failure(QStringLiteral("Table \"%1\" has no field \"%2\"").arg(tableName, name));
    return column;
}

// A table of a damaged folder that lost its key would be read in the order of another field,
// and that field taken for its key.
void requireKeyFirst(const QString& tableName, const QStringList& columns) {
    const QLatin1StringView key = keyFieldOf(tableName);
    if (key.isEmpty() || columns.first().compare(key, Qt::CaseInsensitive) == 0) return;
    requiredColumnOf(tableName, columns, key);
    throw Failure(QStringLiteral("Table \"%1\" does not begin with its key field \"%2\"").arg(tableName, key));
}

}  // namespace

QString quoted(const QString& value) {
    QString text = value;
    text.replace(u'\'', QLatin1String("''"));
    return u'\'' + text + u'\'';
}

QString Field::AsString() const {
    return m_table.fieldValue(m_column);
}

void Field::setAsString(const QString& value) {
    m_table.setFieldValue(m_column, value);
}

QString Field::FieldName() const {
    return m_table.m_columns[m_column];
}

Table::Table(Database& database, QObject* parent) : QObject(parent), m_db(database), m_tableName(kOwnerTable) {}

Table::~Table() = default;

void Table::requireActive(const char* operation) const {
    if (!m_active)
        throw Failure(QStringLiteral("Cannot %1: table \"%2\" is not open").arg(QLatin1String(operation), m_tableName));
}

void Table::setTableName(const QString& name) {
    if (m_active) throw Failure(QStringLiteral("Cannot change the table while \"%1\" is open").arg(m_tableName));
    m_tableName = name;
}

void Table::setReadOnly(bool readOnly) {
    if (m_active) throw Failure(QStringLiteral("Cannot change read-only while \"%1\" is open").arg(m_tableName));
    m_readOnly = readOnly;
}

void Table::setActive(bool active) {
    if (active == m_active) return;
    if (!active) {
        // Closing drops an edit that was not posted.
        m_active = false;
        m_editing = false;
        m_modifiedColumns = 0;
        m_rows.clear();
        m_rowsRead = false;
        m_columns.clear();
        m_expression.reset();
        m_current = -1;
        notify(kRecordSetChange);
        return;
    }
    if (m_tableName.isEmpty()) throw Failure(QStringLiteral("Cannot open a table without a name"));
    m_columns = m_db.columnsOf(m_tableName);
    requireKeyFirst(m_tableName, m_columns);
    m_fieldSizes = fieldSizes(m_tableName, m_columns);
    m_selectHead = QStringLiteral("SELECT rowid, * FROM \"%1\"").arg(m_tableName);
    m_orderBy = QStringLiteral(" ORDER BY \"%1\"").arg(m_columns.first());
    m_updateSql.clear();
    try {
        selectRows();
    } catch (...) {
        m_columns.clear();
        throw;
    }
    m_active = true;
    notify(kRecordSetChange | kCurrentChange);
}

void Table::setFilter(const QString& filter) {
    if (m_active) settle();
    m_filter = filter;
    if (m_active && m_filtered) {
        selectRows();
        notify(kRecordSetChange | kCurrentChange);
    }
}

void Table::setFiltered(bool filtered) {
    if (m_active) settle();
    m_filtered = filtered;
    if (m_active) {
        selectRows();
        notify(kRecordSetChange | kCurrentChange);
    }
}

// Counts the visible records and stands on the first one; the records themselves are read when
// first needed, so that a handle opened only for its RecordCount reads none.
void Table::selectRows() {
    auto expression = FilterExpression::parse(m_filtered ? m_filter : QString(), m_tableName, m_columns);
    const QString& where = expression->whereSql();
    const QString condition = where.isEmpty() ? QString() : QLatin1String(" WHERE ") + where;
    Statement& count = m_db.prepare(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(m_tableName) + condition);
    for (int i = 0; i < expression->parameters().size(); ++i) count.bind(i + 1, expression->parameters()[i]);
    count.step();
    m_visibleCount = int(count.columnInteger(0));
    count.reset();
    m_selectSql = m_selectHead + condition + m_orderBy;
    m_rows.clear();
    m_rowsRead = false;
    m_expression = std::move(expression);
    m_current = m_visibleCount == 0 ? -1 : 0;
    m_eof = m_visibleCount == 0;
    m_editing = false;
    m_modifiedColumns = 0;
}

// Reads the visible records in key order, once per selection.
std::vector<Table::Row>& Table::rows() const {
    if (m_rowsRead) return m_rows;
    Statement& select = m_db.prepare(m_selectSql);
    for (int i = 0; i < m_expression->parameters().size(); ++i) select.bind(i + 1, m_expression->parameters()[i]);
    std::vector<Row> rows;
    rows.reserve(size_t(m_visibleCount));
    while (select.step()) {
        Row row{select.columnInteger(0), {}};
        row.values.reserve(m_columns.size());
        for (int column = 1; column <= m_columns.size(); ++column) row.values << select.columnText(column);
        rows.push_back(std::move(row));
    }
    select.reset();
    m_rows = std::move(rows);
    m_rowsRead = true;
    // Written through another handle since the count, the table may hold fewer records now.
    if (m_current >= int(m_rows.size())) {
        m_current = int(m_rows.size()) - 1;
        m_eof = m_rows.empty();
    }
    return m_rows;
}

int Table::RecordCount() const {
    requireActive("count the records");
    return m_rowsRead ? int(m_rows.size()) : m_visibleCount;
}

void Table::First() {
    requireActive("go to the first record");
    settle();
    standOn(rows().empty() ? -1 : 0);
    m_eof = m_rows.empty();
}

void Table::Next() {
    requireActive("go to the next record");
    const size_t countBefore = rows().size();
    const int before = m_current;
    settle();
    // A record written out of the filter has dropped out: its follower already stands here.
    if (m_rows.size() < countBefore && m_current == before && m_current < int(m_rows.size())) {
        notify(kCurrentChange);
        return;
    }
    if (m_current + 1 < int(m_rows.size())) {
        standOn(m_current + 1);
    } else {
        m_eof = true;
    }
}

void Table::MoveTo(int row) {
    requireActive("move to a record");
    if (row == m_current) return;
    settle();
    if (row >= 0 && row < int(rows().size())) standOn(row);
}

void Table::standOn(int row) {
    m_current = row;
    m_eof = false;
    notify(kCurrentChange);
}

void Table::Edit() {
    requireActive("edit a record");
    if (m_editing) return;
    if (m_readOnly) throw Failure(QStringLiteral("Cannot modify a read-only table \"%1\"").arg(m_tableName));
    if (rows().empty() || m_current < 0)
        throw Failure(QStringLiteral("Table \"%1\" has no record to edit under the filter \"%2\"")
                          .arg(m_tableName, m_filtered ? m_filter : QString()));
    m_editBuffer = m_rows[m_current].values;
    m_editing = true;
    m_modifiedColumns = 0;
}

void Table::Post() {
    requireActive("post a record");
    askForTypedText();
    postEdit();
}

void Table::postEdit() {
    if (!m_editing) return;
    if (m_modifiedColumns) writeEdit();
    m_editing = false;
    m_modifiedColumns = 0;
    dropCurrentWhenFilteredOut();
}

// Text typed into a bound control belongs to the record even before the control was left.
void Table::askForTypedText() {
    if (!m_readOnly && m_current >= 0) emit updatingRecord();
}

void Table::Cancel() {
    if (!m_editing) return;
    m_editing = false;
    m_modifiedColumns = 0;
    notifyRow(m_current);
}

// A pending edit is written when a field changed, otherwise dropped.
void Table::settle() {
    askForTypedText();
    postEdit();
}

void Table::writeEdit() {
    Row& row = m_rows[m_current];
    if (m_modifiedColumns & 1u)
        throw Failure(QStringLiteral("The key field \"%1\" of table \"%2\" cannot be changed")
                          .arg(m_columns.first(), m_tableName));
    Statement& update = m_db.prepare(updateSql(m_modifiedColumns));
    int parameter = 0;
    for (int column = 1; column < m_columns.size(); ++column)
        if (m_modifiedColumns & (quint64(1) << column)) update.bind(++parameter, m_editBuffer[column]);
    update.bind(++parameter, row.rowId);
    update.step();
    update.reset();
    row.values = m_editBuffer;
    notifyRow(m_current);
}

// The UPDATE of the changed fields only, built once per set of fields.
const QString& Table::updateSql(quint64 columns) {
    auto found = m_updateSql.find(columns);
    if (found != m_updateSql.end()) return found.value();
    QStringList assignments;
    for (int column = 1; column < m_columns.size(); ++column)
        if (columns & (quint64(1) << column)) assignments << QStringLiteral("\"%1\" = ?").arg(m_columns[column]);
    return m_updateSql[columns] = QStringLiteral("UPDATE \"%1\" SET %2 WHERE rowid = ?")
                                      .arg(m_tableName, assignments.join(QLatin1String(", ")));
}

void Table::dropCurrentWhenFilteredOut() {
    if (m_current < 0 || m_expression->matches(m_rows[m_current].values)) return;
    m_rows.erase(m_rows.begin() + m_current);
    if (m_current >= int(m_rows.size())) m_current = int(m_rows.size()) - 1;
    notify(kRecordSetChange | kCurrentChange);
}

void Table::Delete() {
    requireActive("delete a record");
    if (m_readOnly) throw Failure(QStringLiteral("Cannot delete from a read-only table \"%1\"").arg(m_tableName));
    if (rows().empty() || m_current < 0)
        throw Failure(QStringLiteral("Table \"%1\" has no record to delete").arg(m_tableName));
    Statement& remove = m_db.prepare(QStringLiteral("DELETE FROM \"%1\" WHERE rowid = ?1").arg(m_tableName));
    remove.bind(1, m_rows[m_current].rowId);
    remove.step();
    remove.reset();
    m_editing = false;
    m_modifiedColumns = 0;
    m_rows.erase(m_rows.begin() + m_current);
    if (m_current >= int(m_rows.size())) m_current = int(m_rows.size()) - 1;
    notify(kRecordSetChange | kCurrentChange);
}

void Table::withControlsDisabled(const std::function<void()>& steps) {
    ++m_controlsDisabled;
    try {
        steps();
    } catch (...) {
        enableControls();
        throw;
    }
    enableControls();
}

void Table::enableControls() {
    if (--m_controlsDisabled > 0) return;
    notify(std::exchange(m_pendingChanges, 0));
}

// Changes held back while the controls are disabled are told once at the end.
void Table::notify(unsigned changes) {
    if (m_controlsDisabled > 0) {
        m_pendingChanges |= changes;
        return;
    }
    if (changes & kRecordSetChange) emit recordSetChanged();
    if (changes & kCurrentChange) emit currentChanged(m_current);
}

// Held back, a changed row is told as a new record set: which rows changed meanwhile is not kept.
void Table::notifyRow(int row) {
    if (m_controlsDisabled > 0) {
        m_pendingChanges |= kRecordSetChange;
        return;
    }
    emit rowChanged(row);
}

int Table::fieldIndex(const QString& name) const {
    return columnOf(m_columns, name);
}

int Table::requiredFieldIndex(const QString& name) const {
    return requiredColumnOf(m_tableName, m_columns, name);
}

int Table::countAllRecords() {
    const QStringList columns = m_db.columnsOf(m_tableName);
    requireKeyFirst(m_tableName, columns);
    Statement& count = m_db.prepare(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(m_tableName));
    count.step();
    const int records = int(count.columnInteger(0));
    count.reset();
    return records;
}

Field Table::FieldByName(const QString& name) {
    requireActive("read a field");
    return Field(*this, requiredFieldIndex(name));
}

Field Table::FieldByPlace(int place) {
    requireActive("read a field");
    if (place < 1 || place > m_columns.size())
        throw Failure(QStringLiteral("Table \"%1\" has no field in place %2").arg(m_tableName).arg(place));
    return Field(*this, place - 1);
}

QString Table::fieldValue(int column) const {
    if (m_current < 0) return QString();
    if (m_editing) return m_editBuffer[column];
    const std::vector<Row>& all = rows();  // stands within the records read
    return m_current < 0 ? QString() : all[m_current].values[column];
}

void Table::setFieldValue(int column, const QString& text) {
    if (!m_editing)
        throw Failure(QStringLiteral("Cannot change the field \"%1\": table \"%2\" is not in edit mode")
                          .arg(m_columns[column], m_tableName));
    const QString value = cutToFieldSize(text, m_fieldSizes[column]);
    if (m_editBuffer[column] == value) return;
    m_editBuffer[column] = value;
    m_modifiedColumns |= quint64(1) << column;
    notifyRow(m_current);
}

QString Table::valueAt(int row, int column) const {
    if (row == m_current && m_editing) return m_editBuffer[column];
    const std::vector<Row>& all = rows();
    return row < int(all.size()) ? all[row].values[column] : QString();
}

bool Table::Locate(const QString& fieldName, const QString& value) {
    FieldByName(fieldName);  // fails naming an unknown field
    const int column = fieldIndex(fieldName);
    settle();
    for (int row = 0; row < int(rows().size()); ++row) {
        if (m_rows[row].values[column] == value) {
            if (row != m_current) standOn(row);
            return true;
        }
    }
    return false;
}

}  // namespace store
