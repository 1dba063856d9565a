#include "common/DataSet.h"

#include "common/Database.h"
#include "common/NumberText.h"
#include "common/StepError.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>
#include <limits>

namespace {

FieldType typeOf(const QString &declared, int *width)
{
    const QString t = declared.trimmed().toUpper();
    *width = 0;
    if (t.startsWith(QLatin1String("INT")))
        return FieldType::Integer;
    if (t.startsWith(QLatin1String("FLOAT")) || t.startsWith(QLatin1String("REAL"))
        || t.startsWith(QLatin1String("DOUBLE")))
        return FieldType::Float;
    // TEXT(n) and CHAR(n) have a width; TEXT, MEMO and the rest are free text.
    static const QRegularExpression sized(QStringLiteral(R"(^(?:VAR)?CHAR\s*\((\d+)\)|^TEXT\s*\((\d+)\))"));
    const QRegularExpressionMatch m = sized.match(t);
    if (m.hasMatch()) {
        *width = (m.captured(1).isEmpty() ? m.captured(2) : m.captured(1)).toInt();
        return FieldType::Text;
    }
    return FieldType::Memo;
}

QVariant normalised(FieldType type, const QVariant &stored)
{
    if (stored.isNull())
        return QVariant();
    switch (type) {
    case FieldType::Integer:
        return QVariant(stored.toLongLong());
    case FieldType::Float:
        return QVariant(stored.toDouble());
    case FieldType::Text:
    case FieldType::Memo:
        break;
    }
    return QVariant(stored.toString());
}

QVariant checkedInteger(const FieldDef &def, long long value, const QString &shown)
{
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        throw StepError(QStringLiteral("O valor '%1' está fora da faixa do campo '%2'.").arg(shown, def.name));
    return QVariant(qlonglong(value));
}

} // namespace

DataSet::DataSet(const QSqlDatabase &db, QObject *parent) : QObject(parent), m_db(db)
{}

DataSet::~DataSet()
{
    if (m_master)
        m_master->m_details.removeAll(this);
    for (DataSet *detail : std::as_const(m_details))
        detail->m_master = nullptr;
}

void DataSet::setTable(const QString &table, const QString &orderBy)
{
    close();
    m_table = table;
    m_orderBy = orderBy;
    m_statement.clear();
    m_whereRest.clear();
    m_writable = true;
}

