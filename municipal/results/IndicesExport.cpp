#include "municipal/results/IndicesExport.h"

#include "common/Dialogs.h"
#include "common/DocumentsFile.h"

namespace IndicesExport {

QString savingMessage(const IndicesWorkbook::Header &header)
{
    return QStringLiteral("O arquivo sera salvo como ") + IndicesWorkbook::baseName(header)
           + QStringLiteral(" na pasta Meus Documentos");
}

QString run(QWidget *parent, const DataSet &indices, const IndicesWorkbook::Header &header)
{
    const QByteArray workbook = IndicesWorkbook::build(indices, header);
    Dialogs::message(parent, QStringLiteral("Nubrel2012Municipios"), savingMessage(header));
    return DocumentsFile::save(
        parent, DocumentsFile::safeName(IndicesWorkbook::baseName(header) + QStringLiteral(".xlsx")), workbook);
}

} // namespace IndicesExport
