// Writes one summary file per municipality of the country's list, with
// plausible varied values, through the project's own summary-file writer.
// Usage: bench_generate_summaries municipios.tsv FOLDER

#include "common/StepError.h"
#include "common/SummaryFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "Uso: bench_generate_summaries municipios.tsv PASTA\n");
        return 2;
    }
    QFile list(args[1]);
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "Não foi possível ler %s\n", qPrintable(args[1]));
        return 1;
    }
    const QDir folder(args[2]);
    QRandomGenerator random(2012);
    const QLocale locale; // the decimals the importing side will expect
    const auto decimal = [&](double max) { return locale.toString(random.bounded(max), 'g', 3); };
    QTextStream in(&list);
    in.setEncoding(QStringConverter::Utf8);
    int written = 0;
    try {
        while (!in.atEnd()) {
            const QStringList parts = in.readLine().split(QLatin1Char('\t'));
            if (parts.size() != 3 || parts[0].startsWith(QLatin1Char('#')))
                continue;
            const QString uf = parts[0], code = parts[1], name = parts[2].left(32);
            QStringList cells{name, uf, decimal(8), decimal(12)};
            for (int i = 0; i < 10; ++i)
                cells << QString::number(random.bounded(40)) << decimal(100);
            cells << QStringLiteral("Jan/2012") << code << decimal(3) << decimal(4) << QString() << QString();
            SummaryFile::Table table;
            table.columns = 1;
            table.rows = int(cells.size());
            table.cells = {cells};
            SummaryFile::write(folder.filePath(QStringLiteral("%1-%2.nubrel").arg(name, uf)), table);
            ++written;
        }
    } catch (const StepError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::printf("%d\n", written);
    return 0;
}
