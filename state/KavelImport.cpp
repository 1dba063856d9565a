#include "state/KavelImport.h"

#include "common/DataSet.h"
#include "common/StepError.h"
#include "common/SummaryFile.h"
#include "common/Transaction.h"
#include "state/StateSchema.h"

#include <QFileInfo>

namespace KavelImport {

QStringList recordTexts(const QString &path)
{
    const SummaryFile::Table table = SummaryFile::read(path);
    QStringList texts;
    bool any = false;
    for (int row = 0; row < StateSchema::kavelColumns().size(); ++row) {
        texts << table.cell(0, row);
        any = any || !texts.last().isEmpty();
    }
    if (!any)
        throw StepError(QStringLiteral("O arquivo '%1' não contém nenhum registro: nada foi importado.")
                            .arg(QFileInfo(path).fileName()));
    return texts;
}

void appendRecord(DataSet &result, const QStringList &texts, const Typist &type)
{
    // A result without some column of `Kavel` fails before any row is started.
    QVector<int> fields;
    for (const FieldDef &def : StateSchema::kavelColumns())
        fields << result.fieldIndex(def.name);
    result.append();
    for (int i = 0; i < fields.size(); ++i) {
        const QString text = i < texts.size() ? texts[i] : QString();
        if (type)
            type(fields[i], text);
        else
            result.setText(fields[i], text);
    }
    result.post();
}

QVector<Outcome> importFiles(DataSet &result, const QSqlDatabase &db, const QStringList &paths)
{
    QVector<Outcome> outcomes;
    Transaction transaction(db, {&result});
    for (const QString &path : paths) {
        Outcome outcome{path, QString()};
        try {
            appendRecord(result, recordTexts(path));
        } catch (const StepError &e) {
            result.cancel();
            outcome.reason = e.message();
        }
        outcomes << outcome;
    }
    transaction.commit();
    return outcomes;
}

QString report(const QVector<Outcome> &outcomes)
{
    QStringList lines;
    for (const Outcome &o : outcomes)
        lines << QStringLiteral("%1: %2").arg(QFileInfo(o.path).fileName(),
                                              o.reason.isEmpty() ? QStringLiteral("importado") : o.reason);
    return lines.join(QLatin1Char('\n'));
}

} // namespace KavelImport
