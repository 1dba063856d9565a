#include "state/app/TFormPrincipal.h"

#include "common/Accessibility.h"
#include "common/BoundLineEdit.h"
#include "common/DataGrid.h"
#include "common/DataSet.h"
#include "common/Dialogs.h"
#include "common/DocumentsFile.h"
#include "common/NavigatorBar.h"
#include "common/report/ReportEngine.h"
#include "state/Classification.h"
#include "state/KavelDeletion.h"
#include "state/KavelImport.h"
#include "state/PositionLabel.h"
#include "state/StateData.h"
#include "state/StateSchema.h"
#include "state/StateWorkbook.h"
#include "state/app/KavelGridDelegate.h"
#include "state/app/StateArtwork.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString panelStyle = QStringLiteral("QGroupBox { background: #d4d4d4; font-weight: bold; }");

QLabel *caption(const QString &text, QWidget *parent, const QString &style = QString())
{
    auto *label = new QLabel(text, parent);
    if (!style.isEmpty())
        label->setStyleSheet(style);
    return label;
}

QGroupBox *panel(const QString &title, QWidget *parent)
{
    auto *group = new QGroupBox(title, parent);
    group->setStyleSheet(panelStyle);
    return group;
}

} // namespace

TFormPrincipal::TFormPrincipal(StateData &data, ReportEngine &reports, QWidget *parent)
    : QMainWindow(parent), m_data(data), m_reports(reports)
{
    setWindowTitle(QStringLiteral("Nubrel Versão 1.2 - Dados consolidados dos Municípios"));
    auto *central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette background = central->palette();
    background.setColor(QPalette::Window, QColor(191, 205, 219)); // inactive title bars
    central->setPalette(background);
    auto *layout = new QVBoxLayout(central);

    auto *top = new QHBoxLayout;
    auto *buttons = new QHBoxLayout;
    auto *importar = new QPushButton(QStringLiteral("Importar dados"), central);
    auto *help = new QToolButton(central);
    help->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    Accessibility::hint(help, QStringLiteral("Ajuda"));
    auto *credits = new QPushButton(QStringLiteral("Créditos"), central);
    auto *apagar = new QPushButton(QStringLiteral("Apagar todo o BD"), central);
    auto *sair = new QPushButton(QStringLiteral("Sair do Sistema"), central);
    for (QWidget *b : {static_cast<QWidget *>(importar), static_cast<QWidget *>(help), static_cast<QWidget *>(credits),
                       static_cast<QWidget *>(apagar), static_cast<QWidget *>(sair)})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *titles = new QVBoxLayout;
    titles->addLayout(buttons);
    auto *heading = new QLabel(QStringLiteral("Nubrel Versão 1.2 - Módulo do Estado"), central);
    heading->setStyleSheet(
        QStringLiteral("background: white; color: teal; font-weight: bold; font-size: 16pt; padding: 6px;"));
    titles->addWidget(heading);
    top->addLayout(titles, 1);
    auto *logo = new QLabel(central);
    logo->setPixmap(StateArtwork::logo(72));
    top->addWidget(logo, 0, Qt::AlignTop | Qt::AlignRight);
    layout->addLayout(top);

    m_tabs = new QTabWidget(central);
    m_tabs->addTab(recordView(), QStringLiteral("Dados consolidados do município"));
    m_tabs->addTab(tableView(), QStringLiteral("Classificação"));
    layout->addWidget(m_tabs, 1);
    setCentralWidget(central);

    Dialogs::connectStep(importar, &QPushButton::clicked, this, &TFormPrincipal::BtnImportarClick);
    connect(help, &QToolButton::clicked, this, &TFormPrincipal::helpRequested);
    connect(credits, &QPushButton::clicked, this, &TFormPrincipal::creditsRequested);
    Dialogs::connectStep(apagar, &QPushButton::clicked, this, &TFormPrincipal::BtnApagarClick);
    connect(sair, &QPushButton::clicked, this, &QWidget::close);
    connect(m_data.ADOQueryKavel, &DataSet::recordChanged, this, &TFormPrincipal::showPeriodo);
    connect(m_data.ADOQueryKavel, &DataSet::fieldChanged, this, &TFormPrincipal::showPeriodo);
    showPeriodo();
    updatePositionLabels();
}

