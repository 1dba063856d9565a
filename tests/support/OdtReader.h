#pragma once

#include <QList>
#include <QString>

// Reads the paragraphs of an OpenDocument text file back, through unzip and
// the XML of its content, with each run's font size and weight.
namespace OdtReader {

struct Run
{
    QString text;
    double size = 0;
    bool bold = false;
};

struct Paragraph
{
    QList<Run> runs;
    QString text() const;
};

QList<Paragraph> read(const QString &odtFile);

} // namespace OdtReader