void DataSet::setStatement(const QString &sql)
{
    close();
    m_statement = sql;
    m_orderBy.clear();
    // Only "select * from T" followed by nothing but a where, order by or limit
    // clause is a view of table T that can be written back; anything else (a
    // second table, a join, a union, chosen columns) is a read-only result.
    static const QRegularExpression starFrom(
        QStringLiteral(
            R"(^\s*select\s+\*\s+from\s+("[^"]+"|\[[^\]]+\]|[\p{L}_][\p{L}\p{N}_]*)((?:\s+(?:where|order\s+by|limit)\b.*?)?)[\s;]*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression compound(QStringLiteral(R"(\b(?:union|intersect|except)\b|;)"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = starFrom.match(sql);
    if (m.hasMatch() && !m.captured(2).contains(compound)) {
        QString table = m.captured(1);
        if (table.startsWith(QLatin1Char('"')) || table.startsWith(QLatin1Char('[')))
            table = table.mid(1, table.size() - 2);
        m_table = table;
        m_whereRest = m.captured(2);
        m_writable = true;
    } else {
        m_table.clear();
        m_whereRest.clear();
        m_writable = false;
    }
}

void DataSet::setMaster(DataSet *master, const QString &masterField, const QString &linkField)
{
    if (m_master)
        m_master->m_details.removeAll(this);
    m_master = master;
    m_masterField = masterField;
    m_linkField = linkField;
    if (m_master)
        m_master->m_details.append(this);
    if (isActive()) {
        load();
        emit rowsChanged();
        emit recordChanged();
    }
}

void DataSet::open()
{
    if (isActive())
        return;
    readFields();
    m_state = State::Browse;
    load();
    emit stateChanged();
    emit rowsChanged();
    emit recordChanged();
    for (DataSet *detail : std::as_const(m_details))
        detail->masterChanged();
}

void DataSet::close()
{
    if (!isActive())
        return;
    checkBrowseMode();
    replaceRows({});
    m_current = -1;
    m_bof = m_eof = true;
    m_state = State::Inactive;
    emit stateChanged();
    emit rowsChanged();
    emit recordChanged();
}

void DataSet::refresh()
{
    requireActive();
    checkBrowseMode();
    const qint64 rowid = m_current >= 0 ? m_rows[m_current].rowid : -1;
    const int position = m_current;
    load();
    int found = -1;
    for (int i = 0; i < m_rows.size() && found < 0; ++i)
        if (rowid >= 0 && m_rows[i].rowid == rowid)
            found = i;
    if (!m_rows.isEmpty())
        m_current = found >= 0 ? found : std::clamp(position, 0, int(m_rows.size()) - 1);
    emit rowsChanged();
    emit recordChanged();
    for (DataSet *detail : std::as_const(m_details))
        detail->masterChanged();
}

void DataSet::reload()
{
    for (DataSet *detail : std::as_const(m_details))
        detail->cancel();
    cancel();
    refresh();
}

void DataSet::readFields()
{
    m_fields.clear();
    // The writing statements name the columns: prepared again for the new ones.
    m_insertQuery.reset();
    m_updateQuery.reset();
    m_deleteQuery.reset();
    if (!m_table.isEmpty()) {
        QSqlQuery info(m_db);
        if (!info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(Database::quoted(m_table))))
            throw StepError(info.lastError().text());
        while (info.next()) {
            FieldDef def;
            def.name = info.value(1).toString();
            def.type = typeOf(info.value(2).toString(), &def.width);
            m_fields.append(def);
        }
        if (m_fields.isEmpty())
            throw StepError(QStringLiteral("A tabela '%1' não existe no banco de dados.").arg(m_table));
        return;
    }
    // A free statement: its columns as the engine reports them.
    QSqlQuery query(m_db);
    if (!query.exec(m_statement))
        throw StepError(query.lastError().text());
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i) {
        FieldDef def;
        def.name = record.fieldName(i);
        const QMetaType::Type type = QMetaType::Type(record.field(i).metaType().id());
        def.type = (type == QMetaType::Int || type == QMetaType::LongLong) ? FieldType::Integer
                   : type == QMetaType::Double                             ? FieldType::Float
                                                                           : FieldType::Memo;
        m_fields.append(def);
    }
}

QString DataSet::selectSql(QVector<QVariant> &bindings) const
{
    if (!m_writable)
        return m_statement;
    QStringList columns{QStringLiteral("rowid")};
    for (const FieldDef &def : m_fields)
        columns << Database::quoted(def.name);
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QLatin1String(", ")), Database::quoted(m_table));
    if (m_master) {
        sql += QStringLiteral(" WHERE %1 = ?").arg(Database::quoted(m_linkField));
        bindings << (m_master->m_current >= 0 ? m_master->value(m_master->fieldIndex(m_masterField)) : QVariant());
    } else {
        sql += m_whereRest;
    }
    if (!m_orderBy.isEmpty())
        sql += QStringLiteral(" ORDER BY %1, rowid").arg(m_orderBy);
    return sql;
}

void DataSet::load()
{
    QVector<QVariant> bindings;
    const QString sql = selectSql(bindings);
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw StepError(query.lastError().text());
    for (const QVariant &b : bindings)
        query.addBindValue(b);
    if (!query.exec())
        throw StepError(query.lastError().text());
    QVector<Row> rows;
    const int offset = m_writable ? 1 : 0;
    while (query.next()) {
        Row row;
        row.rowid = m_writable ? query.value(0).toLongLong() : -1;
        row.values.reserve(m_fields.size());
        for (int i = 0; i < m_fields.size(); ++i)
            row.values.append(normalised(m_fields[i].type, query.value(i + offset)));
        rows.append(std::move(row));
    }
    replaceRows(std::move(rows));
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    m_modified = false;
}

void DataSet::replaceRows(QVector<Row> rows)
{
    emit rowsAboutToBeReread();
    m_rows = std::move(rows);
    emit rowsReread();
}

void DataSet::removeRow(int row)
{
    emit rowAboutToBeRemoved(row);
    m_rows.removeAt(row);
    emit rowRemoved(row);
}

std::unique_ptr<QSqlQuery> DataSet::prepared(const QString &sql) const
{
    auto query = std::make_unique<QSqlQuery>(m_db);
    if (!query->prepare(sql))
        throw StepError(query->lastError().text());
    return query;
}

void DataSet::requireActive() const
{
    if (!isActive())
        throw StepError(QStringLiteral("Operação não permitida: o conjunto de dados está fechado."));
}

void DataSet::requireEditing() const
{
    requireActive();
    if (!isEditing())
        throw StepError(QStringLiteral("O registro não está em edição nem em inclusão."));
}

void DataSet::requireWritable() const
{
    if (!m_writable)
        throw StepError(QStringLiteral("O resultado desta consulta não pode ser alterado."));
}

