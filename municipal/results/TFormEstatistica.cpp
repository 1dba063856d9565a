#include "municipal/results/TFormEstatistica.h"

#include "common/Accessibility.h"
#include "common/DataSet.h"
#include "common/Dialogs.h"
#include "common/report/ReportEngine.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/results/MunicipalityStatistics.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QLineEdit *addRow(QGridLayout *grid, QWidget *parent, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    auto *box = new QLineEdit(parent);
    Accessibility::label(label, box);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

// The four statistics of an index, one row each.
void addStatistics(QGridLayout *grid, QWidget *parent, QLineEdit *&mean, QLineEdit *&variance, QLineEdit *&deviation,
                   QLineEdit *&variation)
{
    mean = addRow(grid, parent, QStringLiteral("Média :"));
    variance = addRow(grid, parent, QStringLiteral("Variância :"));
    deviation = addRow(grid, parent, QStringLiteral("Desvio padrão :"));
    variation = addRow(grid, parent, QStringLiteral("Coeficiente de variação (%) :"));
}

// A municipality index: the species over its box, the index's caption and
// the species together as the box's name.
QLineEdit *addSpecies(QGridLayout *grid, QWidget *parent, int column, const QString &caption, const QString &species)
{
    auto *label = new QLabel(species, parent);
    label->setStyleSheet(QStringLiteral("font-style: italic;"));
    auto *box = new QLineEdit(parent);
    Accessibility::label(label, box);
    box->setAccessibleName(caption + QLatin1Char(' ') + species);
    grid->addWidget(label, 1, column);
    grid->addWidget(box, 2, column);
    return box;
}

QLabel *heading(const QString &text, const QString &species, QWidget *parent)
{
    return new QLabel(QStringLiteral("%1<i>%2</i>")
                          .arg(text.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;")), species),
                      parent);
}

} // namespace

