#include "municipal/sampling/CommandDocument.h"

#include "common/StepError.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocumentWriter>

CommandDocument::CommandDocument() : m_cursor(&m_document)
{
    m_format.setFontWeight(QFont::Normal);
}

void CommandDocument::fontSize(int points)
{
    m_format.setFontPointSize(points);
}

void CommandDocument::bold()
{
    m_format.setFontWeight(m_format.fontWeight() >= QFont::Bold ? QFont::Normal : QFont::Bold);
}

void CommandDocument::insert(const QString &text)
{
    const QStringList paragraphs = text.split(QLatin1Char('\r'));
    for (int i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            m_cursor.insertBlock(QTextBlockFormat(), m_format);
        if (!paragraphs[i].isEmpty())
            m_cursor.insertText(paragraphs[i], m_format);
    }
}

QString CommandDocument::saveNew(const QString &folder, const QString &baseName) const
{
    if (!QDir().mkpath(folder))
        throw StepError(QStringLiteral("Não foi possível criar a pasta '%1'.").arg(folder));
    QString safe = baseName;
    for (const QChar c : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':'), QLatin1Char('*'), QLatin1Char('?'),
                          QLatin1Char('"'), QLatin1Char('<'), QLatin1Char('>'), QLatin1Char('|')})
        safe.replace(c, QLatin1Char('_'));
    QString path = QDir(folder).filePath(safe + QStringLiteral(".odt"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(QStringLiteral("%1 (%2).odt").arg(safe).arg(n));
    QTextDocumentWriter writer(path, "ODF");
    if (!writer.write(&m_document))
        throw StepError(QStringLiteral("Não foi possível gravar o documento '%1'.").arg(path));
    return path;
}
