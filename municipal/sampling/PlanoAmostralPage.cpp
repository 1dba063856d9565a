#include "municipal/sampling/PlanoAmostralPage.h"

#include "common/Accessibility.h"
#include "common/BoundLineEdit.h"
#include "common/Dialogs.h"
#include "common/MoveButtons.h"
#include "common/report/ReportEngine.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/sampling/PageForms.h"
#include "municipal/sampling/PlanFields.h"
#include "municipal/sampling/RandomStart.h"
#include "municipal/sampling/WorkingValues.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace PlanFields;

PlanoAmostralPage::PlanoAmostralPage(TDataModule1 &dm, WorkingValues &values, ReportEngine &reports,
                                     std::function<ReportParams()> headerParams, QWidget *parent)
    : QWidget(parent)
    , m_dm(dm)
    , m_values(values)
    , m_reports(reports)
    , m_headerParams(std::move(headerParams))
    , m_seed(&RandomStart::clockSeed)
{
    DataSource *plan = dm.DataSourcePlanoAmostral;
    auto *layout = new QVBoxLayout(this);

    auto *top = new QGridLayout;
    m_estrato = PageForms::addBox(top, this, QStringLiteral("Estrato :"), plan, Estrato, false);
    m_estrato->setFocusPolicy(Qt::ClickFocus); // typed over only by a click
    layout->addLayout(top);

    const auto group = [&](const QString &title) {
        auto *box = new QGroupBox(title, this);
        auto *grid = new QGridLayout(box);
        layout->addWidget(box);
        return grid;
    };
    QGridLayout *size = group(QStringLiteral("Tamanho da amostra"));
    m_imoveis = PageForms::addBox(size, this, QStringLiteral("Número de imóveis no estrato :"), plan,
                                  NumeroDeImoveisNoEstrato, false);
    PageForms::addBox(size, this, QStringLiteral("Tamanho da amostra :"), plan, TamanhoDaAmostra, true);
    QGridLayout *estimate = group(QStringLiteral("Estimativa de imóveis por quarteirão"));
    m_quarteiroes = PageForms::addBox(estimate, this, QStringLiteral("Número de quarteirões no estrato :"), plan,
                                      NumeroDeQuarteiroesNoEstrato, false);
    PageForms::addBox(estimate, this, QStringLiteral("Estimativa de imóveis por quarteirão :"), plan,
                      EstimativaDeImoveisPorQuart, true);
    QGridLayout *sampled = group(QStringLiteral("Quarteirões a serem amostrados"));
    PageForms::addBox(sampled, this, QStringLiteral("Quart. que comporão a amostra :"), plan, QuartQueComporaoAmostra,
                      true);
    PageForms::addBox(sampled, this, QStringLiteral("% de quarteirões amostrados :"), plan, PercentualDeQuartAmostrado,
                      true);
    QGridLayout *interval = group(QStringLiteral("Intervalo amostral"));
    PageForms::addBox(interval, this, QStringLiteral("Intervalo de quarteirões :"), plan, IntervaloDeQuart, true);
    QGridLayout *random = group(QStringLiteral("Número aleatório"));
    PageForms::addBox(random, this, QStringLiteral("Quarteirão inicial :"), plan, QuartInicial, true);

    auto *buttons = new QHBoxLayout;
    auto *novo = new QPushButton(QStringLiteral("Novo Estrato"), this);
    auto *excluir = new QPushButton(QStringLiteral("Excluir"), this);
    m_moves = new MoveButtons({QStringLiteral("Primeiro estrato"), QStringLiteral("Estrato anterior"),
                               QStringLiteral("Próximo estrato"), QStringLiteral("Último estrato")},
                              this);
    m_moves->bind(plan);
    auto *relatorio = new QPushButton(QStringLiteral("Relatório"), this);
    buttons->addWidget(novo);
    buttons->addWidget(excluir);
    buttons->addWidget(m_moves);
    buttons->addStretch();
    buttons->addWidget(relatorio);
    layout->addLayout(buttons);
    layout->addStretch();
    Accessibility::buttonsFocusedByKeyboardOnly(this);

    setTabOrder(m_imoveis, m_quarteiroes);
    connect(m_imoveis, &BoundLineEdit::exited, this, &PlanoAmostralPage::DBEditNumImvEstratoExit);
    connect(m_quarteiroes, &BoundLineEdit::exited, this, &PlanoAmostralPage::DBEditNumQuartEstratoExit);
    Dialogs::connectStep(novo, &QPushButton::clicked, this, &PlanoAmostralPage::SpBtnPlanAmostralNovoClick);
    Dialogs::connectStep(excluir, &QPushButton::clicked, this, &PlanoAmostralPage::SpBtnPlanAmostralExcluirClick);
    Dialogs::connectStep(relatorio, &QPushButton::clicked, this, &PlanoAmostralPage::SpBtnRelatorioClick);
}

void PlanoAmostralPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_estrato->setFocus();
}

void PlanoAmostralPage::DBEditNumImvEstratoExit(bool byKeyboard)
{
    Dialogs::runStep(this, [this] { SamplePlan::sampleSize(*m_dm.ADOTablePlanoAmostral); });
    if (byKeyboard)
        m_quarteiroes->setFocus(Qt::TabFocusReason);
}

void PlanoAmostralPage::DBEditNumQuartEstratoExit(bool byKeyboard)
{
    Dialogs::runStep(this, [this] { SamplePlan::blockPlan(m_dm, m_values, m_seed, m_questions); });
    if (byKeyboard)
        m_estrato->setFocus(Qt::TabFocusReason);
}

void PlanoAmostralPage::SpBtnPlanAmostralNovoClick()
{
    SamplePlan::newStratum(m_dm, m_values, m_questions);
    // The page moves the focus itself: that is no user leaving the blocks box
    // of the new stratum, so its block plan does not run.
    const QSignalBlocker quiet(m_quarteiroes);
    m_imoveis->setFocus();
}

void PlanoAmostralPage::SpBtnPlanAmostralExcluirClick()
{
    SamplePlan::deleteStratum(m_dm, m_questions);
}

void PlanoAmostralPage::SpBtnRelatorioClick()
{
    const ReportParams header = m_headerParams();
    for (const QString &name : {QStringLiteral("Municipio"), QStringLiteral("UF"), QStringLiteral("Periodo")})
        m_reports.setParam(name, header.value(name));
    m_reports.executeReport(QStringLiteral("Report1"), this);
}
