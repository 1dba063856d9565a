#include "state/cli/StateCommandLine.h"

#include "common/DataSet.h"
#include "common/StepError.h"
#include "common/report/ReportPainting.h"
#include "state/Classification.h"
#include "state/KavelBatch.h"
#include "state/KavelReport.h"
#include "state/StateData.h"
#include "state/StateWorkbook.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QTemporaryFile>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace StateCommandLine {

namespace {

const QString usage = QStringLiteral(
    "Uso: Nubrel2012Estados [--init | COMANDO ...]\n"
    "Sem argumentos abre a janela. Os comandos usam o banco Nubrel2012Estados.db da pasta atual:\n"
    "  importar [--simular] ARQUIVO_OU_PASTA...   importa arquivos .nubrel (de uma pasta: todos os *.nubrel)\n"
    "  listar [--classe CLASSE | --sql INSTRUCAO]  escreve os registros em CSV na saída padrão\n"
    "  exportar SAIDA.xlsx [--classe CLASSE | --sql INSTRUCAO] [--substituir]\n"
    "                                              grava a planilha consolidada\n"
    "  relatorio SAIDA.pdf [--classe CLASSE | --sql INSTRUCAO] [--substituir]\n"
    "                                              grava o relatório em PDF\n"
    "  --help                                      mostra esta ajuda\n"
    "CLASSE: \"Todos\", \"IIP<=0,9\", \"1<=IIP<=3,9\" ou \"IIP>=4\".\n"
    "Saída: 0 tudo feito, 1 arquivo ou instrução recusados, 2 uso incorreto ou banco ausente.\n");

// A usage error: the message and the help, exit status 2.
struct UsageError
{
    QString message;
};

// The options shared by the commands that read the result set.
struct Selection
{
    std::optional<QString> className;
    std::optional<QString> statement;
    bool replace = false;
    QStringList rest;
};

Selection parseSelection(const QStringList &args, bool allowReplace)
{
    Selection s;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--classe") || a == QLatin1String("--sql")) {
            if (i + 1 >= args.size())
                throw UsageError{QStringLiteral("Falta o valor de %1.").arg(a)};
            if (s.className || s.statement)
                throw UsageError{QStringLiteral("Use só um de --classe e --sql.")};
            (a == QLatin1String("--classe") ? s.className : s.statement) = args[++i];
        } else if (allowReplace && a == QLatin1String("--substituir")) {
            s.replace = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            throw UsageError{QStringLiteral("Opção desconhecida: %1").arg(a)};
        } else {
            s.rest << a;
        }
    }
    if (s.className && Classification::statementFor(*s.className).isEmpty())
        throw UsageError{QStringLiteral("Classe desconhecida: %1").arg(*s.className)};
    return s;
}

std::unique_ptr<StateData> openDatabase()
{
    try {
        return std::make_unique<StateData>();
    } catch (const StepError &e) {
        throw UsageError{e.message()};
    }
}

// Narrows the result set as the window's class list or statement box would.
void select(StateData &data, const Selection &s)
{
    if (s.className)
        Classification::classify(*data.ADOQueryKavel, *s.className);
    else if (s.statement)
        Classification::runQuery(*data.ADOQueryKavel, data.ADOConnection1, *s.statement);
}

int importar(const QStringList &args, QTextStream &out, QTextStream &err)
{
    bool simulate = false;
    QStringList named;
    for (const QString &a : args) {
        if (a == QLatin1String("--simular"))
            simulate = true;
        else if (a.startsWith(QLatin1String("--")))
            throw UsageError{QStringLiteral("Opção desconhecida: %1").arg(a)};
        else
            named << a;
    }
    if (named.isEmpty())
        throw UsageError{QStringLiteral("Indique os arquivos ou pastas a importar.")};
    const std::unique_ptr<StateData> data = openDatabase();
    KavelBatch batch(data->ADOConnection1);
    const KavelBatch::Result result =
        batch.run(KavelBatch::expand(named), simulate, [&out](const QString &path, const QString &refusal) {
            out << path << ": " << (refusal.isEmpty() ? QStringLiteral("importado") : refusal) << '\n';
        });
    out << result.imported << (simulate ? " importáveis, " : " importados, ") << result.refused << " recusados\n";
    out.flush();
    (void)err;
    return result.refused == 0 ? 0 : 1;
}

