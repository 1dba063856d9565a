#pragma once

#include <QVariant>
#include <QVector>

#include <functional>

class DataSet;

// The row a data set is editing or entering, kept aside so that it can be
// put back in edit, with the same values, after a failed transaction
// re-read the data set.
class PendingRow
{
public:
    explicit PendingRow(const DataSet &ds);
    // Puts the kept row back: the same row in edit, or a new row again.
    void restore(DataSet &ds) const;

private:
    bool m_new = false;
    int m_recNo = 0;
    QVector<QVariant> m_values;
};

class QSqlDatabase;

// Runs `writes` as one transaction. When they fail, the database is rolled
// back, the `reread` data sets show the stored rows again, and the row that
// `editing` was editing or entering is put back in edit with its values, as
// it was before the action; the error goes on to the caller.
void storeTogether(const QSqlDatabase &db, DataSet &editing, const QVector<DataSet *> &reread,
                   const std::function<void()> &writes);
