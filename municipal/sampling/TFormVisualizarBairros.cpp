#include "municipal/sampling/TFormVisualizarBairros.h"

#include "common/Accessibility.h"
#include "common/BoundLineEdit.h"
#include "common/DataGrid.h"
#include "common/DataSet.h"
#include "common/Dialogs.h"
#include "common/MoveButtons.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/sampling/NeighbourhoodDelegate.h"
#include "municipal/sampling/PlanFields.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace PlanFields;

TFormVisualizarBairros::TFormVisualizarBairros(TDataModule1 &dm, QWidget *parent)
    : QWidget(parent, Qt::Window), m_dm(dm)
{
    setWindowTitle(QStringLiteral("Visualização do total de bairros que compõe os estratos"));
    resize(720, 480);
    auto *layout = new QVBoxLayout(this);
    auto *top = new QGridLayout;
    auto *estratoLabel = new QLabel(QStringLiteral("Estrato :"), this);
    auto *estrato = new BoundLineEdit(this);
    estrato->bind(dm.DataSourcePlanoAmostral, Estrato);
    estrato->setReadOnly(true);
    Accessibility::label(estratoLabel, estrato);
    top->addWidget(estratoLabel, 0, 0);
    top->addWidget(estrato, 0, 1);
    auto *chooseLabel = new QLabel(QStringLiteral("Selecionar um estrato :"), this);
    m_strata = new QComboBox(this);
    Accessibility::label(chooseLabel, m_strata);
    top->addWidget(chooseLabel, 0, 2);
    top->addWidget(m_strata, 0, 3);
    auto *moves = new MoveButtons({QStringLiteral("Primeiro estrato"), QStringLiteral("Estrato anterior"),
                                   QStringLiteral("Próximo estrato"), QStringLiteral("Último estrato")},
                                  this);
    moves->bind(dm.DataSourcePlanoAmostral);
    top->addWidget(moves, 0, 4);
    layout->addLayout(top);

    m_grid = new DataGrid(this);
    m_grid->bind(dm.DataSourceDefQuart, {{Bairro, QStringLiteral("Bairro"), true},
                                         {QuarteiroesATrabalhar, QStringLiteral("Quarteiroes a trabalhar"), true}});
    m_grid->setItemDelegate(new NeighbourhoodDelegate(1, m_grid));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(true);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: teal; color: white; }"));
    m_grid->setAccessibleName(QStringLiteral("Bairros do estrato"));
    layout->addWidget(m_grid, 1);

    auto *fechar = new QPushButton(QStringLiteral("Fechar"), this);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(fechar);
    layout->addLayout(bottom);

    connect(fechar, &QPushButton::clicked, this, &QWidget::close);
    connect(m_strata, &QComboBox::activated, this,
            [this](int i) { Dialogs::runStep(this, [this, i] { ComboBoxEstratoSelect(i); }); });
    // A move over the plan shows its stratum's items again.
    Dialogs::connectStep(moves, &MoveButtons::moved, this, &TFormVisualizarBairros::linkToPlan);
    Dialogs::connectStep(dm.ADOTableConsolidado, &DataSet::rowsChanged, this, &TFormVisualizarBairros::fillStrata);
    connect(m_grid->model(), &QAbstractItemModel::modelReset, this, &TFormVisualizarBairros::fitRows);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, this, &TFormVisualizarBairros::fitRows);
    fillStrata();
}

void TFormVisualizarBairros::fillStrata()
{
    const QSignalBlocker blocker(m_strata);
    m_strata->clear();
    const DataSet &consolidado = *m_dm.ADOTableConsolidado;
    if (!consolidado.isActive())
        return;
    const int estrato = consolidado.fieldIndex(Estrato);
    for (int row = 0; row < consolidado.recordCount(); ++row)
        m_strata->addItem(consolidado.textAt(row, estrato));
    m_strata->setCurrentIndex(-1);
}

void TFormVisualizarBairros::fitRows()
{
    m_grid->resizeRowsToContents();
}

void TFormVisualizarBairros::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fillStrata();
    fitRows();
}

void TFormVisualizarBairros::ComboBoxEstratoSelect(int index)
{
    bool ok = false;
    const long long estrato = m_strata->itemText(index).toLongLong(&ok);
    if (!ok)
        return;
    // The chosen stratum's items, without touching the plan's current stratum.
    DataSet &items = *m_dm.ADOTableDefQuart;
    items.checkBrowseMode();
    items.setMaster(nullptr, QString(), QString());
    items.setStatement(QStringLiteral("Select * from DefinicaoQuart where Estrato = %1").arg(estrato));
    items.open();
    m_linked = false;
}

void TFormVisualizarBairros::linkToPlan()
{
    if (m_linked)
        return;
    DataSet &items = *m_dm.ADOTableDefQuart;
    items.setTable(QStringLiteral("DefinicaoQuart"));
    items.setMaster(m_dm.ADOTablePlanoAmostral, Estrato, Estrato);
    items.open();
    m_linked = true;
    const QSignalBlocker blocker(m_strata);
    m_strata->setCurrentIndex(-1);
}

void TFormVisualizarBairros::closeEvent(QCloseEvent *event)
{
    Dialogs::runStep(this, [this] { linkToPlan(); });
    QWidget::closeEvent(event);
}
