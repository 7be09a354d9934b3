#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace store {

class Database;
class FilterExpression;
class Table;

// One field of the current record of a table, read and written through its text form.
class Field {
public:
    Field(Table& table, int column) : m_table(table), m_column(column) {}
    QString AsString() const;
    void setAsString(const QString& value);
    QString FieldName() const;

private:
    Table& m_table;
    int m_column;
};

// The table handle `Table1`: one table of the data folder at a time, seen through a filter,
// with a current record and its edit buffer.
//
// The rules the commands rely on: opening stands on the first visible record in key order;
// setting Filter or Filtered on an open table settles a pending edit (written when a field
// changed) and stands on the first visible record; Next settles and moves on; closing drops an
// unposted edit; RecordCount is the exact number of visible records. A record that no longer
// passes the filter once written drops out of the visible records.
class Table : public QObject {
    Q_OBJECT

public:
    explicit Table(Database& database, QObject* parent = nullptr);
    ~Table() override;

    // The connection the handle reads and writes through.
    Database& database() const { return m_db; }

    void setTableName(const QString& name);
    const QString& TableName() const { return m_tableName; }
    void setReadOnly(bool readOnly);
    bool ReadOnly() const { return m_readOnly; }

    void setActive(bool active);
    bool Active() const { return m_active; }
    void Open() { setActive(true); }
    void Close() { setActive(false); }

    void setFilter(const QString& filter);
    const QString& Filter() const { return m_filter; }
    void setFiltered(bool filtered);
    bool Filtered() const { return m_filtered; }

    int RecordCount() const;
    // The number of all records of the named table, checked as opening it checks it (it exists
    // and begins with its key) but neither opened nor read: the start counts of every command.
    int countAllRecords();
    // The visible row the handle stands on, from 0; -1 when no record is visible.
    int RecNo() const { return m_current; }
    bool Eof() const { return m_eof; }
    void First();
    void Next();
    // Stands on a visible row (the list grid's selection); settles a pending edit first.
    void MoveTo(int row);

    void Edit();
    void Post();
    // Drops the unposted edit of the current record.
    void Cancel();
    bool Editing() const { return m_editing; }
    bool Modified() const { return m_modifiedColumns != 0; }
    // Deletes the current record (the delete key of the list and the record panel).
    void Delete();

    Field FieldByName(const QString& name);
    // A field by its place in the table, counted from 1.
    Field FieldByPlace(int place);
    // Stands on the first visible record whose field holds the value; false when there is none.
    bool Locate(const QString& fieldName, const QString& value);

    const QStringList& FieldNames() const { return m_columns; }
    // The column of a field name (case-insensitive), or -1.
    int fieldIndex(const QString& name) const;
    // The column of a field the caller cannot do without; fails naming the table and the field
    // when the table lacks it (a damaged data folder).
    int requiredFieldIndex(const QString& name) const;
    // The value of a visible row, the current one with its unposted edit.
    QString valueAt(int row, int column) const;

    // Runs steps that each read the records anew (open, filter, reopen) with the bound controls
    // and the list told nothing until the last is done, then once what changed, so that they
    // read and lay out the outcome only. Nothing may paint the list meanwhile.
    void withControlsDisabled(const std::function<void()>& steps);

signals:
    // The visible records were read anew (open, close, filter change, delete).
    void recordSetChanged();
    // The handle stands on another row.
    void currentChanged(int row);
    // A visible row's values changed (a field set, a post or a dropped edit).
    void rowChanged(int row);
    // The record is about to be settled or posted: bound controls hand over typed text now
    // (putting the record into edit state where needed).
    void updatingRecord();

private:
    friend class Field;
    struct Row {
        qint64 rowId = 0;
        QStringList values;
    };

    QString fieldValue(int column) const;
    void setFieldValue(int column, const QString& value);
    void requireActive(const char* operation) const;
    void selectRows();
    std::vector<Row>& rows() const;
    void settle();
    void askForTypedText();
    void postEdit();
    void writeEdit();
    const QString& updateSql(quint64 columns);
    void standOn(int row);
    void dropCurrentWhenFilteredOut();
    void enableControls();
    // The changes told to the controls, as bits.
    static constexpr unsigned kRecordSetChange = 1;
    static constexpr unsigned kCurrentChange = 2;
    void notify(unsigned changes);
    void notifyRow(int row);

    Database& m_db;
    QString m_tableName;
    bool m_readOnly = true;
    bool m_active = false;
    QString m_filter;
    bool m_filtered = false;

    QStringList m_columns;
    std::vector<int> m_fieldSizes;  // per field, where written values are cut
    QString m_selectHead;
    QString m_orderBy;
    QHash<quint64, QString> m_updateSql;
    std::unique_ptr<FilterExpression> m_expression;
    QString m_selectSql;  // the visible records of the selection in key order
    int m_visibleCount = 0;
    // Read when first needed (rows()).
    mutable std::vector<Row> m_rows;
    mutable bool m_rowsRead = false;
    mutable int m_current = -1;
    mutable bool m_eof = false;
    bool m_editing = false;
    quint64 m_modifiedColumns = 0;  // bit per changed field of the edit buffer
    QStringList m_editBuffer;
    int m_controlsDisabled = 0;
    unsigned m_pendingChanges = 0;
};

// Wraps a value in single quotes for a filter, doubling every quote inside.
QString quoted(const QString& value);

}  // namespace store