// ---- moves -------------------------------------------------------------

void DataSet::afterMove()
{
    emit recordChanged();
    for (DataSet *detail : std::as_const(m_details))
        detail->masterChanged();
}

void DataSet::first()
{
    requireActive();
    checkBrowseMode();
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    afterMove();
}

void DataSet::last()
{
    requireActive();
    checkBrowseMode();
    m_current = int(m_rows.size()) - 1;
    m_eof = true;
    m_bof = m_rows.isEmpty();
    afterMove();
}

void DataSet::next()
{
    requireActive();
    checkBrowseMode();
    m_bof = false;
    if (m_current + 1 < m_rows.size()) {
        ++m_current;
        m_eof = false;
        afterMove();
    } else {
        m_eof = true;
        m_bof = m_rows.isEmpty();
    }
}

void DataSet::prior()
{
    requireActive();
    checkBrowseMode();
    m_eof = false;
    if (m_current > 0) {
        --m_current;
        m_bof = false;
        afterMove();
    } else {
        m_bof = true;
        m_eof = m_rows.isEmpty();
    }
}

void DataSet::moveTo(int recNo)
{
    requireActive();
    checkBrowseMode();
    if (m_rows.isEmpty())
        return;
    m_current = std::clamp(recNo - 1, 0, int(m_rows.size()) - 1);
    m_bof = m_eof = false;
    afterMove();
}

bool DataSet::locate(const QString &fieldName, const QVariant &value)
{
    requireActive();
    const int index = fieldIndex(fieldName);
    for (int i = 0; i < m_rows.size(); ++i) {
        const QVariant &v = m_rows[i].values[index];
        if (!v.isNull() && v.toString() == value.toString()) {
            moveTo(i + 1);
            return true;
        }
    }
    return false;
}

// ---- fields ------------------------------------------------------------

const FieldDef &DataSet::field(int index) const
{
    if (index < 0 || index >= m_fields.size())
        throw StepError(QStringLiteral("Campo de número %1 não existe em '%2'.").arg(index).arg(m_table));
    return m_fields[index];
}

int DataSet::fieldIndex(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    throw StepError(QStringLiteral("Campo '%1' não encontrado.").arg(name));
}

QVariant DataSet::valueAt(int row, int fieldIndex) const
{
    field(fieldIndex);
    if (row < 0 || row >= m_rows.size())
        return QVariant();
    return m_rows[row].values[fieldIndex];
}

QVariant DataSet::value(int fieldIndex) const
{
    return valueAt(m_current, fieldIndex);
}

QVariant DataSet::storedValue(int fieldIndex) const
{
    field(fieldIndex);
    if (m_state == State::Insert)
        return QVariant();
    if (m_state == State::Edit)
        return m_backup.values[fieldIndex];
    return value(fieldIndex);
}

bool DataSet::isNull(int fieldIndex) const
{
    return value(fieldIndex).isNull();
}

QString DataSet::textAt(int row, int fieldIndex) const
{
    const QVariant v = valueAt(row, fieldIndex);
    if (v.isNull())
        return QString();
    switch (m_fields[fieldIndex].type) {
    case FieldType::Integer:
        return QString::number(v.toLongLong());
    case FieldType::Float:
        return NumberText::userLocale().toString(v.toDouble(), 'g', 15);
    case FieldType::Text:
    case FieldType::Memo:
        break;
    }
    return v.toString();
}

QString DataSet::asText(int fieldIndex) const
{
    return textAt(m_current, fieldIndex);
}

long long DataSet::asInteger(int fieldIndex) const
{
    return integerAt(m_current, fieldIndex);
}

long long DataSet::integerAt(int row, int fieldIndex) const
{
    const QVariant v = valueAt(row, fieldIndex);
    if (v.isNull())
        return 0;
    switch (m_fields[fieldIndex].type) {
    case FieldType::Integer:
        return v.toLongLong();
    case FieldType::Float:
        return NumberText::roundHalfEven(v.toDouble());
    case FieldType::Text:
    case FieldType::Memo:
        break;
    }
    return NumberText::toInteger(v.toString());
}

long double DataSet::asFloat(int fieldIndex) const
{
    return floatAt(m_current, fieldIndex);
}

long double DataSet::floatAt(int row, int fieldIndex) const
{
    const QVariant v = valueAt(row, fieldIndex);
    if (v.isNull())
        return 0;
    switch (m_fields[fieldIndex].type) {
    case FieldType::Integer:
        return static_cast<long double>(v.toLongLong());
    case FieldType::Float:
        return static_cast<long double>(v.toDouble());
    case FieldType::Text:
    case FieldType::Memo:
        break;
    }
    return NumberText::toFloat(v.toString());
}

