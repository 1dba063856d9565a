#include "municipal/results/IndicesPage.h"

#include "common/Accessibility.h"
#include "common/DataGrid.h"
#include "common/Dialogs.h"
#include "common/report/ReportEngine.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/results/GroupHeadings.h"
#include "municipal/results/ResultsPageParts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QVector<DataSetModel::Column> columns{
    {QStringLiteral("Estrato"), QStringLiteral("Estrato"), true},
    {QStringLiteral("ImoveisProgramados"), QStringLiteral("Prog."), true},
    {QStringLiteral("ImoveisInspecionados"), QStringLiteral("Insp."), true},
    {QStringLiteral("ImoveisComAegTB"), QStringLiteral("TB"), true},
    {QStringLiteral("ImoveisComAegOutros"), QStringLiteral("Outros"), true},
    {QStringLiteral("ImoveisComAlbTB"), QStringLiteral("TB"), true},
    {QStringLiteral("ImoveisComAlbOutros"), QStringLiteral("Outros"), true},
    {QStringLiteral("PerdaNaAmostra"), QStringLiteral("% de perda"), true},
    {QStringLiteral("IIPaeg"), QStringLiteral("aeg"), true},
    {QStringLiteral("IIPalb"), QStringLiteral("alb"), true},
    {QStringLiteral("IBaeg"), QStringLiteral("aeg"), true},
    {QStringLiteral("IBalb"), QStringLiteral("alb"), true},
    {QStringLiteral("A1"), QStringLiteral("A1"), true},
    {QStringLiteral("A2"), QStringLiteral("A2"), true},
    {QStringLiteral("B"), QStringLiteral("B"), true},
    {QStringLiteral("C"), QStringLiteral("C"), true},
    {QStringLiteral("D1"), QStringLiteral("D1"), true},
    {QStringLiteral("D2"), QStringLiteral("D2"), true},
    {QStringLiteral("E"), QStringLiteral("E"), true},
};

const QVector<GroupHeadings::Group> groups{
    {0, 1, 6, QStringLiteral("Imóveis")},
    {0, 7, 18, QStringLiteral("Indicadores")},
    {1, 3, 4, QStringLiteral("Ae. aeg (%)")},
    {1, 5, 6, QStringLiteral("Ae. alb (%)")},
    {1, 8, 9, QStringLiteral("IIP (%)")},
    {1, 10, 11, QStringLiteral("IB (%)")},
    {1, 12, 18, QStringLiteral("ITR ( Ae.aegypti [%] )")},
};

} // namespace

