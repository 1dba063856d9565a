#include "common/DocumentsFile.h"

#include "common/Dialogs.h"
#include "common/StepError.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace DocumentsFile {

QString folder()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (path.isEmpty() || !QDir().mkpath(path))
        throw StepError(QStringLiteral("A pasta de documentos do usuário não está disponível."));
    return path;
}

QString safeName(const QString &name)
{
    QString safe = name;
    for (const QChar c : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':'), QLatin1Char('*'), QLatin1Char('?'),
                          QLatin1Char('"'), QLatin1Char('<'), QLatin1Char('>'), QLatin1Char('|')})
        safe.replace(c, QLatin1Char('_'));
    if (safe.startsWith(QLatin1Char('.')))
        safe[0] = QLatin1Char('_'); // never a hidden file
    return safe;
}

QString save(QWidget *parent, const QString &name, const std::function<void(const QString &path)> &write)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name.startsWith(QLatin1Char('.')))
        throw StepError(QStringLiteral("'%1' não serve como nome de arquivo.").arg(name));
    const QString path = QDir(folder()).filePath(name);
    if (QFileInfo::exists(path)
        && !Dialogs::question(parent, QStringLiteral("Atenção!"),
                              QStringLiteral("O arquivo \"%1\" já existe. Deseja substituí-lo?").arg(path), true))
        return QString();

    QTemporaryFile temporary(QDir(folder()).filePath(QStringLiteral(".nubrel-XXXXXX")));
    if (!temporary.open())
        throw StepError(
            QStringLiteral("Não foi possível gravar na pasta '%1': %2").arg(folder(), temporary.errorString()));
    temporary.close();
    write(temporary.fileName());
    QFile::setPermissions(temporary.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                    | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        throw StepError(QStringLiteral("Não foi possível gravar o arquivo '%1': %2")
                            .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    temporary.setAutoRemove(false); // it is the saved file now
    if (!Dialogs::openWithDesktop(path))
        throw StepError(QStringLiteral("O arquivo '%1' foi gravado, mas não pôde ser aberto.").arg(path));
    return path;
}

QString save(QWidget *parent, const QString &name, const QByteArray &contents)
{
    return save(parent, name, [&contents](const QString &path) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
            throw StepError(QStringLiteral("Não foi possível gravar o arquivo '%1': %2").arg(path, file.errorString()));
    });
}

} // namespace DocumentsFile
