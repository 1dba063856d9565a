#include "municipal/app/TFormDadosGerais.h"

#include "common/DataSet.h"
#include "common/Dialogs.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/needs/NecessidadesPage.h"
#include "municipal/results/EntradaDeDadosPage.h"
#include "municipal/results/IndicesPage.h"
#include "municipal/sampling/DefinicaoQuartPage.h"
#include "municipal/sampling/PlanoAmostralPage.h"
#include "municipal/sampling/WorkingValues.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

TFormDadosGerais::TFormDadosGerais(TDataModule1 &dm, ReportEngine &reports, QWidget *parent)
    : QWidget(parent, Qt::Window), m_dm(dm), m_values(new WorkingValues(*dm.ADOTablePlanoAmostral, this))
{
    setWindowTitle(QStringLiteral("Dados gerais"));
    resize(900, 640);
    auto *layout = new QVBoxLayout(this);

    auto *toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction *editar = toolBar->addAction(QStringLiteral("Editar Cadastro"));
    QAction *kavel = toolBar->addAction(QStringLiteral("Gerar dados para Kavel"));
    QAction *ajuda = toolBar->addAction(QStringLiteral("Ajuda"));
    QAction *fechar = toolBar->addAction(QStringLiteral("Fechar"));
    auto *spacer = new QWidget(toolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolBar->addWidget(spacer);
    toolBar->addWidget(new QLabel(QStringLiteral("Nubrel - Versão 1.2"), toolBar));
    layout->addWidget(toolBar);
    connect(editar, &QAction::triggered, this, &TFormDadosGerais::editRegistrationRequested);
    connect(ajuda, &QAction::triggered, this, &TFormDadosGerais::helpRequested);
    connect(kavel, &QAction::triggered, this, &TFormDadosGerais::summaryRequested);
    connect(fechar, &QAction::triggered, this, &QWidget::close);

    auto *header = new QHBoxLayout;
    m_municipio = new QLabel(this);
    m_municipio->setObjectName(QStringLiteral("LabelMunicipio"));
    m_municipio->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold;"));
    m_uf = new QLabel(this);
    m_uf->setObjectName(QStringLiteral("LabelUF"));
    m_uf->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold;"));
    auto *periodoCaption = new QLabel(QStringLiteral("Período :"), this);
    m_periodo = new QLabel(this);
    m_periodo->setObjectName(QStringLiteral("LabelPeriodo"));
    header->addWidget(m_municipio);
    header->addWidget(m_uf);
    header->addStretch();
    header->addWidget(periodoCaption);
    header->addWidget(m_periodo);
    layout->addLayout(header);

    auto *tabs = new QTabWidget(this);
    m_parameters = new QTabWidget(tabs);
    m_parameters->setDocumentMode(true);
    tabs->addTab(m_parameters, QStringLiteral("Cálculo de parâmetros"));
    const auto reportHeader = [this] { return reportParams(); };
    m_planPage = new PlanoAmostralPage(dm, *m_values, reports, reportHeader);
    m_parameters->addTab(m_planPage, QStringLiteral("Plano amostral"));
    m_blocksPage = new DefinicaoQuartPage(dm, *m_values, [this] {
        return BlockListPrinting::Header{headerMunicipio(), headerUF()};
    });
    m_parameters->addTab(m_blocksPage, QStringLiteral("Definição de quarteirões"));
    connect(m_blocksPage, &DefinicaoQuartPage::neighbourhoodViewRequested, this,
            &TFormDadosGerais::neighbourhoodViewRequested);
    m_needsPage = new NecessidadesPage(dm, reports, reportHeader);
    tabs->addTab(m_needsPage, QStringLiteral("Planejamento de necessidades"));
    auto *consolidated = new QTabWidget(tabs);
    consolidated->setDocumentMode(true);
    tabs->addTab(consolidated, QStringLiteral("Consolidado"));
    m_entryPage = new EntradaDeDadosPage(dm, reports, reportHeader);
    consolidated->addTab(m_entryPage, QStringLiteral("Entrada de dados"));
    m_indicesPage = new IndicesPage(dm, reports, reportHeader);
    consolidated->addTab(m_indicesPage, QStringLiteral("Índices"));
    connect(m_entryPage, &EntradaDeDadosPage::neighbourhoodViewRequested, this,
            &TFormDadosGerais::neighbourhoodViewRequested);
    layout->addWidget(tabs, 1);

    DataSet *cadastro = dm.ADOTableCadastro;
    Dialogs::connectStep(cadastro, &DataSet::recordChanged, this, &TFormDadosGerais::showHeader);
    Dialogs::connectStep(cadastro, &DataSet::rowsChanged, this, &TFormDadosGerais::showHeader);
    Dialogs::connectStep(cadastro, &DataSet::fieldChanged, this, &TFormDadosGerais::showHeader);
    showHeader();
}

void TFormDadosGerais::showHeader()
{
    DataSet &cadastro = *m_dm.ADOTableCadastro;
    m_municipio->setText(cadastro.asText(QStringLiteral("Municipio")));
    m_uf->setText(cadastro.asText(QStringLiteral("UF")));
    m_periodo->setText(cadastro.asText(QStringLiteral("PeriodoDeExecucao")));
}

QString TFormDadosGerais::headerMunicipio() const
{
    return m_municipio->text();
}

QString TFormDadosGerais::headerUF() const
{
    return m_uf->text();
}

QString TFormDadosGerais::headerPeriodo() const
{
    return m_periodo->text();
}

ReportParams TFormDadosGerais::reportParams() const
{
    return ReportParams{{QStringLiteral("Municipio"), headerMunicipio()},
                        {QStringLiteral("UF"), headerUF()},
                        {QStringLiteral("Periodo"), headerPeriodo()}};
}
