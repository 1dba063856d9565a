#include "common/report/ReportOutputDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

ReportOutputDialog::ReportOutputDialog(const ReportCaptions &captions, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(captions.outputOptions);
    auto *layout = new QVBoxLayout(this);
    auto *group = new QGroupBox(QStringLiteral("Destino"), this);
    auto *groupLayout = new QVBoxLayout(group);
    m_printer = new QRadioButton(QStringLiteral("Impressora"), group);
    m_preview = new QRadioButton(QStringLiteral("Visualizar na tela"), group);
    m_pdf = new QRadioButton(captions.pdfChoice, group);
    m_preview->setChecked(true);
    groupLayout->addWidget(m_printer);
    groupLayout->addWidget(m_preview);
    groupLayout->addWidget(m_pdf);
    layout->addWidget(group);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QString ReportOutputDialog::choice() const
{
    if (m_printer->isChecked())
        return ReportEngine::outputName(ReportEngine::Output::Printer);
    if (m_pdf->isChecked())
        return ReportEngine::outputName(ReportEngine::Output::PdfFile);
    return ReportEngine::outputName(ReportEngine::Output::Preview);
}
