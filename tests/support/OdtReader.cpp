#include "tests/support/OdtReader.h"

#include "tests/support/TestSupport.h"

#include <QDir>
#include <QHash>
#include <QXmlStreamReader>

namespace OdtReader {

QString Paragraph::text() const
{
    QString t;
    for (const Run &r : runs)
        t += r.text;
    return t;
}

namespace {

struct Format
{
    double size = 0;
    bool bold = false;
};

} // namespace

QList<Paragraph> read(const QString &odtFile)
{
    QString xml;
    TestSupport::run(QStringLiteral("unzip"), {QStringLiteral("-p"), odtFile, QStringLiteral("content.xml")},
                     QDir::currentPath(), &xml);
    QXmlStreamReader reader(xml);
    QHash<QString, Format> styles;
    QString styleName;
    QList<Paragraph> paragraphs;
    QList<Format> formats; // of the open spans
    bool inParagraph = false;
    bool lastWasCollapsedSpace = false;

    const auto append = [&](const QString &text, bool literal) {
        Paragraph &p = paragraphs.last();
        const Format f = formats.isEmpty() ? Format() : formats.last();
        if (p.runs.isEmpty() || p.runs.last().size != f.size || p.runs.last().bold != f.bold)
            p.runs.append({QString(), f.size, f.bold});
        p.runs.last().text += text;
        lastWasCollapsedSpace = !literal && text == QLatin1String(" ");
    };

    while (!reader.atEnd()) {
        reader.readNext();
        const QStringView name = reader.qualifiedName();
        if (reader.isStartElement()) {
            const auto attrs = reader.attributes();
            if (name == u"style:style") {
                styleName = attrs.value(QStringLiteral("style:name")).toString();
            } else if (name == u"style:text-properties") {
                Format &f = styles[styleName];
                const QString size = attrs.value(QStringLiteral("fo:font-size")).toString();
                if (!size.isEmpty())
                    f.size = QString(size).remove(QStringLiteral("pt")).toDouble();
                f.bold = attrs.value(QStringLiteral("fo:font-weight")) == u"bold";
            } else if (name == u"text:p" || name == u"text:h") {
                paragraphs.append(Paragraph());
                formats = {styles.value(attrs.value(QStringLiteral("text:style-name")).toString())};
                inParagraph = true;
                lastWasCollapsedSpace = true; // leading white space of a paragraph is dropped
            } else if (name == u"text:span") {
                formats.append(styles.value(attrs.value(QStringLiteral("text:style-name")).toString()));
            } else if (name == u"text:s") {
                const int count =
                    attrs.hasAttribute(QStringLiteral("text:c")) ? attrs.value(QStringLiteral("text:c")).toInt() : 1;
                append(QString(count, QLatin1Char(' ')), true);
            } else if (name == u"text:tab") {
                append(QStringLiteral("\t"), true);
            } else if (name == u"text:line-break") {
                append(QStringLiteral("\n"), true);
            }
        } else if (reader.isEndElement()) {
            if (name == u"text:span" && formats.size() > 1)
                formats.removeLast();
            else if (name == u"text:p" || name == u"text:h")
                inParagraph = false;
        } else if (reader.isCharacters() && inParagraph) {
            // white space runs collapse to one space, as in any ODF reader
            for (QChar c : reader.text()) {
                const bool space = c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
                if (!space)
                    append(QString(c), true);
                else if (!lastWasCollapsedSpace)
                    append(QStringLiteral(" "), false);
            }
        }
    }
    return paragraphs;
}

} // namespace OdtReader
