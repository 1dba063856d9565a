#pragma once

#include "common/DataSet.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>

// Summary files imported without a window: each file's 28 texts converted
// exactly as the record view converts them, then written with one prepared
// statement, all accepted rows in one transaction. Files are read one at a
// time, so memory does not grow with their number.
class KavelBatch
{
public:
    // Reads the columns of `Kavel` as the database declares them. Throws StepError.
    explicit KavelBatch(const QSqlDatabase &db);

    // The row of a file, converted. Throws StepError with the message the
    // window would show.
    QVector<QVariant> rowOf(const QString &path) const;

    struct Result
    {
        int imported = 0;
        int refused = 0;
    };
    // Imports the files in order, telling `report` each file and its refusal
    // (empty when imported). With `simulate` nothing is stored. Throws
    // StepError when the accepted rows cannot be stored; nothing is then.
    Result run(const QStringList &paths, bool simulate,
               const std::function<void(const QString &path, const QString &refusal)> &report);

    // The files named: a folder stands for its `*.nubrel` files in name order.
    static QStringList expand(const QStringList &arguments);

private:
    QSqlDatabase m_db;
    QVector<FieldDef> m_fields;
};
