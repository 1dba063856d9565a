#include "municipal/summary/SummaryRecord.h"

#include "common/DataSet.h"
#include "common/NumberText.h"
#include "common/Transaction.h"
#include "municipal/data/TDataModule1.h"

namespace SummaryRecord {

namespace {

constexpr int fileRows = 30;

struct Index
{
    const char *field;
    const char *numerator; // column of `Consolidado` summed over the strata
};
// In the order they are computed.
const Index indices[] = {
    {"IIP", "ImoveisComAegTotal"},
    {"IIPalb", "ImoveisComAlbTotal"},
    {"IB", "DepositoAegTotal"},
    {"IBalb", "DepositoAlbTotal"},
};

struct RiskClass
{
    const char *countField;
    const char *shareField;
    const char *query;
};
const RiskClass riskClasses[] = {
    {"E<0,9_N°", "E<0,9_%", "Select * from Indices where IIPaeg>=0 and IIPaeg<=0.9"},
    {"1<E<3,9_N°", "1<E<3,9_%", "Select * from Indices where IIPaeg>=1 and IIPaeg<=3.9"},
    {"E>4_N°", "E>4_%", "Select * from Indices where IIPaeg>=4.0"},
};

const char *const containerClasses[] = {"A1", "A2", "B", "C", "D1", "D2", "E"};

// Collects the record's texts by column name and tells each one as it comes.
class Texts
{
public:
    explicit Texts(const Shown &shown) : m_texts(fields().size()), m_shown(shown) {}

    void set(const QString &field, const QString &text)
    {
        const int index = int(fields().indexOf(field));
        Q_ASSERT(index >= 0);
        m_texts[index] = text;
        if (m_shown)
            m_shown(index, text);
    }
    QStringList all() const { return m_texts; }

private:
    QStringList m_texts;
    const Shown &m_shown;
};

// Sum of a column over all strata, an empty field counting 0, as a percentage of the inspected dwellings.
QString pooledIndex(TDataModule1 &dm, const QString &numerator)
{
    const DataSet &strata = *dm.ADOTableConsolidado;
    const int column = strata.fieldIndex(numerator);
    long long sum = 0;
    for (int row = 0; row < strata.recordCount(); ++row)
        sum += strata.integerAt(row, column);

    const DataSet &totals = *dm.ADOTableTotalConsolidado;
    const QString inspected = totals.asText(QStringLiteral("TotalImoveisInspecionados"));
    if (inspected.isEmpty() || totals.asInteger(QStringLiteral("TotalImoveisInspecionados")) == 0)
        return QStringLiteral("0");
    const long long denominator = NumberText::toInteger(inspected);
    return NumberText::fixed(static_cast<long double>(sum) / denominator * 100, 1);
}

int stratumCount(DataSet &query, const QString &statement)
{
    query.setStatement(statement);
    query.open();
    return query.recordCount();
}

} // namespace

const QStringList &fields()
{
    static const QStringList names = {"Municipio", "UF",     "IIP",   "IB",      "E<0,9_N°", "E<0,9_%", "1<E<3,9_N°",
                                      "1<E<3,9_%", "E>4_N°", "E>4_%", "A1_N°",   "A1_%",     "A2_N°",   "A2_%",
                                      "B_N°",      "B_%",    "C_N°",  "C_%",     "D1_N°",    "D1_%",    "D2_N°",
                                      "D2_%",      "E_N°",   "E_%",   "Periodo", "CodMun",   "IIPalb",  "IBalb"};
    return names;
}

QStringList compute(TDataModule1 &dm, const Shown &shown)
{
    Texts texts(shown);

    const DataSet &cadastro = *dm.ADOTableCadastro;
    texts.set(QStringLiteral("Municipio"), cadastro.asText(QStringLiteral("Municipio")));
    texts.set(QStringLiteral("CodMun"), cadastro.asText(QStringLiteral("CodigoMunicipio")));
    texts.set(QStringLiteral("UF"), cadastro.asText(QStringLiteral("UF")));
    texts.set(QStringLiteral("Periodo"), cadastro.asText(QStringLiteral("PeriodoDeExecucao")));

    for (const Index &index : indices)
        texts.set(QString::fromUtf8(index.field), pooledIndex(dm, QString::fromUtf8(index.numerator)));

    DataSet &strata = *dm.ADOQueryIndices;
    for (const RiskClass &risk : riskClasses) {
        const int count = stratumCount(strata, QString::fromUtf8(risk.query));
        texts.set(QString::fromUtf8(risk.countField), NumberText::integer(count));
        const int all = stratumCount(strata, TDataModule1::allIndices);
        texts.set(QString::fromUtf8(risk.shareField),
                  all == 0 ? QStringLiteral("0") : NumberText::fixed(static_cast<long double>(count) / all * 100, 2));
    }

    const DataSet &totals = *dm.ADOTableTotalConsolidado;
    const DataSet &shares = *dm.ADOQueryPercCriadouros;
    for (const char *container : containerClasses) {
        const QString name = QString::fromLatin1(container);
        texts.set(name + QStringLiteral("_N°"), totals.asText(QStringLiteral("TotalDeposito") + name));
        texts.set(name + QStringLiteral("_%"), shares.asText(QStringLiteral("PercentDep") + name));
    }
    return texts.all();
}

void store(TDataModule1 &dm, const QStringList &texts)
{
    DataSet &kavel = *dm.ADOQueryKavel;
    // The new record replaces whatever was typed into the old one.
    if (kavel.isEditing())
        kavel.cancel();
    {
        Transaction transaction(dm.ADOConnection1, {&kavel});
        kavel.close();
        kavel.open();
        kavel.deleteAll();
        kavel.append();
        for (int field = 0; field < fields().size(); ++field)
            kavel.setText(fields()[field], texts.value(field));
        kavel.post();
        transaction.commit();
    }
    kavel.close();
    kavel.open();
}

void generate(TDataModule1 &dm, const Shown &shown)
{
    store(dm, compute(dm, shown));
}

SummaryFile::Table fileTable(const QStringList &texts)
{
    SummaryFile::Table table;
    table.columns = 1;
    table.rows = fileRows;
    QStringList rows = texts.mid(0, int(fields().size()));
    while (rows.size() < fileRows)
        rows.append(QString());
    table.cells = {rows};
    return table;
}

QString proposedFileName(TDataModule1 &dm)
{
    const DataSet &cadastro = *dm.ADOTableCadastro;
    return cadastro.asText(QStringLiteral("Municipio")) + QLatin1Char('-') + cadastro.asText(QStringLiteral("UF"))
           + QStringLiteral(".nubrel");
}

} // namespace SummaryRecord