QString csvField(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    for (const QChar c : text)
        if (special.contains(c))
            return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\""))
                   + QLatin1Char('"');
    return text;
}

int listar(const QStringList &args, QTextStream &out)
{
    const Selection s = parseSelection(args, false);
    if (!s.rest.isEmpty())
        throw UsageError{QStringLiteral("Argumento inesperado: %1").arg(s.rest.first())};
    const std::unique_ptr<StateData> data = openDatabase();
    select(*data, s);
    const DataSet &rows = *data->ADOQueryKavel;
    QStringList line;
    for (int f = 0; f < rows.fieldCount(); ++f)
        line << csvField(rows.field(f).name);
    out << line.join(QLatin1Char(',')) << "\r\n";
    for (int r = 0; r < rows.recordCount(); ++r) {
        line.clear();
        for (int f = 0; f < rows.fieldCount(); ++f) {
            const QVariant v = rows.valueAt(r, f);
            if (v.isNull())
                line << QString();
            else if (rows.field(f).type == FieldType::Float)
                line << QString::number(v.toDouble(), 'g', 15);
            else
                line << csvField(v.toString());
        }
        out << line.join(QLatin1Char(',')) << "\r\n";
    }
    out.flush();
    return 0;
}

// Writes `target` through a temporary file beside it; an existing file is
// replaced only when asked.
void writeOutput(const QString &target, bool replace, const std::function<void(const QString &)> &write)
{
    if (QFileInfo::exists(target) && !replace)
        throw StepError(QStringLiteral("O arquivo '%1' já existe; use --substituir para substituí-lo.").arg(target));
    const QFileInfo info(target);
    QTemporaryFile temporary(info.absoluteDir().filePath(QStringLiteral(".nubrel-XXXXXX")));
    if (!temporary.open())
        throw StepError(
            QStringLiteral("Não foi possível gravar em '%1': %2").arg(info.absolutePath(), temporary.errorString()));
    temporary.close();
    write(temporary.fileName());
    QFile::setPermissions(temporary.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                    | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        throw StepError(QStringLiteral("Não foi possível gravar o arquivo '%1'.").arg(target));
    temporary.setAutoRemove(false);
}

int exportar(const QStringList &args, bool report)
{
    const Selection s = parseSelection(args, true);
    if (s.rest.size() != 1)
        throw UsageError{report ? QStringLiteral("Indique um arquivo de saída .pdf.")
                                : QStringLiteral("Indique um arquivo de saída .xlsx.")};
    const std::unique_ptr<StateData> data = openDatabase();
    select(*data, s);
    const DataSet &rows = *data->ADOQueryKavel;
    if (report) {
        KavelReport layout(rows);
        writeOutput(s.rest.first(), s.replace, [&](const QString &path) {
            QPdfWriter writer(path);
            writer.setTitle(QStringLiteral("Rave Report"));
            writer.setResolution(600);
            ReportPainting::paint(layout, writer, {});
        });
    } else {
        StateWorkbook::check(rows);
        writeOutput(s.rest.first(), s.replace, [&](const QString &path) { StateWorkbook::write(rows, path); });
    }
    return 0;
}

} // namespace

bool isCommand(const QStringList &arguments)
{
    // Any first word is a command, so that a mistyped one is refused rather than
    // opening the window; options (--init, Qt's own) are left to the window.
    const QString first = arguments.value(0);
    return first == QLatin1String("--help") || (!first.isEmpty() && !first.startsWith(QLatin1Char('-')));
}

bool needsGui(const QStringList &arguments)
{
    return !arguments.isEmpty() && arguments.first() == QLatin1String("relatorio");
}

int run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString command = arguments.value(0);
    const QStringList args = arguments.mid(1);
    try {
        if (command == QLatin1String("--help")) {
            out << usage;
            return 0;
        }
        if (command == QLatin1String("importar"))
            return importar(args, out, err);
        if (command == QLatin1String("listar"))
            return listar(args, out);
        if (command == QLatin1String("exportar") || command == QLatin1String("relatorio"))
            return exportar(args, command == QLatin1String("relatorio"));
        throw UsageError{QStringLiteral("Comando desconhecido: %1").arg(command)};
    } catch (const UsageError &e) {
        err << e.message << '\n' << usage;
        return 2;
    } catch (const StepError &e) {
        err << e.message() << '\n';
        return 1;
    }
}

} // namespace StateCommandLine
