#include "TFormDadosGerais.h"

#include "DataSet.h"
#include "TDataModule1.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

TFormDadosGerais::TFormDadosGerais(TDataModule1 &dm, QWidget *parent) : QWidget(parent, Qt::Window), m_dm(dm)
{
    setWindowTitle(QStringLiteral("Dados gerais"));
    resize(900, 640);
    auto *layout = new QVBoxLayout(this);

    auto *toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction *editar = toolBar->addAction(QStringLiteral("Editar Cadastro"));
    QAction *kavel = toolBar->addAction(QStringLiteral("Gerar dados para Kavel"));
    kavel->setEnabled(false); // the summary record comes with its own window
    QAction *ajuda = toolBar->addAction(QStringLiteral("Ajuda"));
    QAction *fechar = toolBar->addAction(QStringLiteral("Fechar"));
    auto *spacer = new QWidget(toolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolBar->addWidget(spacer);
    toolBar->addWidget(new QLabel(QStringLiteral("Nubrel - Versão 1.2"), toolBar));
    layout->addWidget(toolBar);
    connect(editar, &QAction::triggered, this, &TFormDadosGerais::editRegistrationRequested);
    connect(ajuda, &QAction::triggered, this, &TFormDadosGerais::helpRequested);
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
    m_needs = new QWidget(tabs);
    m_needs->setLayout(new QVBoxLayout);
    tabs->addTab(m_needs, QStringLiteral("Planejamento de necessidades"));
    m_consolidated = new QTabWidget(tabs);
    m_consolidated->setDocumentMode(true);
    tabs->addTab(m_consolidated, QStringLiteral("Consolidado"));
    layout->addWidget(tabs, 1);

    DataSet *cadastro = dm.ADOTableCadastro;
    connect(cadastro, &DataSet::recordChanged, this, &TFormDadosGerais::showHeader);
    connect(cadastro, &DataSet::rowsChanged, this, &TFormDadosGerais::showHeader);
    connect(cadastro, &DataSet::fieldChanged, this, &TFormDadosGerais::showHeader);
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
