#include "ClearDatabase.h"

#include "DataSet.h"
#include "TDataModule1.h"

namespace {

void deleteAll(DataSet &ds)
{
    ds.close();
    ds.open();
    while (ds.recordCount() > 0)
        ds.remove();
}

} // namespace

void clearDatabase(TDataModule1 &dm)
{
    // Every neighbourhood item goes, not only those of the current stratum:
    // items left behind would reappear under a new stratum of the same number.
    DataSet allItems(dm.ADOConnection1);
    allItems.setTable(QStringLiteral("DefinicaoQuart"));
    deleteAll(allItems);
    dm.ADOTableDefQuart->close();
    dm.ADOTableDefQuart->open();

    deleteAll(*dm.ADOTablePlanoAmostral);
    deleteAll(*dm.ADOTableCadastro);
    deleteAll(*dm.ADOTableNecessidades);
    deleteAll(*dm.ADOTableConsolidado);
    deleteAll(*dm.ADOTableTotalConsolidado);
    deleteAll(*dm.ADOQueryIndices);
    deleteAll(*dm.ADOQueryPercCriadouros);
    deleteAll(*dm.ADOQueryKavel);
}
