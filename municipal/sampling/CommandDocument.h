#pragma once

#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

// A word-processor document built by the commands a field document needs:
// a font size, a bold switch, and inserted text in which a carriage return
// starts a new paragraph. Saved as OpenDocument text.
class CommandDocument
{
public:
    CommandDocument();
    CommandDocument(const CommandDocument &) = delete;
    CommandDocument &operator=(const CommandDocument &) = delete;

    void fontSize(int points);
    void bold(); // switches bold on or off
    void insert(const QString &text);

    const QTextDocument &document() const { return m_document; }

    // Writes the document into `folder` as "<baseName>.odt", or with " (2)",
    // " (3)"… added when such a file exists: nothing the user has is
    // overwritten. Returns the path written; throws StepError on failure.
    QString saveNew(const QString &folder, const QString &baseName) const;

private:
    QTextDocument m_document;
    QTextCursor m_cursor;
    QTextCharFormat m_format;
};
