#include "municipal/app/TFormCadastro.h"

#include "common/Accessibility.h"
#include "common/BoundLineEdit.h"
#include "common/BoundLookupCombo.h"
#include "common/DataSet.h"
#include "common/Dialogs.h"
#include "common/StepError.h"
#include "municipal/data/TDataModule1.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFormCadastro::TFormCadastro(TDataModule1 &dm, QWidget *parent) : QWidget(parent, Qt::Window), m_dm(dm)
{
    setWindowTitle(QStringLiteral("Cadastro de Municípios"));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(QStringLiteral("Cadastro"), this);
    heading->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold;"));
    layout->addWidget(heading);

    auto *grid = new QGridLayout;
    const auto row = [&](int r, const QString &caption, QWidget *control) {
        auto *label = new QLabel(caption, this);
        Accessibility::label(label, control);
        grid->addWidget(label, r, 0);
        grid->addWidget(control, r, 1);
    };

    m_uf = new BoundLookupCombo(this);
    m_uf->bind(dm.DataSourceCadastro, QStringLiteral("UF"), dm.DataSourceEstados, QStringLiteral("Estado"),
               QStringLiteral("Estado"));
    row(0, QStringLiteral("UF :"), m_uf);

    m_municipio = new BoundLookupCombo(this);
    m_municipio->bind(dm.DataSourceCadastro, QStringLiteral("Municipio"), dm.DataSourceMunicipios,
                      QStringLiteral("Municipio"), QStringLiteral("Municipio"));
    m_municipio->setMinimumWidth(260);
    row(1, QStringLiteral("Município :"), m_municipio);
    m_nome = new BoundLineEdit(this);
    m_nome->bind(dm.DataSourceCadastro, QStringLiteral("Municipio"));
    m_nome->setReadOnly(true);
    m_nome->setAccessibleName(QStringLiteral("Município escolhido"));
    grid->addWidget(m_nome, 1, 2);

    m_total = new BoundLineEdit(this);
    m_total->bind(dm.DataSourceCadastro, QStringLiteral("TotalDeImoveisNoMunicipio"));
    row(2, QStringLiteral("Total de imóveis no Município :"), m_total);

    m_periodo = new BoundLineEdit(this);
    m_periodo->bind(dm.DataSourceCadastro, QStringLiteral("PeriodoDeExecucao"));
    m_periodo->setMaxLength(25);
    row(3, QStringLiteral("Período de execução :"), m_periodo);

    m_codigo = new BoundLineEdit(this);
    m_codigo->bind(dm.DataSourceCadastro, QStringLiteral("CodigoMunicipio"));
    m_codigo->setReadOnly(true);
    m_codigo->setFocusPolicy(Qt::ClickFocus);
    row(4, QStringLiteral("Código do Município :"), m_codigo);

    m_ano = new QComboBox(this);
    m_ano->addItems(years(QDate::currentDate().year()));
    row(5, QStringLiteral("Ano :"), m_ano);
    layout->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    auto *gravar = new QPushButton(QStringLiteral("Gravar"), this);
    auto *fechar = new QPushButton(QStringLiteral("Fechar"), this);
    auto *limpar = new QPushButton(QStringLiteral("Limpar"), this);
    buttons->addStretch();
    buttons->addWidget(gravar);
    buttons->addWidget(fechar);
    buttons->addWidget(limpar);
    layout->addLayout(buttons);

    setTabOrder(m_uf, m_municipio);
    setTabOrder(m_municipio, m_total);
    setTabOrder(m_total, m_periodo);
    setTabOrder(m_periodo, m_nome);
    setTabOrder(m_nome, m_ano);

    Dialogs::connectStep(m_uf, &BoundLookupCombo::chosen, this, &TFormCadastro::DBLookupComboBoxUFClick);
    Dialogs::connectStep(m_municipio, &BoundLookupCombo::chosen, this, &TFormCadastro::DBLookupComboBoxMunicipioClick);
    connect(m_ano, &QComboBox::activated, this,
            [this](int i) { Dialogs::runStep(this, [this, i] { ComboBoxAnoChange(i); }); });
    Dialogs::connectStep(gravar, &QPushButton::clicked, this, &TFormCadastro::BtnGravarClick);
    Dialogs::connectStep(fechar, &QPushButton::clicked, this, &TFormCadastro::BtnFecharClick);
    Dialogs::connectStep(limpar, &QPushButton::clicked, this, &TFormCadastro::BtnLimparClick);

    DataSet *cadastro = dm.ADOTableCadastro;
    Dialogs::connectStep(cadastro, &DataSet::recordChanged, this, &TFormCadastro::showYear);
    Dialogs::connectStep(cadastro, &DataSet::rowsChanged, this, &TFormCadastro::showYear);
    showYear();
}

