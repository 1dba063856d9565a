#pragma once

#include <QObject>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>

enum class FieldType { Integer, Float, Text, Memo };

struct FieldDef
{
    QString name;
    FieldType type = FieldType::Text;
    int width = 0; // characters, for Text
};

// A table or a query over one database connection, read whole into memory
// (exact record count, free positioning) and written back row by row. It
// keeps the declared type and text width of every column, since SQLite
// itself stores whatever it is given.
//
// Errors (a missing column, a text that does not convert, an engine error)
// are thrown as StepError; the data set stays as it was before the call.
class DataSet : public QObject
{
    Q_OBJECT

public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit DataSet(const QSqlDatabase &db, QObject *parent = nullptr);
    ~DataSet() override;

    // A table, optionally ordered by a column list.
    void setTable(const QString &table, const QString &orderBy = QString());
    // A SELECT statement; "select * from T ..." can be written back into T.
    // Replacing the statement closes the data set.
    void setStatement(const QString &sql);
    QString statement() const { return m_statement; }
    // Shows only the rows whose `linkField` equals the master's `masterField`.
    void setMaster(DataSet *master, const QString &masterField, const QString &linkField);

    void open();
    void close();
    bool isActive() const { return m_state != State::Inactive; }
    // Re-reads the stored rows, staying on the same row where it still exists.
    void refresh();
    // Drops pending changes (its own and its details') and re-reads the stored rows.
    void reload();

    int recordCount() const { return int(m_rows.size()); }
    // 1-based number of the current row; 0 when there is none.
    int recNo() const { return m_current + 1; }
    bool isEmpty() const { return m_rows.isEmpty(); }
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }

    void first();
    void prior();
    void next();
    void last();
    void moveTo(int recNo);
    // Moves to the first row whose field equals value; false when there is none.
    bool locate(const QString &fieldName, const QVariant &value);

    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }

    int fieldCount() const { return int(m_fields.size()); }
    const FieldDef &field(int index) const;
    int fieldIndex(const QString &name) const; // throws when there is no such column

    bool isNull(int field) const;
    QVariant value(int field) const;
    long long asInteger(int field) const;
    long double asFloat(int field) const;
    QString asText(int field) const;
    bool isNull(const QString &name) const { return isNull(fieldIndex(name)); }
    QVariant value(const QString &name) const { return value(fieldIndex(name)); }
    long long asInteger(const QString &name) const { return asInteger(fieldIndex(name)); }
    long double asFloat(const QString &name) const { return asFloat(fieldIndex(name)); }
    QString asText(const QString &name) const { return asText(fieldIndex(name)); }
    // Any row, by 0-based index, without moving.
    QVariant valueAt(int row, int field) const;
    QString textAt(int row, int field) const;
    long long integerAt(int row, int field) const;
    long double floatAt(int row, int field) const;
    // The value the current row held before its edit began; null for a new row.
    QVariant storedValue(int field) const;

    // Writing needs the row in edit or insert.
    void setInteger(int field, long long value);
    void setFloat(int field, long double value);
    // The text is converted to the column's type in the user's number format.
    void setText(int field, const QString &text);
    void clear(int field);
    void setInteger(const QString &name, long long v) { setInteger(fieldIndex(name), v); }
    void setFloat(const QString &name, long double v) { setFloat(fieldIndex(name), v); }
    void setText(const QString &name, const QString &t) { setText(fieldIndex(name), t); }
    void clear(const QString &name) { clear(fieldIndex(name)); }

    void edit();   // on an empty data set this starts a new row
    void insert(); // a new row before the current one
    void append(); // a new row at the end
    void post();
    void cancel();
    void remove(); // deletes the current row; the next one becomes current
    // Reads the stored rows again and deletes every one of them.
    void deleteAll();
    // Posts a pending change, drops a new row nobody changed.
    void checkBrowseMode();
    // Writes what bound controls hold into the row being edited.
    void updateRecord();

    // A text as column `def` stores it, in the user's number format; empty
    // gives null. Throws StepError naming value and field when it does not fit.
    static QVariant converted(const FieldDef &def, const QString &text);

    // Bound controls register how to write their pending text into the row;
    // it is called before the row is posted.
    void addEditor(QObject *owner, std::function<void()> flush);

signals:
    void rowsChanged();   // rows read again, added or removed
    void recordChanged(); // another row became current, or its values were restored
    void fieldChanged(int field);
    void stateChanged();
    // The same changes one at a time, announced before and after they happen,
    // so that a model over the rows can tell its views exactly what changed.
    void rowsAboutToBeReread();
    void rowsReread();
    void rowAboutToBeInserted(int row);
    void rowInserted(int row);
    void rowAboutToBeRemoved(int row);
    void rowRemoved(int row);

private:
    struct Row
    {
        qint64 rowid = -1;
        QVector<QVariant> values;
    };

    void requireActive() const;
    void requireEditing() const;
    void requireWritable() const;
    void load();
    void readFields();
    void startNewRow(int position);
    void setValue(int field, const QVariant &value);
    void writeRow();
    void flushEditors();
    void masterChanged();
    void afterMove();
    QString selectSql(QVector<QVariant> &bindings) const;
    void replaceRows(QVector<Row> rows);
    void removeRow(int row);
    std::unique_ptr<QSqlQuery> prepared(const QString &sql) const;

    QSqlDatabase m_db;
    QString m_table;
    QString m_orderBy;
    QString m_statement;
    QString m_whereRest; // the rest of a "select * from T" statement
    bool m_writable = true;
    QVector<FieldDef> m_fields;
    QVector<Row> m_rows;
    int m_current = -1;
    bool m_bof = true;
    bool m_eof = true;
    State m_state = State::Inactive;
    bool m_modified = false;
    Row m_backup;

    DataSet *m_master = nullptr;
    QString m_masterField;
    QString m_linkField;
    QVector<DataSet *> m_details;
    QVector<QPair<QPointer<QObject>, std::function<void()>>> m_editors;
    // The writing statements, prepared when the columns are read and reused by every post.
    std::unique_ptr<QSqlQuery> m_insertQuery;
    std::unique_ptr<QSqlQuery> m_updateQuery;
    std::unique_ptr<QSqlQuery> m_deleteQuery;
};
