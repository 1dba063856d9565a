#pragma once

#include "common/Dialogs.h"
#include "municipal/data/TDataModule1.h"
#include "tests/support/TestSupport.h"

#include <memory>

// A registered municipality's database whose results tables hold what a
// calculation stored, opened by the data module; dialogs answered by the test.
struct SummaryFixture
{
    explicit SummaryFixture(const QString &setupSql = QString(), bool registered = true)
    {
        folder.initMunicipalDatabase();
        if (registered)
            sql(QStringLiteral(
                "insert into Cadastro values (2611606, 'São Gonçalo', 'RJ', 520000, 'Jan/2026', '2026');"));
        if (!setupSql.isEmpty())
            sql(setupSql);
        Dialogs::setScripted(true);
        Dialogs::clearShown();
        dm = std::make_unique<TDataModule1>();
    }
    ~SummaryFixture()
    {
        dm.reset();
        Dialogs::clearShown();
    }
    QString sql(const QString &statement) const
    {
        return TestSupport::sqlite(folder.file(QStringLiteral("Nubrel2012Municipios.db")), statement);
    }

    TestSupport::WorkFolder folder;
    std::unique_ptr<TDataModule1> dm;
};
