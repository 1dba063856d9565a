#pragma once

#include "tests/municipal/ResultsFixture.h"

// The registered municipality the summaries are about.
inline const QString summaryRegistration =
    QStringLiteral("insert into Cadastro values (2611606, 'São Gonçalo', 'RJ', 520000, 'Jan/2026', '2026');");

// A registered municipality's database whose results tables hold what a
// calculation stored, opened by the data module; dialogs answered by the test.
struct SummaryFixture : ResultsFixture
{
    explicit SummaryFixture(const QString &setupSql = QString(), bool registered = true)
        : ResultsFixture(registered ? summaryRegistration + setupSql : setupSql)
    {}
};
