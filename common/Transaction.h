#pragma once

#include <QSqlDatabase>
#include <QVector>

class DataSet;

// Groups the writes of one user action: commit() stores them together; a
// transaction destroyed without commit() (an error ended the action) rolls
// the database back and re-reads the given data sets, dropping their pending
// changes, so that they show the stored rows again. A transaction begun while
// another is open on the same connection joins it: only the outer one commits
// or rolls back.
class Transaction
{
public:
    explicit Transaction(const QSqlDatabase &db, QVector<DataSet *> reread = {});
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    // Throws StepError with the engine's message; the transaction stays open
    // and is rolled back on destruction.
    void commit();

private:
    QSqlDatabase m_db;
    QVector<DataSet *> m_reread;
    bool m_outer = false;
    bool m_committed = false;
};
