#include "municipal/needs/TFormCalcNecessidades.h"

#include "common/Accessibility.h"
#include "common/Dialogs.h"
#include "common/StepError.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using NeedsCalculator::Boxes;
using NeedsCalculator::Outcome;

namespace {

QLineEdit *addBox(QGridLayout *grid, QWidget *parent, const QString &caption, bool result)
{
    auto *label = new QLabel(caption, parent);
    auto *box = new QLineEdit(parent);
    Accessibility::label(label, box);
    if (result) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::ClickFocus);
        box->setStyleSheet(QStringLiteral("background-color: silver;"));
    }
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

QPushButton *addButton(QGridLayout *grid, QWidget *parent)
{
    auto *button = new QPushButton(QStringLiteral("Calcular"), parent);
    grid->addWidget(button, grid->rowCount(), 1);
    return button;
}

} // namespace

TFormCalcNecessidades::TFormCalcNecessidades(DataSet &needs, QWidget *parent)
    : QWidget(parent, Qt::Window), m_needs(needs)
{
    setWindowTitle(QStringLiteral("Cálculos necessários"));
    auto *layout = new QVBoxLayout(this);

    auto *servers = new QGroupBox(QStringLiteral("Servidores necessários"), this);
    auto *serversGrid = new QGridLayout(servers);
    m_dias = addBox(serversGrid, servers, QStringLiteral("Entre com os dias previstos"), false);
    m_servidores = addBox(serversGrid, servers, QStringLiteral("Servidores necessários"), true);
    m_supervisores = addBox(serversGrid, servers, QStringLiteral("Supervisores necessários"), true);
    QPushButton *calcServers = addButton(serversGrid, servers);
    layout->addWidget(servers);

    auto *days = new QGroupBox(QStringLiteral("Dias previstos"), this);
    auto *daysGrid = new QGridLayout(days);
    m_existentes = addBox(daysGrid, days, QStringLiteral("Entre com o n° de servidores existentes"), false);
    m_diasExecucao = addBox(daysGrid, days, QStringLiteral("Dias para execução"), true);
    QPushButton *calcDays = addButton(daysGrid, days);
    layout->addWidget(days);

    auto *lab = new QGroupBox(QStringLiteral("Recursos de laboratório"), this);
    auto *labGrid = new QGridLayout(lab);
    m_rendTubitos = addBox(labGrid, lab, QStringLiteral("Rendimento tubitos/hora/técnico"), true);
    m_tubitosDia = addBox(labGrid, lab, QStringLiteral("Tubitos dia/técnico"), true);
    m_tecnicos = addBox(labGrid, lab, QStringLiteral("Técnicos necessários"), true);
    m_boletins = addBox(labGrid, lab, QStringLiteral("Boletin diário campo/lab"), true);
    m_numTubitos = addBox(labGrid, lab, QStringLiteral("N° de tubitos"), true);
    // Intermediate results, kept out of sight.
    m_x = new QLineEdit(lab);
    m_y = new QLineEdit(lab);
    m_z = new QLineEdit(lab);
    for (const auto &[hidden, name] : {std::pair{m_x, "X"}, std::pair{m_y, "Y"}, std::pair{m_z, "Z"}}) {
        hidden->setAccessibleName(QString::fromLatin1(name));
        hidden->hide();
    }
    QPushButton *calcLab = addButton(labGrid, lab);
    layout->addWidget(lab);

    auto *fechar = new QPushButton(QStringLiteral("Fechar"), this);
    layout->addWidget(fechar, 0, Qt::AlignRight);

    Dialogs::connectStep(calcServers, &QPushButton::clicked, this, &TFormCalcNecessidades::SpeedButton1Click);
    Dialogs::connectStep(calcDays, &QPushButton::clicked, this, &TFormCalcNecessidades::SpeedButton2Click);
    Dialogs::connectStep(calcLab, &QPushButton::clicked, this, &TFormCalcNecessidades::SpeedButton3Click);
    Dialogs::connectStep(fechar, &QPushButton::clicked, this, &TFormCalcNecessidades::SpeedButton4Click);
}

void TFormCalcNecessidades::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QList<std::pair<QLineEdit *, QString Boxes::*>> TFormCalcNecessidades::boxes() const
{
    return {{m_dias, &Boxes::diasPrevistos},
            {m_servidores, &Boxes::servidoresNecessarios},
            {m_supervisores, &Boxes::supervisores},
            {m_existentes, &Boxes::servidoresExistentes},
            {m_diasExecucao, &Boxes::diasParaExecucao},
            {m_rendTubitos, &Boxes::rendTubitos},
            {m_tubitosDia, &Boxes::tubitosDia},
            {m_tecnicos, &Boxes::tecnicos},
            {m_boletins, &Boxes::boletins},
            {m_numTubitos, &Boxes::numTubitos},
            {m_x, &Boxes::x},
            {m_y, &Boxes::y},
            {m_z, &Boxes::z}};
}

void TFormCalcNecessidades::compute(Outcome (*computation)(DataSet &, Boxes &))
{
    Boxes texts;
    for (const auto &[box, member] : boxes())
        texts.*member = box->text();
    const auto show = [&] {
        for (const auto &[box, member] : boxes())
            box->setText(texts.*member);
    };
    Outcome outcome;
    try {
        outcome = computation(m_needs, texts);
    } catch (const StepError &) {
        show();
        throw;
    }
    show();
    if (outcome == Outcome::MissingData)
        Dialogs::message(this, windowTitle(), NeedsCalculator::missingData);
}

void TFormCalcNecessidades::SpeedButton1Click()
{
    compute(&NeedsCalculator::serversNeeded);
}

void TFormCalcNecessidades::SpeedButton2Click()
{
    compute(&NeedsCalculator::daysNeeded);
}

void TFormCalcNecessidades::SpeedButton3Click()
{
    compute(&NeedsCalculator::laboratory);
}

void TFormCalcNecessidades::SpeedButton4Click()
{
    for (const auto &[box, member] : boxes())
        box->clear();
    hide();
}
