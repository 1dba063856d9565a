#include "common/report/ReportEngine.h"

#include "common/Dialogs.h"
#include "common/StepError.h"
#include "common/report/ReportOutputDialog.h"
#include "common/report/ReportPainting.h"

#include <QFileInfo>
#include <QLabel>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

// A small window telling which page is being produced.
class StatusWindow
{
public:
    StatusWindow(QWidget *parent, const QString &title, const QString &pattern) : m_pattern(pattern)
    {
        if (Dialogs::isScripted())
            return;
        m_dialog = std::make_unique<QDialog>(parent);
        m_dialog->setWindowTitle(title);
        auto *layout = new QVBoxLayout(m_dialog.get());
        m_label = new QLabel(m_dialog.get());
        m_label->setMinimumWidth(240);
        layout->addWidget(m_label);
        m_dialog->show();
    }
    void page(int number)
    {
        if (!m_label)
            return;
        m_label->setText(QString(m_pattern).replace(QLatin1String("%p"), QString::number(number)));
        m_label->repaint();
    }

private:
    QString m_pattern;
    std::unique_ptr<QDialog> m_dialog;
    QLabel *m_label = nullptr;
};

} // namespace

ReportEngine::ReportEngine(ReportCaptions captions) : m_captions(std::move(captions))
{}

ReportEngine::~ReportEngine() = default;

void ReportEngine::addReport(const QString &name, Factory factory)
{
    m_factories[name] = std::move(factory);
}

void ReportEngine::setParam(const QString &name, const QString &value)
{
    m_params[name] = value;
}

QString ReportEngine::outputName(Output output)
{
    switch (output) {
    case Output::Printer:
        return QStringLiteral("printer");
    case Output::Preview:
        return QStringLiteral("preview");
    case Output::PdfFile:
        break;
    }
    return QStringLiteral("pdf");
}

const ReportEngine::Factory &ReportEngine::factory(const QString &name) const
{
    const auto it = m_factories.find(name);
    if (it == m_factories.end())
        throw StepError(QStringLiteral("Relatório '%1' não encontrado.").arg(name));
    return it->second;
}

int ReportEngine::render(const QString &name, QPagedPaintDevice &device, const QString &pageCaption)
{
    std::unique_ptr<ReportLayout> layout = factory(name)();
    StatusWindow status(nullptr, m_captions.status, pageCaption.isEmpty() ? m_captions.generating : pageCaption);
    return ReportPainting::paint(*layout, device, m_params, [&status](int page) { status.page(page); });
}

QString ReportEngine::pdfFileName(QWidget *parent) const
{
    const QString suffix = QFileInfo(m_captions.pdfFilter).suffix();
    QString file = Dialogs::saveFileName(
        parent, m_captions.pdfChoice, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QStringLiteral("%1 (%2)").arg(m_captions.pdfChoice, m_captions.pdfFilter), suffix);
    if (file.isEmpty() || !QFileInfo(file).suffix().isEmpty())
        return file;
    // A name without an extension gets one; the file it then names was not
    // the one the dialog asked about, so replacing it is asked here.
    file += QLatin1Char('.') + suffix;
    if (QFileInfo::exists(file)
        && !Dialogs::question(parent, m_captions.pdfChoice,
                              QStringLiteral("O arquivo '%1' já existe. Deseja substituí-lo?").arg(file), true))
        return QString();
    return file;
}

void ReportEngine::executeReport(const QString &name, QWidget *parent)
{
    factory(name); // an unknown report fails before anything is asked
    const QString choice = Dialogs::choose(m_captions.outputOptions, [&] {
                               ReportOutputDialog dialog(m_captions, parent);
                               return dialog.exec() == QDialog::Accepted ? QVariant(dialog.choice()) : QVariant();
                           }).toString();
    if (choice.isEmpty())
        return;

    if (choice == outputName(Output::PdfFile)) {
        const QString file = pdfFileName(parent);
        if (file.isEmpty())
            return;
        QSaveFile out(file);
        if (!out.open(QIODevice::WriteOnly))
            throw StepError(QStringLiteral("Não foi possível gravar o arquivo '%1': %2").arg(file, out.errorString()));
        {
            QPdfWriter writer(&out);
            writer.setTitle(m_captions.jobTitle);
            writer.setResolution(600);
            render(name, writer);
        }
        if (!out.commit())
            throw StepError(QStringLiteral("Não foi possível gravar o arquivo '%1': %2").arg(file, out.errorString()));
        return;
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_captions.jobTitle);
    if (choice == outputName(Output::Preview)) {
        Dialogs::choose(m_captions.preview, [&] {
            QPrintPreviewDialog preview(&printer, parent);
            preview.setWindowTitle(m_captions.preview);
            QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                             [&](QPrinter *p) { render(name, *p); });
            preview.exec();
            return QVariant();
        });
        return;
    }
    const bool accepted = Dialogs::choose(QStringLiteral("Imprimir"), [&] {
                              QPrintDialog dialog(&printer, parent);
                              return QVariant(dialog.exec() == QDialog::Accepted);
                          }).toBool();
    if (accepted)
        render(name, printer, m_captions.printing);
}
