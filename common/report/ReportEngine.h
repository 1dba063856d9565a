#pragma once

#include "common/report/ReportLayout.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>

class QPagedPaintDevice;
class QWidget;

// The texts of the engine's own windows, which differ between the programs.
struct ReportCaptions
{
    QString outputOptions;
    QString status;
    QString preview;
    QString generating = QStringLiteral("Generating page %p");
    QString printing = QStringLiteral("Printing page %p");
    QString jobTitle = QStringLiteral("Rave Report");
    QString pdfChoice = QStringLiteral("Adobe Acrobat (PDF)");
    QString pdfFilter = QStringLiteral("*.pdf");
};

// Runs reports by name with text parameters. The user chooses the output:
// the printer, a preview on screen, or a PDF file.
class ReportEngine
{
public:
    enum class Output { Printer, Preview, PdfFile };
    using Factory = std::function<std::unique_ptr<ReportLayout>()>;

    explicit ReportEngine(ReportCaptions captions);
    ~ReportEngine();

    void addReport(const QString &name, Factory factory);
    void setParam(const QString &name, const QString &value);

    // Asks for the output and produces the report there. Throws StepError
    // for an unknown report or an output that cannot be written.
    void executeReport(const QString &name, QWidget *parent = nullptr);

    // Paints a report onto a paged device; returns the number of pages.
    int render(const QString &name, QPagedPaintDevice &device, const QString &pageCaption = QString());

    // The answers of the output options dialog, for Dialogs::answerNext().
    static QString outputName(Output output);

private:
    const Factory &factory(const QString &name) const;
    // Asks for the PDF file: in the documents folder, with its extension.
    QString pdfFileName(QWidget *parent) const;

    ReportCaptions m_captions;
    std::map<QString, Factory> m_factories;
    ReportParams m_params;
};
