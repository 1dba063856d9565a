#pragma once

#include "common/DataSet.h"
#include "common/Dialogs.h"
#include "common/report/ReportEngine.h"
#include "municipal/data/TDataModule1.h"
#include "tests/support/TestSupport.h"

#include <memory>

// A registered municipality (São José - SC) whose `Indices` rows the test
// writes with SQL, with its data module and a report engine; dialogs
// answered by the test.
struct IndicesFixture
{
    explicit IndicesFixture(const QString &indicesSql = QString())
    {
        folder.initMunicipalDatabase();
        sql(QStringLiteral("insert into Cadastro values (4216602, 'São José', 'SC', 80000, 'Jan/2026', '2026');")
            + indicesSql);
        Dialogs::setScripted(true);
        Dialogs::clearShown();
        dm = std::make_unique<TDataModule1>();
        reports = std::make_unique<ReportEngine>(ReportCaptions{
            QStringLiteral("Opções de saída"), QStringLiteral("Status do relatório"), QStringLiteral("Visualização")});
    }
    ~IndicesFixture()
    {
        dm.reset();
        Dialogs::clearShown();
    }
    QString sql(const QString &statement) const
    {
        return TestSupport::sqlite(folder.file(QStringLiteral("Nubrel2012Municipios.db")), statement);
    }
    DataSet &indices() const { return *dm->ADOQueryIndices; }

    // One stratum row: its number, IIP and IB of Ae. aegypti, and the seven
    // container-class shares; an empty text stores no value.
    static QString stratum(int estrato, const QString &iip, const QString &ib, const QString &classes)
    {
        const auto value = [](const QString &v) { return v.isEmpty() ? QStringLiteral("null") : v; };
        return QStringLiteral("insert into Indices (Estrato, IIPaeg, IBaeg, A1, A2, B, C, D1, D2, E) "
                              "values (%1, %2, %3, %4);")
            .arg(estrato)
            .arg(value(iip), value(ib), classes);
    }

    TestSupport::WorkFolder folder;
    std::unique_ptr<TDataModule1> dm;
    std::unique_ptr<ReportEngine> reports;
};
