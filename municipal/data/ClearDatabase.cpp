#include "municipal/data/ClearDatabase.h"

#include "common/DataSet.h"
#include "common/Transaction.h"
#include "municipal/data/TDataModule1.h"

void clearDatabase(TDataModule1 &dm)
{
    const QVector<DataSet *> survey = {dm.ADOTableDefQuart,     dm.ADOTablePlanoAmostral,  dm.ADOTableCadastro,
                                       dm.ADOTableNecessidades, dm.ADOTableConsolidado,    dm.ADOTableTotalConsolidado,
                                       dm.ADOQueryIndices,      dm.ADOQueryPercCriadouros, dm.ADOQueryKavel};
    // Every table is emptied, or none: an error leaves the survey as it was.
    Transaction transaction(dm.ADOConnection1, survey);

    // Every neighbourhood item goes, not only those of the current stratum:
    // items left behind would reappear under a new stratum of the same number.
    DataSet allItems(dm.ADOConnection1);
    allItems.setTable(QStringLiteral("DefinicaoQuart"));
    allItems.deleteAll();
    dm.ADOTableDefQuart->close();
    dm.ADOTableDefQuart->open();

    for (DataSet *ds : survey.mid(1))
        ds->deleteAll();
    transaction.commit();
}
