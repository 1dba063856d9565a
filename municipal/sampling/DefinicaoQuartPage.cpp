#include "municipal/sampling/DefinicaoQuartPage.h"

#include "common/Accessibility.h"
#include "common/BoundLineEdit.h"
#include "common/BoundTextEdit.h"
#include "common/DataSet.h"
#include "common/Dialogs.h"
#include "common/MoveButtons.h"
#include "common/StepError.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/sampling/BlockSelection.h"
#include "municipal/sampling/CommandDocument.h"
#include "municipal/sampling/PageForms.h"
#include "municipal/sampling/PlanFields.h"
#include "municipal/sampling/WorkingValues.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using namespace PlanFields;

DefinicaoQuartPage::DefinicaoQuartPage(TDataModule1 &dm, WorkingValues &values,
                                       std::function<BlockListPrinting::Header()> header, QWidget *parent)
    : QWidget(parent), m_dm(dm), m_values(values), m_header(std::move(header))
{
    DataSource *items = dm.DataSourceDefQuart;
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    PageForms::addBox(grid, this, QStringLiteral("Estrato :"), items, Estrato, true);
    PageForms::addBox(grid, this, QStringLiteral("Item :"), items, Item, false);
    PageForms::addBox(grid, this, QStringLiteral("Bairro :"), items, Bairro, false)->setMaxLength(35);
    BoundLineEdit *quarteiroes =
        PageForms::addBox(grid, this, QStringLiteral("Quarteirões :"), items, Quarteirao, false);
    quarteiroes->setMaxLength(5);
    PageForms::addBox(grid, this, QStringLiteral("Total de quarteirões a inspecionar do Bairro :"), items,
                      TotalQuartBairro, true);

    auto *listLabel = new QLabel(QStringLiteral("Quarteirões a serem trabalhados :"), this);
    auto *list = new BoundTextEdit(this);
    list->bind(items, QuarteiroesATrabalhar);
    list->setTabChangesFocus(true);
    list->setMaximumHeight(90);
    Accessibility::label(listLabel, list);
    const int listRow = grid->rowCount();
    grid->addWidget(listLabel, listRow, 0, Qt::AlignTop);
    grid->addWidget(list, listRow, 1);

    auto *observation = new BoundLineEdit(this);
    observation->bind(items, Observacao);
    observation->setReadOnly(true);
    observation->setFocusPolicy(Qt::NoFocus);
    observation->setFrame(false);
    observation->setAccessibleName(QStringLiteral("Observação"));
    grid->addWidget(observation, grid->rowCount(), 1);

    const auto valueRow = [&](const QString &caption, QLineEdit *box) {
        auto *label = new QLabel(caption, this);
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::ClickFocus);
        box->setStyleSheet(QStringLiteral("background-color: #c8f0c8;"));
        Accessibility::label(label, box);
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
    };
    m_stratumTotal = new QLineEdit(this);
    valueRow(QStringLiteral("Total de quarteirões a inspecionar no estrato :"), m_stratumTotal);
    auto *planned = new BoundLineEdit(this);
    planned->bind(dm.DataSourcePlanoAmostral, QuartQueComporaoAmostra);
    valueRow(QStringLiteral("Total de quarteirões que comporão a amostra :"), planned);
    layout->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    auto *calculo = new QPushButton(QStringLiteral("Cálculo"), this);
    auto *novo = new QPushButton(QStringLiteral("Novo item"), this);
    auto *excluir = new QToolButton(this);
    excluir->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    Accessibility::hint(excluir, QStringLiteral("Excluir registro"));
    auto *moves = new MoveButtons({QStringLiteral("Primeiro registro"), QStringLiteral("Registro anterior"),
                                   QStringLiteral("Próximo registro"), QStringLiteral("Último registro")},
                                  this);
    moves->bind(items);
    auto *view = new QPushButton(QStringLiteral("Visualizar total de bairros"), this);
    for (QWidget *w : std::initializer_list<QWidget *>{calculo, novo, excluir, moves, view})
        buttons->addWidget(w);
    buttons->addStretch();
    layout->addLayout(buttons);

    auto *print = new QHBoxLayout;
    m_allNeighbourhoods = new QCheckBox(QStringLiteral("Imprimir todos os bairros do estrato atual"), this);
    m_currentNeighbourhood = new QCheckBox(QStringLiteral("Imprimir o bairro atual"), this);
    m_print = new QPushButton(QStringLiteral("Imprimir"), this);
    m_print->setEnabled(false);
    print->addWidget(m_allNeighbourhoods);
    print->addWidget(m_currentNeighbourhood);
    print->addWidget(m_print);
    print->addStretch();
    layout->addLayout(print);
    layout->addStretch();
    Accessibility::buttonsFocusedByKeyboardOnly(this);

    Dialogs::connectStep(quarteiroes, &QLineEdit::textEdited, this, &DefinicaoQuartPage::DBEditQuarteiraoChange);
    Dialogs::connectStep(calculo, &QPushButton::clicked, this, &DefinicaoQuartPage::SpBtnCalculoQuartClick);
    Dialogs::connectStep(novo, &QPushButton::clicked, this, &DefinicaoQuartPage::SpBtnNovoItemClick);
    Dialogs::connectStep(excluir, &QToolButton::clicked, this, &DefinicaoQuartPage::SpBtnExcluirItemClick);
    connect(view, &QPushButton::clicked, this, &DefinicaoQuartPage::neighbourhoodViewRequested);
    connect(m_allNeighbourhoods, &QCheckBox::clicked, this, [this] { CheckBoxClick(m_allNeighbourhoods); });
    connect(m_currentNeighbourhood, &QCheckBox::clicked, this, [this] { CheckBoxClick(m_currentNeighbourhood); });
    Dialogs::connectStep(m_print, &QPushButton::clicked, this, &DefinicaoQuartPage::BtnImprimirClick);
    connect(&values, &WorkingValues::changed, this, &DefinicaoQuartPage::showValues);
    showValues();
}

void DefinicaoQuartPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Dialogs::runStep(this, [this] { TabSheetDefQuartShow(); });
}

void DefinicaoQuartPage::showValues()
{
    m_stratumTotal->setText(m_values.TotalQuartEstrato);
}

void DefinicaoQuartPage::TabSheetDefQuartShow()
{
    BlockSelection::recomputeStratumTotal(m_dm, m_values);
}

void DefinicaoQuartPage::DBEditQuarteiraoChange()
{
    BlockSelection::blockCountTyped(m_dm);
}

void DefinicaoQuartPage::SpBtnCalculoQuartClick()
{
    BlockSelection::calculate(m_dm, m_values, m_questions);
}

void DefinicaoQuartPage::SpBtnNovoItemClick()
{
    BlockSelection::newItem(m_dm, m_questions);
}

void DefinicaoQuartPage::SpBtnExcluirItemClick()
{
    BlockSelection::deleteItem(m_dm, m_questions);
}

void DefinicaoQuartPage::CheckBoxClick(QCheckBox *clicked)
{
    m_print->setEnabled(true);
    QCheckBox *other = clicked == m_allNeighbourhoods ? m_currentNeighbourhood : m_allNeighbourhoods;
    other->setChecked(false);
}

void DefinicaoQuartPage::BtnImprimirClick()
{
    std::unique_ptr<CommandDocument> document;
    QString name;
    const BlockListPrinting::Header header = m_header();
    const QString estrato = m_dm.ADOTablePlanoAmostral->asText(Estrato);
    if (m_currentNeighbourhood->isChecked()) {
        m_dm.ADOTableDefQuart->updateRecord();
        document = BlockListPrinting::currentNeighbourhood(m_dm, header);
        name = QStringLiteral("Quarteirões a trabalhar - %1-%2 - Estrato %3 - %4")
                   .arg(header.municipio, header.uf, estrato, m_dm.ADOTableDefQuart->asText(Bairro));
    } else if (m_allNeighbourhoods->isChecked()) {
        document = BlockListPrinting::wholeStratum(m_dm, header);
        name = QStringLiteral("Quarteirões a trabalhar - %1-%2 - Estrato %3").arg(header.municipio, header.uf, estrato);
    }
    if (document) {
        const QString path = document->saveNew(BlockListPrinting::documentsFolder(), name);
        Dialogs::message(this, QStringLiteral("Documento gravado"),
                         QStringLiteral("O documento foi gravado em:\n%1").arg(path));
        if (!Dialogs::openWithDesktop(path))
            throw StepError(
                QStringLiteral("O documento '%1' foi gravado, mas o processador de textos não pôde ser aberto.")
                    .arg(path));
    }
    m_allNeighbourhoods->setChecked(false);
    m_currentNeighbourhood->setChecked(false);
    m_print->setEnabled(false);
}