IndicesPage::IndicesPage(TDataModule1 &dm, ReportEngine &reports, std::function<ReportParams()> headerParams,
                         QWidget *parent)
    : QWidget(parent), m_dm(dm), m_reports(reports), m_headerParams(std::move(headerParams))
{
    auto *layout = new QVBoxLayout(this);
    auto *choosers = new QHBoxLayout;
    choosers->addWidget(chooser(RiskFilter::Index::IIP, QStringLiteral("N° de estratos para cada faixa de IIP :"),
                                m_comboBox1, m_edit1));
    choosers->addWidget(
        chooser(RiskFilter::Index::IB, QStringLiteral("N° de estratos para cada faixa de IB :"), m_comboBox2, m_edit2));
    choosers->addStretch();
    layout->addLayout(choosers);

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGrid2"));
    m_grid->setAccessibleName(QStringLiteral("Índices"));
    m_grid->bind(dm.DataSourceIndices, columns);
    m_grid->horizontalHeader()->setDefaultSectionSize(52);
    m_grid->setColumnWidth(7, 70);
    auto *gridLayout = new QVBoxLayout;
    gridLayout->setSpacing(0);
    gridLayout->addWidget(new GroupHeadings(m_grid, groups, this));
    gridLayout->addWidget(m_grid, 1);
    layout->addLayout(gridLayout, 1);

    auto *shares =
        new QGroupBox(QStringLiteral("Frequência percentual de criadouros de Ae. aegypti em todos os estratos"), this);
    auto *classes = new QGridLayout(shares);
    for (const char *cls : {"A1", "A2", "B", "C", "D1", "D2", "E"})
        ResultsPageParts::addComputedBox(classes, 0, shares, QLatin1String(cls), dm.DataSourcePercCriadouros,
                                         QStringLiteral("PercentDep") + QLatin1String(cls));
    layout->addWidget(shares);

    auto *buttons = new QHBoxLayout;
    QPushButton *relatorio = ResultsPageParts::addButton(buttons, this, QStringLiteral("Relatório"));
    m_estatistica = ResultsPageParts::addButton(buttons, this, QStringLiteral("Estatística"), false);
    m_graficos = ResultsPageParts::addButton(buttons, this, QStringLiteral("Gráficos"), false);
    m_excel = ResultsPageParts::addButton(buttons, this, QStringLiteral("Excel"), false);
    buttons->addStretch();
    layout->addLayout(buttons);

    Dialogs::connectStep(relatorio, &QPushButton::clicked, this, &IndicesPage::SpeedButton1Click);
    connect(m_estatistica, &QPushButton::clicked, this, &IndicesPage::statisticsRequested);
    connect(m_graficos, &QPushButton::clicked, this, &IndicesPage::chartsRequested);
    connect(m_excel, &QPushButton::clicked, this, &IndicesPage::spreadsheetRequested);
    Dialogs::connectStep(m_comboBox1, &QComboBox::activated, this, &IndicesPage::ComboBox1Click);
    Dialogs::connectStep(m_comboBox2, &QComboBox::activated, this, &IndicesPage::ComboBox2Click);
}

QWidget *IndicesPage::chooser(RiskFilter::Index index, const QString &heading, QComboBox *&combo, QLineEdit *&count)
{
    auto *frame = new QWidget(this);
    auto *grid = new QGridLayout(frame);
    auto *label = new QLabel(heading, frame);
    combo = new QComboBox(frame);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(RiskFilter::items(index));
    combo->setCurrentIndex(-1);
    combo->setEditText(QStringLiteral("Selecionar uma consulta"));
    combo->setMinimumContentsLength(18);
    Accessibility::label(label, combo);
    auto *countLabel = new QLabel(QStringLiteral("N° de estratos"), frame);
    count = new QLineEdit(frame);
    count->setReadOnly(true);
    count->setMaximumWidth(60);
    Accessibility::label(countLabel, count);
    grid->addWidget(label, 0, 0);
    grid->addWidget(combo, 1, 0);
    grid->addWidget(countLabel, 0, 1);
    grid->addWidget(count, 1, 1);
    return frame;
}

void IndicesPage::ComboBox1Click()
{
    m_edit1->setText(
        QString::number(RiskFilter::choose(*m_dm.ADOQueryIndices, RiskFilter::Index::IIP, m_comboBox1->currentText())));
}

void IndicesPage::ComboBox2Click()
{
    m_edit2->setText(
        QString::number(RiskFilter::choose(*m_dm.ADOQueryIndices, RiskFilter::Index::IB, m_comboBox2->currentText())));
}

void IndicesPage::SpeedButton1Click()
{
    const ReportParams header = m_headerParams();
    for (const QString &name : {QStringLiteral("Municipio"), QStringLiteral("UF"), QStringLiteral("Periodo")})
        m_reports.setParam(name, header.value(name));
    m_reports.executeReport(QStringLiteral("Report4"), this);
}

void IndicesPage::setStatisticsEnabled(bool enabled)
{
    m_estatistica->setEnabled(enabled);
}

void IndicesPage::setChartsEnabled(bool enabled)
{
    m_graficos->setEnabled(enabled);
}

void IndicesPage::setSpreadsheetEnabled(bool enabled)
{
    m_excel->setEnabled(enabled);
}