BoundLineEdit *TFormPrincipal::box(const QString &field, const QString &captionText, QWidget *parent)
{
    auto *edit = new BoundLineEdit(parent);
    edit->setObjectName(QStringLiteral("DBEdit") + field);
    edit->setAccessibleName(captionText);
    edit->bind(m_data.DataSourceKavel, field);
    edit->setMaximumWidth(field == QLatin1String("Municipio") || field == QLatin1String("Periodo") ? 260 : 90);
    m_boxes.insert(field, edit);
    return edit;
}

QWidget *TFormPrincipal::recordView()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);

    auto *identity = panel(QString(), page);
    auto *idLayout = new QGridLayout(identity);
    const struct
    {
        const char *label;
        const char *field;
        int row, column;
    } ids[] = {{"Município :", "Municipio", 0, 0},
               {"UF :", "UF", 0, 2},
               {"Período :", "Periodo", 1, 0},
               {"Cod.", "CodMun", 1, 2}};
    for (const auto &id : ids) {
        auto *label = caption(QString::fromUtf8(id.label), identity);
        auto *edit = box(QString::fromUtf8(id.field), label->text(), identity);
        Accessibility::label(label, edit);
        idLayout->addWidget(label, id.row, id.column);
        idLayout->addWidget(edit, id.row, id.column + 1);
    }
    layout->addWidget(identity);

    auto *middle = new QHBoxLayout;
    auto *indices = panel(QStringLiteral("Índices de infestação predial (IIP) e Breteau (IB) do município"), page);
    auto *indLayout = new QGridLayout(indices);
    const QString species = QStringLiteral("font-weight: bold; font-style: italic;");
    indLayout->addWidget(caption(QStringLiteral("Aedes aegypti"), indices, species), 0, 1);
    indLayout->addWidget(caption(QStringLiteral("Aedes albopictus"), indices, species), 0, 2);
    indLayout->addWidget(caption(QStringLiteral("I.I.P."), indices), 1, 0);
    indLayout->addWidget(caption(QStringLiteral("I.B."), indices), 2, 0);
    indLayout->addWidget(box(QStringLiteral("IIP"), QStringLiteral("I.I.P. Aedes aegypti"), indices), 1, 1);
    indLayout->addWidget(box(QStringLiteral("IIPalb"), QStringLiteral("I.I.P. Aedes albopictus"), indices), 1, 2);
    indLayout->addWidget(box(QStringLiteral("IB"), QStringLiteral("I.B. Aedes aegypti"), indices), 2, 1);
    indLayout->addWidget(box(QStringLiteral("IBalb"), QStringLiteral("I.B. Aedes albopictus"), indices), 2, 2);
    middle->addWidget(indices);

    auto *classes = panel(QStringLiteral("Classificação de estratos segundo o I.I.P. para Aedes aegypti"), page);
    auto *clsLayout = new QGridLayout(classes);
    clsLayout->addWidget(caption(QStringLiteral("N°"), classes), 0, 1);
    clsLayout->addWidget(caption(QStringLiteral("%"), classes), 0, 2);
    clsLayout->addWidget(caption(QStringLiteral("Risco"), classes), 0, 3);
    const struct
    {
        const char *label;
        const char *group;
        const char *risk;
        const char *colour;
    } rows[] = {{"Estratos com I.I.P. <= 0,9", "E<0,9", "Baixo", "lime"},
                {"1,0 <= Estratos com I.I.P. <= 3,9", "1<E<3,9", "Médio", "yellow"},
                {"Estratos com I.I.P >=4,0", "E>4", "Alto", "red"}};
    for (int i = 0; i < 3; ++i) {
        const QString label = QString::fromUtf8(rows[i].label);
        const QString group = QString::fromUtf8(rows[i].group);
        clsLayout->addWidget(caption(label, classes), i + 1, 0);
        clsLayout->addWidget(box(group + QStringLiteral("_N°"), label + QStringLiteral(" N°"), classes), i + 1, 1);
        clsLayout->addWidget(box(group + QStringLiteral("_%"), label + QStringLiteral(" %"), classes), i + 1, 2);
        auto *risk = caption(QString::fromUtf8(rows[i].risk), classes,
                             QStringLiteral("background: %1; border: 1px solid gray; padding: 2px 8px;")
                                 .arg(QString::fromLatin1(rows[i].colour)));
        risk->setAlignment(Qt::AlignCenter);
        clsLayout->addWidget(risk, i + 1, 3);
    }
    middle->addWidget(classes);
    layout->addLayout(middle);

    auto *containers = panel(QStringLiteral("Criadouros para Aedes aegypti"), page);
    auto *cntLayout = new QGridLayout(containers);
    cntLayout->addWidget(caption(QStringLiteral("N°"), containers), 1, 0);
    cntLayout->addWidget(caption(QStringLiteral("%"), containers), 2, 0);
    int column = 1;
    for (const char *type : {"A1", "A2", "B", "C", "D1", "D2", "E"}) {
        const QString name = QString::fromLatin1(type);
        auto *head = caption(name, containers, QStringLiteral("font-weight: bold;"));
        head->setAlignment(Qt::AlignCenter);
        cntLayout->addWidget(head, 0, column);
        cntLayout->addWidget(box(name + QStringLiteral("_N°"), name + QStringLiteral(" N°"), containers), 1, column);
        cntLayout->addWidget(box(name + QStringLiteral("_%"), name + QStringLiteral(" %"), containers), 2, column);
        ++column;
    }
    layout->addWidget(containers);

    auto *bottom = new QHBoxLayout;
    m_navigator = new NavigatorBar(page);
    m_navigator->hideInsert();
    m_navigator->bind(m_data.DataSourceKavel);
    for (QAbstractButton *button : m_navigator->findChildren<QAbstractButton *>())
        connect(button, &QAbstractButton::clicked, this, &TFormPrincipal::updatePositionLabels);
    bottom->addWidget(m_navigator);
    m_labelRegistro1 = new QLabel(page);
    m_labelRegistro1->setObjectName(QStringLiteral("LabelRegistro1"));
    bottom->addWidget(m_labelRegistro1);
    bottom->addStretch();
    layout->addLayout(bottom);
    layout->addStretch();
    return page;
}