TFormEstatistica::TFormEstatistica(TDataModule1 &dm, ReportEngine &reports, std::function<ReportParams()> headerParams,
                                   QWidget *parent)
    : QWidget(parent, Qt::Window), m_dm(dm), m_reports(reports), m_headerParams(std::move(headerParams))
{
    setWindowTitle(QStringLiteral("Dados estatísticos"));
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    m_municipio = new QLabel(this);
    m_uf = new QLabel(this);
    m_ano = new QLabel(this);
    for (QLabel *label : {m_municipio, m_uf, m_ano}) {
        label->setStyleSheet(QStringLiteral("font-size: 12pt; font-weight: bold;"));
        top->addWidget(label);
    }
    top->addStretch();
    layout->addLayout(top);

    const QString aegypti = QStringLiteral("Aedes aegypti");
    const QString albopictus = QStringLiteral("Aedes albopictus");

    auto *iip = new QGroupBox(QStringLiteral("Índice de infestação predial (IIP)"), this);
    auto *iipLayout = new QVBoxLayout(iip);
    auto *iipMun = new QGridLayout;
    iipMun->addWidget(new QLabel(QStringLiteral("IIP do município:"), iip), 0, 0, 1, 2);
    Edit1 = addSpecies(iipMun, iip, 0, QStringLiteral("IIP do município:"), aegypti);
    Edit14 = addSpecies(iipMun, iip, 1, QStringLiteral("IIP do município:"), albopictus);
    iipLayout->addLayout(iipMun);
    iipLayout->addWidget(heading(QStringLiteral("Estatística :  IIP para  "), aegypti, iip));
    auto *iipRows = new QGridLayout;
    addStatistics(iipRows, iip, Edit2, Edit3, Edit4, Edit5);
    Edit11 = addRow(iipRows, iip, QStringLiteral("N° de estratos com baixo risco :"));
    Edit12 = addRow(iipRows, iip, QStringLiteral("N° de estratos com médio risco :"));
    Edit13 = addRow(iipRows, iip, QStringLiteral("N° de estratos com alto risco :"));
    iipLayout->addLayout(iipRows);

    auto *ib = new QGroupBox(QStringLiteral("Índice de Breteau (IB)"), this);
    auto *ibLayout = new QVBoxLayout(ib);
    auto *ibMun = new QGridLayout;
    ibMun->addWidget(new QLabel(QStringLiteral("IB do município :"), ib), 0, 0);
    ibMun->addWidget(new QLabel(QStringLiteral("IB do município:"), ib), 0, 1);
    Edit6 = addSpecies(ibMun, ib, 0, QStringLiteral("IB do município :"), aegypti);
    Edit15 = addSpecies(ibMun, ib, 1, QStringLiteral("IB do município:"), albopictus);
    ibLayout->addLayout(ibMun);
    ibLayout->addWidget(heading(QStringLiteral("Estatística: IB para "), aegypti, ib));
    auto *ibRows = new QGridLayout;
    addStatistics(ibRows, ib, Edit7, Edit8, Edit9, Edit10);
    ibLayout->addLayout(ibRows);
    ibLayout->addStretch();

    auto *groups = new QHBoxLayout;
    groups->addWidget(iip);
    groups->addWidget(ib);
    layout->addLayout(groups);

    auto *panelCaption = new QLabel(QStringLiteral("Situação de risco do Município :"), this);
    m_panel = new QLabel(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setAccessibleName(panelCaption->text());
    m_panel->setAlignment(Qt::AlignCenter);
    m_panel->setMinimumHeight(48);
    m_panel->setAutoFillBackground(true);
    m_panel->setStyleSheet(QStringLiteral("font-size: 18pt; font-weight: bold; background-color: silver;"));
    layout->addWidget(panelCaption);
    layout->addWidget(m_panel);

    auto *buttons = new QHBoxLayout;
    auto *imprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    auto *fechar = new QPushButton(QStringLiteral("Fechar"), this);
    buttons->addStretch();
    buttons->addWidget(imprimir);
    buttons->addWidget(fechar);
    layout->addLayout(buttons);

    Dialogs::connectStep(fechar, &QPushButton::clicked, this, &TFormEstatistica::SpeedButton1Click);
    Dialogs::connectStep(imprimir, &QPushButton::clicked, this, &TFormEstatistica::SpeedButton2Click);
}

void TFormEstatistica::showStatistics()
{
    showMunicipality();
    show();
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    raise();

    const MunicipalityStatistics::Figures f = MunicipalityStatistics::compute(m_dm);
    Edit1->setText(f.iipAegypti);
    Edit14->setText(f.iipAlbopictus);
    Edit2->setText(f.iip.mean);
    Edit3->setText(f.iip.variance);
    Edit4->setText(f.iip.deviation);
    Edit5->setText(f.iip.variation);
    if (f.risk) {
        m_panel->setText(f.risk->caption);
        m_panel->setStyleSheet(
            QStringLiteral("font-size: 18pt; font-weight: bold; background-color: %1;").arg(f.risk->colour.name()));
    }
    Edit6->setText(f.ibAegypti);
    Edit15->setText(f.ibAlbopictus);
    Edit7->setText(f.ib.mean);
    Edit8->setText(f.ib.variance);
    Edit9->setText(f.ib.deviation);
    Edit10->setText(f.ib.variation);
    Edit11->setText(f.lowRiskStrata);
    Edit12->setText(f.mediumRiskStrata);
    Edit13->setText(f.highRiskStrata);
}

void TFormEstatistica::showMunicipality()
{
    const DataSet &cadastro = *m_dm.ADOTableCadastro;
    m_municipio->setText(cadastro.asText(QStringLiteral("Municipio")));
    m_uf->setText(cadastro.asText(QStringLiteral("UF")));
    m_ano->setText(cadastro.asText(QStringLiteral("Ano")));
}

void TFormEstatistica::SpeedButton1Click()
{
    hide();
}

void TFormEstatistica::SpeedButton2Click()
{
    const ReportParams header = m_headerParams();
    for (const QString &name : {QStringLiteral("Municipio"), QStringLiteral("UF"), QStringLiteral("Periodo")})
        m_reports.setParam(name, header.value(name));
    const std::pair<const char *, QLineEdit *> figures[] = {
        {"IIPMun", Edit1},      {"MediaIIP", Edit2},    {"VarianciaIIP", Edit3}, {"DPIIP", Edit4}, {"CVIIP", Edit5},
        {"IBMun", Edit6},       {"MediaIB", Edit7},     {"VarianciaIB", Edit8},  {"DPIB", Edit9},  {"CVIB", Edit10},
        {"BaixoRisco", Edit11}, {"MedioRisco", Edit12}, {"AltoRisco", Edit13},
    };
    for (const auto &[name, box] : figures)
        m_reports.setParam(QString::fromLatin1(name), box->text());
    m_reports.setParam(QStringLiteral("SituacaoMun"), m_panel->text());
    m_reports.setParam(QStringLiteral("IIPalb"), Edit14->text());
    m_reports.setParam(QStringLiteral("IBalb"), Edit15->text());
    m_reports.executeReport(QStringLiteral("Report5"), this);
}
