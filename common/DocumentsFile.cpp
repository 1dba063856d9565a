#include "common/DocumentsFile.h"

#include "common/Dialogs.h"
#include "common/StepError.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace DocumentsFile {

QString folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString safeName(const QString &fileName)
{
    QString safe = fileName;
    for (const QChar c : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':'), QLatin1Char('*'), QLatin1Char('?'),
                          QLatin1Char('"'), QLatin1Char('<'), QLatin1Char('>'), QLatin1Char('|')})
        safe.replace(c, QLatin1Char('_'));
    return safe;
}

QString save(QWidget *parent, const QString &fileName, const QByteArray &contents)
{
    const QString documents = folder();
    if (documents.isEmpty() || !QDir().mkpath(documents))
        throw StepError(QStringLiteral("Não foi possível criar a pasta de documentos '%1'.").arg(documents));
    const QString path = QDir(documents).filePath(safeName(fileName));

    if (QFileInfo::exists(path)
        && !Dialogs::question(parent, QStringLiteral("Atenção!"),
                              QStringLiteral("O arquivo '%1' já existe. Deseja substituí-lo?").arg(path)))
        return QString();

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() || !file.commit())
        throw StepError(QStringLiteral("Não foi possível gravar o arquivo '%1': %2").arg(path, file.errorString()));

    if (!Dialogs::openWithDesktop(path))
        throw StepError(
            QStringLiteral("O arquivo '%1' foi gravado, mas não pôde ser aberto pelo programa padrão.").arg(path));
    return path;
}

} // namespace DocumentsFile
