#pragma once

#include "common/DataSet.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/sampling/WorkingValues.h"
#include "tests/support/ScriptedQuestions.h"
#include "tests/support/TestSupport.h"

#include <memory>

// A registered municipality's database with its data module and the work
// window's working values; the algorithms' questions answered by the test,
// with no window.
struct SamplingFixture
{
    explicit SamplingFixture(const QString &setupSql = QString())
    {
        folder.initMunicipalDatabase();
        sql(QStringLiteral("insert into Cadastro values (2611606, 'Recife', 'PE', 520000, 'Jan/2026', '2026');")
            + setupSql);
        dm = std::make_unique<TDataModule1>();
        values = std::make_unique<WorkingValues>(*dm->ADOTablePlanoAmostral);
    }
    ~SamplingFixture()
    {
        values.reset();
        dm.reset();
    }
    QString sql(const QString &statement) const
    {
        return TestSupport::sqlite(folder.file(QStringLiteral("Nubrel2012Municipios.db")), statement);
    }
    DataSet &plan() const { return *dm->ADOTablePlanoAmostral; }
    DataSet &items() const { return *dm->ADOTableDefQuart; }
    // The last message, error or question shown.
    QString lastShown() const
    {
        const auto shown = questions.shown();
        return shown.isEmpty() ? QString() : shown.last().text;
    }

    TestSupport::WorkFolder folder;
    std::unique_ptr<TDataModule1> dm;
    std::unique_ptr<WorkingValues> values;
    ScriptedQuestions questions;
};