QWidget *TFormPrincipal::tableView()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    DBGridKavel = new DataGrid(page);
    DBGridKavel->setObjectName(QStringLiteral("DBGridKavel"));
    DBGridKavel->setAccessibleName(QStringLiteral("Municípios"));
    DBGridKavel->setStyleSheet(QStringLiteral("QTableView { background: white; }"));
    DBGridKavel->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    DBGridKavel->setItemDelegate(new KavelGridDelegate(DBGridKavel));
    DBGridKavel->bind(m_data.DataSourceKavel);
    DBGridKavel->installEventFilter(this);
    connect(DBGridKavel, &QAbstractItemView::clicked, this, &TFormPrincipal::updatePositionLabels);
    layout->addWidget(DBGridKavel, 1);

    auto *info = new QHBoxLayout;
    info->addWidget(caption(QStringLiteral("Período de execução :"), page, QStringLiteral("font-weight: bold;")));
    m_periodo = new QLabel(page);
    m_periodo->setObjectName(QStringLiteral("LabelPeriodo"));
    info->addWidget(m_periodo);
    info->addStretch();
    m_labelRegistro2 = new QLabel(page);
    m_labelRegistro2->setObjectName(QStringLiteral("LabelRegistro2"));
    info->addWidget(m_labelRegistro2);
    layout->addLayout(info);

    auto *controls = new QHBoxLayout;
    auto *classLabel = caption(QStringLiteral("Classificar municípios por faixa de IIP :"), page);
    ComboClassificacao = new QComboBox(page);
    ComboClassificacao->addItems(Classification::items());
    ComboClassificacao->setCurrentIndex(-1);
    ComboClassificacao->setStyleSheet(QStringLiteral("QComboBox { font-weight: bold; background: #d4d4d4; }"));
    Accessibility::label(classLabel, ComboClassificacao);
    controls->addWidget(classLabel);
    controls->addWidget(ComboClassificacao);
    Dialogs::connectStep(ComboClassificacao, &QComboBox::activated, this, &TFormPrincipal::ComboClassificacaoChange);

    auto *consultas = new QPushButton(QStringLiteral("Consultas SQL"), page);
    consultas->setFlat(true);
    consultas->setCursor(Qt::PointingHandCursor);
    consultas->setStyleSheet(QStringLiteral("QPushButton { color: blue; font-weight: bold; border: none; }"));
    MemoConsulta = new QPlainTextEdit(page);
    MemoConsulta->setAccessibleName(QStringLiteral("Comando SQL"));
    MemoConsulta->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #d4d4d4; }"));
    MemoConsulta->setMaximumHeight(70);
    Dialogs::connectStep(consultas, &QPushButton::clicked, this, &TFormPrincipal::LabelConsultasClick);
    controls->addWidget(consultas);
    controls->addWidget(MemoConsulta, 1);
    layout->addLayout(controls);

    auto *actions = new QHBoxLayout;
    auto *exportar = new QPushButton(QStringLiteral("Exportar para o Excel"), page);
    auto *imprimir = new QPushButton(QStringLiteral("Imprimir"), page);
    Dialogs::connectStep(exportar, &QPushButton::clicked, this, &TFormPrincipal::BtnExportarClick);
    Dialogs::connectStep(imprimir, &QPushButton::clicked, this, &TFormPrincipal::BtnImprimirClick);
    actions->addStretch();
    actions->addWidget(exportar);
    actions->addWidget(imprimir);
    layout->addLayout(actions);
    return page;
}

