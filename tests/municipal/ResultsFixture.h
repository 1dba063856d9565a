#pragma once

#include "common/DataSet.h"
#include "common/Dialogs.h"
#include "municipal/data/MunicipalSchema.h"
#include "municipal/data/TDataModule1.h"
#include "tests/support/TestSupport.h"

#include <memory>

// A fresh municipality database holding the given rows, with its data module.
struct ResultsFixture
{
    explicit ResultsFixture(const QString &setupSql = QString())
    {
        MunicipalSchema::create(MunicipalSchema::fileName);
        if (!setupSql.isEmpty())
            sql(setupSql);
        Dialogs::setScripted(true);
        Dialogs::clearShown();
        dm = std::make_unique<TDataModule1>();
    }
    ~ResultsFixture()
    {
        dm.reset();
        Dialogs::clearShown();
    }
    QString sql(const QString &statement) const
    {
        return TestSupport::sqlite(folder.file(MunicipalSchema::fileName), statement);
    }

    TestSupport::WorkFolder folder;
    std::unique_ptr<TDataModule1> dm;
};

// One stratum's rows in Consolidado and Indices: the stratum number, the
// programmed and inspected dwellings, then the remaining counts by column name.
inline QString stratumSql(int estrato, int programados, const QString &counts = QString())
{
    QString columns = QStringLiteral("Estrato, ImoveisProgramados");
    QString values = QStringLiteral("%1, %2").arg(estrato).arg(programados);
    for (const QString &pair : counts.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList kv = pair.split(QLatin1Char('='));
        columns += QStringLiteral(", ") + kv[0];
        values += QStringLiteral(", ") + kv[1];
    }
    return QStringLiteral("insert into Consolidado (%1) values (%2);"
                          "insert into Indices (Estrato, ImoveisProgramados) values (%3, %4);")
        .arg(columns, values)
        .arg(estrato)
        .arg(programados);
}
