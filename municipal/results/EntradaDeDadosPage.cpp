#include "municipal/results/EntradaDeDadosPage.h"

#include "common/DataGrid.h"
#include "common/Dialogs.h"
#include "common/report/ReportEngine.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/results/ConsolidadoCalculation.h"
#include "municipal/results/ConsolidadoDelegate.h"
#include "municipal/results/GroupHeadings.h"
#include "municipal/results/ResultsPageParts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QVector<DataSetModel::Column> columns{
    {QStringLiteral("Estrato"), QStringLiteral("Estrato")},
    {QStringLiteral("ImoveisProgramados"), QStringLiteral("Prog.")},
    {QStringLiteral("ImoveisInspecionados"), QStringLiteral("Insp.")},
    {QStringLiteral("ImoveisComAegTB"), QStringLiteral("TB")},
    {QStringLiteral("ImoveisComAegOutros"), QStringLiteral("Outros")},
    {QStringLiteral("ImoveisComAegTotal"), QStringLiteral("Total")},
    {QStringLiteral("ImoveisComAlbTB"), QStringLiteral("TB")},
    {QStringLiteral("ImoveisComAlbOutros"), QStringLiteral("Outros")},
    {QStringLiteral("ImoveisComAlbTotal"), QStringLiteral("Total")},
    {QStringLiteral("DepositoAegA1"), QStringLiteral("A1")},
    {QStringLiteral("DepositoAegA2"), QStringLiteral("A2")},
    {QStringLiteral("DepositoAegB"), QStringLiteral("B")},
    {QStringLiteral("DepositoAegC"), QStringLiteral("C")},
    {QStringLiteral("DepositoAegD1"), QStringLiteral("D1")},
    {QStringLiteral("DepositoAegD2"), QStringLiteral("D2")},
    {QStringLiteral("DepositoAegE"), QStringLiteral("E")},
    {QStringLiteral("DepositoAegTotal"), QStringLiteral("Total")},
    {QStringLiteral("Critica"), QStringLiteral("Critica")},
    {QStringLiteral("DepositoAlbTotal"), QStringLiteral("Total")},
};

const QVector<GroupHeadings::Group> groups{
    {0, 1, 8, QStringLiteral("Imóveis")},
    {0, 9, 17, QStringLiteral("Tipos de recipientes para Ae. aegypti")},
    {0, 18, 18, QStringLiteral("Recipientes")},
    {1, 3, 5, QStringLiteral("Ae. aegypti")},
    {1, 6, 8, QStringLiteral("Ae. albopictus")},
    {1, 9, 10, QStringLiteral("A")},
    {1, 13, 14, QStringLiteral("D")},
    {1, 18, 18, QStringLiteral("Ae. alb.")},
};

} // namespace

EntradaDeDadosPage::EntradaDeDadosPage(TDataModule1 &dm, ReportEngine &reports,
                                       std::function<ReportParams()> headerParams, QWidget *parent)
    : QWidget(parent), m_dm(dm), m_reports(reports), m_headerParams(std::move(headerParams))
{
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(0);

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setAccessibleName(QStringLiteral("Entrada de dados"));
    m_grid->bind(dm.DataSourceConsolidado, columns);
    m_grid->setItemDelegate(new ConsolidadoDelegate(m_grid->dataModel(), m_grid));
    QPalette palette = m_grid->palette();
    palette.setColor(QPalette::Base, ConsolidadoDelegate::gridColour());
    m_grid->setPalette(palette);
    m_grid->horizontalHeader()->setDefaultSectionSize(52);
    m_grid->setColumnWidth(17, 110);
    layout->addWidget(new GroupHeadings(m_grid, groups, this));
    layout->addWidget(m_grid, 1);
    layout->addSpacing(6);

    // The totals of all strata, as the last "Cálculo" stored them.
    DataSource *totals = dm.DataSourceTotalConsolidado;
    auto *counts = new QGridLayout;
    ResultsPageParts::addComputedBox(counts, 0, this, QStringLiteral("Total de estratos :"), totals,
                                     QStringLiteral("TotalEstratos"));
    ResultsPageParts::addComputedBox(counts, 0, this, QStringLiteral("Total de imóveis programados :"), totals,
                                     QStringLiteral("TotalImoveisProgramados"));
    ResultsPageParts::addComputedBox(counts, 0, this, QStringLiteral("Total de imóveis inspecionados :"), totals,
                                     QStringLiteral("TotalImoveisInspecionados"));
    layout->addLayout(counts);
    auto *frequency =
        new QGroupBox(QStringLiteral("Frequência numérica de  criadouros de Ae. aegypti em todos os estratos"), this);
    auto *classes = new QGridLayout(frequency);
    for (const char *cls : {"A1", "A2", "B", "C", "D1", "D2", "E"})
        ResultsPageParts::addComputedBox(classes, 0, frequency, QLatin1String(cls), totals,
                                         QStringLiteral("TotalDeposito") + QLatin1String(cls));
    ResultsPageParts::addComputedBox(classes, 0, frequency, QStringLiteral("Total"), totals,
                                     QStringLiteral("TotalDepositos"));
    layout->addWidget(frequency);

    auto *buttons = new QHBoxLayout;
    QPushButton *calculo = ResultsPageParts::addButton(buttons, this, QStringLiteral("Cálculo"));
    QPushButton *relatorio = ResultsPageParts::addButton(buttons, this, QStringLiteral("Relatório"));
    QPushButton *bairros = ResultsPageParts::addButton(buttons, this, QStringLiteral("Visualizar Bairros"));
    buttons->addStretch();
    layout->addLayout(buttons);

    Dialogs::connectStep(calculo, &QPushButton::clicked, this, &EntradaDeDadosPage::SpBtnCalculoConsolidadoClick);
    Dialogs::connectStep(relatorio, &QPushButton::clicked, this, &EntradaDeDadosPage::SpBtnRelatorioConsolidadoClick);
    connect(bairros, &QPushButton::clicked, this, &EntradaDeDadosPage::neighbourhoodViewRequested);
}

void EntradaDeDadosPage::SpBtnCalculoConsolidadoClick()
{
    if (!m_grid->submitEditor())
        return;
    ConsolidadoCalculation::run(m_dm);
}

void EntradaDeDadosPage::SpBtnRelatorioConsolidadoClick()
{
    if (!m_grid->submitEditor())
        return;
    const ReportParams header = m_headerParams();
    for (const QString &name : {QStringLiteral("Municipio"), QStringLiteral("UF"), QStringLiteral("Periodo")})
        m_reports.setParam(name, header.value(name));
    m_reports.executeReport(QStringLiteral("Report3"), this);
}
