#include "municipal/sampling/BlockListPrinting.h"

#include "common/DataSet.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/sampling/CommandDocument.h"
#include "municipal/sampling/PlanFields.h"

#include <QStandardPaths>

using namespace PlanFields;

namespace BlockListPrinting {

namespace {

const QString CR = QStringLiteral("\r");

QString repeat(QChar c, int n)
{
    return QString(n, c);
}

// The heading down to the "Estrato" line; the rules' lengths differ between the two documents.
void heading(CommandDocument &doc, const Header &header, const QString &estrato, int firstRule, int secondRule)
{
    doc.fontSize(12);
    doc.bold();
    doc.insert(QStringLiteral("Kavel - Pelvane"));
    doc.fontSize(6);
    doc.insert(CR + repeat(QLatin1Char('_'), firstRule));
    doc.fontSize(18);
    doc.insert(CR + CR + repeat(QLatin1Char(' '), 45) + QStringLiteral("Nubrel") + repeat(QLatin1Char(' '), 2));
    doc.insert(CR + CR);
    doc.bold();
    doc.fontSize(14);
    doc.insert(header.municipio + QStringLiteral(" ") + QStringLiteral("(") + header.uf + QStringLiteral(")"));
    doc.fontSize(6);
    doc.insert(CR + repeat(QLatin1Char('_'), secondRule));
    doc.insert(CR + CR + CR + CR);
    doc.bold();
    doc.fontSize(13);
    doc.insert(repeat(QLatin1Char(' '), 63) + QStringLiteral("Estrato ") + estrato);
}

// The current item: its name and blocks, its count of blocks to work, its block list.
void itemLines(CommandDocument &doc, const DataSet &items)
{
    doc.insert(CR + CR);
    doc.insert(QStringLiteral("Bairro :   ") + items.asText(Bairro) + QStringLiteral("            N° de quarteirões : ")
               + items.asText(Quarteirao));
    doc.insert(CR + CR);
    doc.insert(QStringLiteral("Quarteirões a trabalhar : ") + items.asText(TotalQuartBairro));
    doc.insert(CR + CR);
    doc.insert(items.asText(QuarteiroesATrabalhar));
}

} // namespace

std::unique_ptr<CommandDocument> currentNeighbourhood(TDataModule1 &dm, const Header &header)
{
    const DataSet &items = *dm.ADOTableDefQuart;
    auto document = std::make_unique<CommandDocument>();
    CommandDocument &doc = *document;
    heading(doc, header, items.asText(Estrato), 96, 72);
    itemLines(doc, items);
    return document;
}

std::unique_ptr<CommandDocument> wholeStratum(TDataModule1 &dm, const Header &header)
{
    DataSet &items = *dm.ADOTableDefQuart;
    auto document = std::make_unique<CommandDocument>();
    CommandDocument &doc = *document;
    // A stratum without items still has its number: the plan's current stratum.
    heading(doc, header, dm.ADOTablePlanoAmostral->asText(Estrato), 101, 79);
    items.first();
    const int count = items.recordCount();
    for (int i = 0; i < count; ++i) {
        itemLines(doc, items);
        doc.insert(CR + CR + CR);
        items.next();
    }
    return document;
}

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace BlockListPrinting