QString TFormPrincipal::recordViewLabel() const
{
    return m_labelRegistro1->text();
}

QString TFormPrincipal::tableViewLabel() const
{
    return m_labelRegistro2->text();
}

void TFormPrincipal::updatePositionLabels()
{
    const QString text = PositionLabel::text(*m_data.ADOQueryKavel);
    m_labelRegistro1->setText(text);
    m_labelRegistro2->setText(text);
}

void TFormPrincipal::showPeriodo()
{
    const DataSet &ds = *m_data.ADOQueryKavel;
    QString periodo;
    for (int i = 0; i < ds.fieldCount(); ++i)
        if (ds.field(i).name == QLatin1String("Periodo"))
            periodo = ds.asText(i);
    m_periodo->setText(periodo);
}

void TFormPrincipal::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    updatePositionLabels();
}

void TFormPrincipal::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    QApplication::quit(); // the program ends with its window, whatever else is open
}

bool TFormPrincipal::eventFilter(QObject *watched, QEvent *event)
{
    const bool result = QMainWindow::eventFilter(watched, event);
    if (watched == DBGridKavel) {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            // After the grid has handled the event, the current row is known.
            QMetaObject::invokeMethod(this, &TFormPrincipal::updatePositionLabels, Qt::QueuedConnection);
            break;
        default:
            break;
        }
    }
    return result;
}

void TFormPrincipal::BtnImportarClick()
{
    const QStringList paths = Dialogs::openFileNames(this, QStringLiteral("Importar dados"), QStringLiteral("*.nubrel"),
                                                     QStringLiteral("Tarvessa (*.nubrel)"));
    if (paths.isEmpty())
        return;
    DataSet &kavel = *m_data.ADOQueryKavel;
    if (paths.size() == 1) {
        const QStringList texts = KavelImport::recordTexts(paths.first());
        KavelImport::appendRecord(kavel, texts, [this, &kavel](int field, const QString &text) {
            m_boxes.value(kavel.field(field).name)->typeText(text);
        });
    } else {
        const QVector<KavelImport::Outcome> outcomes = KavelImport::importFiles(kavel, m_data.ADOConnection1, paths);
        Dialogs::message(this, QStringLiteral("Importar dados"), KavelImport::report(outcomes));
    }
    m_labelRegistro1->setText(QString::number(kavel.recordCount()));
}

void TFormPrincipal::BtnApagarClick()
{
    KavelDeletion::deleteResultRows(*m_data.ADOQueryKavel, m_data.ADOConnection1, [this](int rows) {
        return Dialogs::question(this, QStringLiteral("Atenção!"),
                                 QStringLiteral("Apagar os %1 registros da consulta atual?").arg(rows), true);
    });
}

void TFormPrincipal::ComboClassificacaoChange()
{
    Classification::classify(*m_data.ADOQueryKavel, ComboClassificacao->currentText());
}

void TFormPrincipal::LabelConsultasClick()
{
    Classification::runQuery(*m_data.ADOQueryKavel, m_data.ADOConnection1, MemoConsulta->toPlainText());
}

void TFormPrincipal::BtnExportarClick()
{
    DataSet &kavel = *m_data.ADOQueryKavel;
    const QString name = StateWorkbook::fileName(kavel);
    if (!kavel.isEmpty())
        kavel.last(); // the record view shows the row the name comes from
    Dialogs::message(this, QStringLiteral("Exportar para o Excel"),
                     QStringLiteral("O arquivo será salvo como \"%1\"  na pasta Meus Documentos").arg(name));
    DocumentsFile::save(this, name, [&kavel](const QString &path) { StateWorkbook::write(kavel, path); });
}

void TFormPrincipal::BtnImprimirClick()
{
    m_reports.executeReport(QStringLiteral("Report1"), this);
}