QStringList TFormCadastro::years(int currentYear)
{
    QStringList list;
    for (int y = 2010; y <= currentYear + 1; ++y)
        list << QString::number(y);
    return list;
}

void TFormCadastro::showForEditing()
{
    show();
    raise();
    Dialogs::runStep(this, [this] { m_dm.ADOTableCadastro->edit(); });
}

void TFormCadastro::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Dialogs::runStep(this, [this] { FormShow(); });
}

void TFormCadastro::FormShow()
{
    // The municipality list offers the registered state's municipalities.
    const QString uf = m_dm.ADOTableCadastro->asText(QStringLiteral("UF"));
    if (!uf.isEmpty() && m_dm.ADOTableEstados->asText(QStringLiteral("Estado")) != uf)
        m_dm.ADOTableEstados->locate(QStringLiteral("Estado"), uf);
    m_municipio->setEnabled(m_uf->showsChoice());
}

void TFormCadastro::showYear()
{
    const QSignalBlocker blocker(m_ano);
    const QString year = m_dm.ADOTableCadastro->asText(QStringLiteral("Ano"));
    m_ano->setCurrentIndex(year.isEmpty() ? -1 : m_ano->findText(year));
}

void TFormCadastro::DBLookupComboBoxUFClick()
{
    m_municipio->setEnabled(m_uf->showsChoice());
}

void TFormCadastro::DBLookupComboBoxMunicipioClick()
{
    if (!m_municipio->showsChoice())
        return;
    DataSet &cadastro = *m_dm.ADOTableCadastro;
    cadastro.setText(QStringLiteral("CodigoMunicipio"),
                     m_dm.ADOTableMunicipios->asText(QStringLiteral("CodigoMunicipio")));
}

void TFormCadastro::ComboBoxAnoChange(int index)
{
    DataSet &cadastro = *m_dm.ADOTableCadastro;
    if (!cadastro.isEditing())
        cadastro.edit();
    cadastro.setText(QStringLiteral("Ano"), m_ano->itemText(index));
}

bool TFormCadastro::saveIfEditing()
{
    DataSet &cadastro = *m_dm.ADOTableCadastro;
    if (!cadastro.isEditing() || cadastro.isEmpty())
        return false;
    cadastro.updateRecord();
    // The plan hangs on the municipality's code: a row without it is no registration.
    for (const char *field : {"UF", "Municipio", "CodigoMunicipio"})
        if (cadastro.asText(QString::fromLatin1(field)).trimmed().isEmpty())
            throw StepError(QStringLiteral("Escolha o estado e o município. Verifique!"));
    cadastro.post();
    return true;
}

void TFormCadastro::BtnGravarClick()
{
    if (!saveIfEditing())
        return;
    DataSet &cadastro = *m_dm.ADOTableCadastro;
    cadastro.close();
    cadastro.open();
    emit municipalityLabelChanged(m_nome->text() + QStringLiteral(" - ") + m_uf->currentText());
}

void TFormCadastro::BtnFecharClick()
{
    const bool saved = saveIfEditing();
    close();
    if (saved)
        emit workWindowRequested();
}

void TFormCadastro::BtnLimparClick()
{
    m_uf->clearChoice();
    m_municipio->clearChoice();
    m_municipio->setEnabled(false);
    // The boxes show empty text also when they held a value the row refused.
    for (BoundLineEdit *box : {m_nome, m_codigo, m_total, m_periodo})
        box->clear();
    DataSet &cadastro = *m_dm.ADOTableCadastro;
    // Clearing shows empty boxes; it never creates a registration row of its own.
    if (!cadastro.isEmpty() || cadastro.isEditing()) {
        cadastro.edit();
        for (const char *field : {"Municipio", "CodigoMunicipio", "TotalDeImoveisNoMunicipio", "PeriodoDeExecucao"})
            cadastro.clear(QString::fromLatin1(field));
    }
    m_uf->setFocus();
}
