#include "municipal/needs/NecessidadesPage.h"

#include "common/Accessibility.h"
#include "common/BoundLineEdit.h"
#include "common/DataSet.h"
#include "common/Dialogs.h"
#include "common/report/ReportEngine.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/needs/NeedsCalculator.h"
#include "municipal/needs/TFormCalcNecessidades.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum class Kind { Plan, Input, Calculated };

const struct
{
    const char *caption;
    Kind kind;
} boxes[] = {
    {"Quantidade de estratos a levantar", Kind::Plan},
    {"Soma dos imóveis a trabalhar", Kind::Plan},
    {"Rendimento imóveis/homem/dia", Kind::Input},
    {"Exame larva/hora/técnico", Kind::Input},
    {"Média larvas/tubito", Kind::Input},
    {"Horas de trabalho", Kind::Input},
    {"Dias previstos", Kind::Calculated},
    {"Servidores necessários", Kind::Calculated},
    {"Supervisores necessários", Kind::Calculated},
    {"Rendimento tubito/hora/técnico", Kind::Calculated},
    {"Tubitos dia/técnico", Kind::Calculated},
    {"Técnicos necessários", Kind::Calculated},
    {"Boletin diário campo/Lab", Kind::Calculated},
    {"Número de tubitos", Kind::Calculated},
};

} // namespace

NecessidadesPage::NecessidadesPage(TDataModule1 &dm, ReportEngine &reports, std::function<ReportParams()> headerParams,
                                   QWidget *parent)
    : QWidget(parent)
    , m_dm(dm)
    , m_reports(reports)
    , m_headerParams(std::move(headerParams))
    , m_calculator(new TFormCalcNecessidades(*dm.ADOTableNecessidades))
{
    auto *layout = new QVBoxLayout(this);
    auto *group = new QGroupBox(QStringLiteral("Recursos para execução das atividades"), this);
    auto *columns = new QHBoxLayout(group);
    auto *left = new QGridLayout;
    auto *right = new QGridLayout;
    columns->addLayout(left);
    columns->addSpacing(24);
    columns->addLayout(right);

    BoundLineEdit *previousInput = nullptr;
    for (int i = 0; i < int(std::size(boxes)); ++i) {
        QGridLayout *grid = boxes[i].kind == Kind::Calculated ? right : left;
        auto *label = new QLabel(QString::fromUtf8(boxes[i].caption), group);
        auto *box = new BoundLineEdit(group);
        box->bind(dm.DataSourceNecessidades, NeedsCalculator::fields[i]);
        Accessibility::label(label, box);
        switch (boxes[i].kind) {
        case Kind::Plan:
            box->setFocusPolicy(Qt::ClickFocus);
            box->setStyleSheet(QStringLiteral("background-color: #c8f0c8;"));
            break;
        case Kind::Input:
            if (previousInput)
                setTabOrder(previousInput, box);
            previousInput = box;
            break;
        case Kind::Calculated:
            box->setReadOnly(true);
            box->setFocusPolicy(Qt::ClickFocus);
            box->setStyleSheet(QStringLiteral("background-color: silver;"));
            box->installEventFilter(this);
            break;
        }
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        m_boxes << box;
    }
    layout->addWidget(group);

    auto *buttons = new QHBoxLayout;
    auto *calcular = new QPushButton(QStringLiteral("Cálculos necessários"), this);
    auto *imprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    auto *limpar = new QPushButton(QStringLiteral("Limpar"), this);
    for (QPushButton *button : {calcular, imprimir, limpar}) {
        button->setFocusPolicy(Qt::NoFocus);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();

    Dialogs::connectStep(calcular, &QPushButton::clicked, this, &NecessidadesPage::SpBtnCalcNecClick);
    Dialogs::connectStep(imprimir, &QPushButton::clicked, this, &NecessidadesPage::SpBtnNecImprimirClick);
    Dialogs::connectStep(limpar, &QPushButton::clicked, this, &NecessidadesPage::SpBtnLimparNecClick);
    // Only what the user types counts as a change of the total; the record
    // being read again shows its own stored figures.
    Dialogs::connectStep(m_boxes.at(NeedsCalculator::fields.indexOf(QStringLiteral("SomaDosImoveisATrabalhar"))),
                         &QLineEdit::textEdited, this, &NecessidadesPage::DBEdit2Change);
}

NecessidadesPage::~NecessidadesPage()
{
    delete m_calculator;
}

void NecessidadesPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_boxes.first()->setFocus();
}

void NecessidadesPage::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    Dialogs::runStep(this, [this] { TabSheetNecessidadesExit(); });
}

bool NecessidadesPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool typing = !key->text().isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab;
        if (typing) {
            Dialogs::runStep(this, [this] { DBEdit7KeyPress(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void NecessidadesPage::SpBtnCalcNecClick()
{
    m_dm.ADOTableNecessidades->edit();
    m_calculator->show();
    m_calculator->raise();
}

void NecessidadesPage::SpBtnNecImprimirClick()
{
    // What the boxes show is what is printed.
    m_dm.ADOTableNecessidades->updateRecord();
    const ReportParams header = m_headerParams();
    for (const QString &name : {QStringLiteral("Municipio"), QStringLiteral("UF"), QStringLiteral("Periodo")})
        m_reports.setParam(name, header.value(name));
    m_reports.executeReport(QStringLiteral("Report2"), this);
}

void NecessidadesPage::SpBtnLimparNecClick()
{
    NeedsCalculator::clearAll(*m_dm.ADOTableNecessidades);
}

void NecessidadesPage::DBEdit2Change()
{
    NeedsCalculator::clearCalculated(*m_dm.ADOTableNecessidades);
}

void NecessidadesPage::DBEdit7KeyPress()
{
    Dialogs::message(this, QStringLiteral("Atenção!"), QStringLiteral("Utilize o botão Cálculos necessários"));
}

void NecessidadesPage::TabSheetNecessidadesExit()
{
    // A new record nobody filled in is dropped rather than stored empty.
    m_dm.ADOTableNecessidades->checkBrowseMode();
}
