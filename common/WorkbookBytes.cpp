#include "common/WorkbookBytes.h"

#include "common/StepError.h"

#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

namespace WorkbookBytes {

void check(int error)
{
    if (error != LXW_NO_ERROR)
        throw StepError(QStringLiteral("Erro ao montar a planilha: %1")
                            .arg(QString::fromUtf8(lxw_strerror(static_cast<lxw_error>(error)))));
}

QByteArray build(const std::function<void(lxw_workbook *)> &fill)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        throw StepError(QStringLiteral("Não foi possível criar uma pasta temporária para a planilha: %1")
                            .arg(folder.errorString()));
    const QString path = folder.filePath(QStringLiteral("planilha.xlsx"));
    const QByteArray nativePath = QFile::encodeName(path);
    lxw_workbook *workbook = workbook_new(nativePath.constData());
    if (!workbook)
        throw StepError(QStringLiteral("Não foi possível criar a planilha."));
    try {
        fill(workbook);
    } catch (...) {
        lxw_workbook_free(workbook);
        throw;
    }
    check(workbook_close(workbook));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw StepError(QStringLiteral("Não foi possível ler a planilha montada: %1").arg(file.errorString()));
    return file.readAll();
}

} // namespace WorkbookBytes