QVariant DataSet::converted(const FieldDef &def, const QString &text)
{
    const QString trimmed = text.trimmed();
    const auto refused = [&] {
        const QString kind =
            def.type == FieldType::Integer ? QStringLiteral("integer") : QStringLiteral("floating point");
        return StepError(QStringLiteral("'%1' is not a valid %2 value for field '%3'").arg(text, kind, def.name));
    };
    switch (def.type) {
    case FieldType::Integer: {
        if (trimmed.isEmpty())
            return QVariant();
        bool ok = false;
        const long long v = NumberText::userLocale().toLongLong(trimmed, &ok);
        if (!ok)
            throw refused();
        return checkedInteger(def, v, text);
    }
    case FieldType::Float: {
        if (trimmed.isEmpty())
            return QVariant();
        bool ok = false;
        const double v = NumberText::userLocale().toDouble(trimmed, &ok);
        if (!ok || !std::isfinite(v))
            throw refused();
        return QVariant(v);
    }
    case FieldType::Text:
        if (def.width > 0 && text.size() > def.width)
            throw StepError(QStringLiteral("O texto '%1' é longo demais para o campo '%2' (no máximo %3 caracteres).")
                                .arg(text, def.name)
                                .arg(def.width));
        break;
    case FieldType::Memo:
        break;
    }
    if (text.isEmpty())
        return QVariant();
    return QVariant(text);
}

void DataSet::setValue(int fieldIndex, const QVariant &value)
{
    m_rows[m_current].values[fieldIndex] = value;
    m_modified = true;
    emit fieldChanged(fieldIndex);
    // A detail follows a change of the value it is linked to.
    for (DataSet *detail : std::as_const(m_details))
        if (detail->m_masterField.compare(m_fields[fieldIndex].name, Qt::CaseInsensitive) == 0)
            detail->masterChanged();
}

void DataSet::setText(int fieldIndex, const QString &text)
{
    requireEditing();
    setValue(fieldIndex, converted(field(fieldIndex), text));
}

void DataSet::setInteger(int fieldIndex, long long v)
{
    requireEditing();
    const FieldDef &def = field(fieldIndex);
    switch (def.type) {
    case FieldType::Integer:
        setValue(fieldIndex, checkedInteger(def, v, QString::number(v)));
        return;
    case FieldType::Float:
        setValue(fieldIndex, QVariant(double(v)));
        return;
    case FieldType::Text:
    case FieldType::Memo:
        break;
    }
    setText(fieldIndex, QString::number(v));
}

void DataSet::setFloat(int fieldIndex, long double v)
{
    requireEditing();
    const FieldDef &def = field(fieldIndex);
    if (!std::isfinite(v))
        throw StepError(QStringLiteral("Valor inválido para o campo '%1'.").arg(def.name));
    switch (def.type) {
    case FieldType::Integer:
        setValue(fieldIndex, checkedInteger(def, NumberText::roundHalfEven(v), NumberText::fixed(v, 0)));
        return;
    case FieldType::Float:
        setValue(fieldIndex, QVariant(double(v)));
        return;
    case FieldType::Text:
    case FieldType::Memo:
        break;
    }
    setText(fieldIndex, NumberText::userLocale().toString(double(v), 'g', 15));
}

void DataSet::clear(int fieldIndex)
{
    requireEditing();
    field(fieldIndex);
    setValue(fieldIndex, QVariant());
}

// ---- editing -----------------------------------------------------------

void DataSet::addEditor(QObject *owner, std::function<void()> flush)
{
    m_editors.append({QPointer<QObject>(owner), std::move(flush)});
}

void DataSet::updateRecord()
{
    if (isEditing())
        flushEditors();
}

void DataSet::flushEditors()
{
    for (int i = 0; i < m_editors.size();) {
        if (!m_editors[i].first) {
            m_editors.removeAt(i);
            continue;
        }
        const auto flush = m_editors[i].second;
        flush();
        ++i;
    }
}

void DataSet::edit()
{
    requireActive();
    requireWritable();
    if (isEditing())
        return;
    if (m_rows.isEmpty()) {
        insert();
        return;
    }
    m_backup = m_rows[m_current];
    m_modified = false;
    m_state = State::Edit;
    emit stateChanged();
}

void DataSet::startNewRow(int position)
{
    requireActive();
    requireWritable();
    checkBrowseMode();
    Row row;
    row.values.resize(m_fields.size());
    if (m_master)
        row.values[fieldIndex(m_linkField)] =
            m_master->m_current >= 0 ? m_master->value(m_master->fieldIndex(m_masterField)) : QVariant();
    position = std::clamp(position, 0, int(m_rows.size()));
    emit rowAboutToBeInserted(position);
    m_rows.insert(position, row);
    emit rowInserted(position);
    m_current = position;
    m_bof = m_eof = false;
    m_modified = false;
    m_state = State::Insert;
    emit stateChanged();
    emit rowsChanged();
    afterMove();
}

void DataSet::insert()
{
    startNewRow(std::max(m_current, 0));
}

void DataSet::append()
{
    startNewRow(int(m_rows.size()));
}

void DataSet::writeRow()
{
    Row &row = m_rows[m_current];
    const bool inserting = m_state == State::Insert;
    std::unique_ptr<QSqlQuery> &slot = inserting ? m_insertQuery : m_updateQuery;
    if (!slot) {
        QStringList columns;
        for (const FieldDef &def : std::as_const(m_fields))
            columns << Database::quoted(def.name);
        QString sql;
        if (inserting) {
            const QString marks =
                QStringList(QVector<QString>(m_fields.size(), QStringLiteral("?"))).join(QLatin1String(", "));
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(Database::quoted(m_table), columns.join(QLatin1String(", ")), marks);
        } else {
            QStringList sets;
            for (const QString &c : std::as_const(columns))
                sets << c + QStringLiteral(" = ?");
            sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                      .arg(Database::quoted(m_table), sets.join(QLatin1String(", ")));
        }
        slot = prepared(sql);
    }
    QSqlQuery &query = *slot;
    for (int i = 0; i < row.values.size(); ++i)
        query.bindValue(i, row.values[i]);
    if (!inserting)
        query.bindValue(int(row.values.size()), row.rowid);
    if (!query.exec())
        throw StepError(query.lastError().text());
    if (inserting)
        row.rowid = query.lastInsertId().toLongLong();
}

void DataSet::post()
{
    requireActive();
    if (!isEditing())
        return;
    for (DataSet *detail : std::as_const(m_details))
        detail->checkBrowseMode();
    flushEditors();
    if (m_state == State::Edit && !m_modified) {
        m_state = State::Browse;
        emit stateChanged();
        return;
    }
    writeRow();
    m_state = State::Browse;
    m_modified = false;
    emit stateChanged();
}

void DataSet::cancel()
{
    if (!isEditing())
        return;
    if (m_state == State::Insert) {
        removeRow(m_current);
        m_current = std::min(m_current, int(m_rows.size()) - 1);
        m_state = State::Browse;
        m_modified = false;
        m_bof = m_current <= 0;
        m_eof = m_rows.isEmpty();
        emit stateChanged();
        emit rowsChanged();
        afterMove();
        return;
    }
    m_rows[m_current] = m_backup;
    m_state = State::Browse;
    m_modified = false;
    emit stateChanged();
    afterMove();
}

void DataSet::checkBrowseMode()
{
    for (DataSet *detail : std::as_const(m_details))
        detail->checkBrowseMode();
    if (!isEditing())
        return;
    flushEditors();
    if (m_modified)
        post();
    else if (m_state == State::Insert)
        cancel();
    else {
        m_state = State::Browse;
        emit stateChanged();
    }
}

void DataSet::remove()
{
    requireActive();
    requireWritable();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_rows.isEmpty())
        throw StepError(QStringLiteral("Não há registro para excluir."));
    for (DataSet *detail : std::as_const(m_details))
        detail->checkBrowseMode();
    if (m_state == State::Edit) {
        m_rows[m_current] = m_backup;
        m_state = State::Browse;
        m_modified = false;
    }
    if (!m_deleteQuery)
        m_deleteQuery = prepared(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(Database::quoted(m_table)));
    QSqlQuery &query = *m_deleteQuery;
    query.bindValue(0, m_rows[m_current].rowid);
    if (!query.exec())
        throw StepError(query.lastError().text());
    removeRow(m_current);
    m_current = std::min(m_current, int(m_rows.size()) - 1);
    m_bof = m_current <= 0;
    m_eof = m_rows.isEmpty();
    emit stateChanged();
    emit rowsChanged();
    afterMove();
}

void DataSet::deleteAll()
{
    close();
    open();
    while (recordCount() > 0)
        remove();
}

void DataSet::masterChanged()
{
    if (!isActive())
        return;
    checkBrowseMode();
    load();
    emit rowsChanged();
    afterMove();
}
