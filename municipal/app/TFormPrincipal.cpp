#include "municipal/app/TFormPrincipal.h"

#include "common/DataSet.h"
#include "common/Dialogs.h"
#include "municipal/app/Artwork.h"
#include "municipal/data/ClearDatabase.h"
#include "municipal/data/TDataModule1.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

TFormPrincipal::TFormPrincipal(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Nubrel - Tarvessa"));
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);

    auto *banner = new QLabel(central);
    banner->setPixmap(Artwork::banner(560, 120));
    auto *bannerLayout = new QHBoxLayout(banner);
    auto *logo = new QLabel(banner);
    logo->setPixmap(Artwork::logo(80));
    bannerLayout->addWidget(logo);
    auto *titles = new QVBoxLayout;
    auto *title = new QLabel(QStringLiteral("Nubrel - Versão 1.2"), banner);
    title->setStyleSheet(QStringLiteral("color: white; font-size: 22pt; font-weight: bold;"));
    auto *office = new QLabel(QStringLiteral("Kavel - ") + QStringLiteral("Pelvane"), banner);
    office->setStyleSheet(QStringLiteral("color: white; font-size: 12pt;"));
    titles->addWidget(title);
    titles->addWidget(office);
    bannerLayout->addLayout(titles);
    bannerLayout->addStretch();
    layout->addWidget(banner);

    m_municipality = new QLabel(central);
    m_municipality->setObjectName(QStringLiteral("LabelMunicipio"));
    m_municipality->setAlignment(Qt::AlignCenter);
    m_municipality->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold;"));
    layout->addWidget(m_municipality);

    auto *credits = new QPushButton(QStringLiteral("Créditos"), central);
    credits->setFlat(true);
    credits->setCursor(Qt::PointingHandCursor);
    credits->setStyleSheet(QStringLiteral("color: #0645ad; text-decoration: underline; border: none;"));
    connect(credits, &QPushButton::clicked, this, &TFormPrincipal::creditsRequested);
    layout->addWidget(credits, 0, Qt::AlignRight);

    auto *buttons = new QHBoxLayout;
    auto *enter = new QPushButton(QStringLiteral("Entrar"), central);
    auto *clear = new QPushButton(QStringLiteral("Limpar BD"), central);
    auto *quit = new QPushButton(QStringLiteral("Encerrar"), central);
    buttons->addStretch();
    buttons->addWidget(enter);
    buttons->addWidget(clear);
    buttons->addWidget(quit);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(enter, &QPushButton::clicked, this, &TFormPrincipal::enterRequested);
    Dialogs::connectStep(clear, &QPushButton::clicked, this, &TFormPrincipal::BtnLimparBDClick);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    setCentralWidget(central);
    statusBar()->addWidget(new QLabel(QStringLiteral("Nubrel - Versão 1.2"), this));
}

QString TFormPrincipal::municipalityLabel() const
{
    return m_municipality->text();
}

void TFormPrincipal::setMunicipalityLabel(const QString &text)
{
    m_municipality->setText(text);
}

void TFormPrincipal::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    FormShow();
}

void TFormPrincipal::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    QApplication::quit(); // the program ends with its main window, whatever else is open
}

void TFormPrincipal::FormShow()
{
    if (!m_dm)
        return;
    DataSet &cadastro = *m_dm->ADOTableCadastro;
    setMunicipalityLabel(cadastro.asText(QStringLiteral("Municipio")) + QStringLiteral(" - ")
                         + cadastro.asText(QStringLiteral("UF")));
}

void TFormPrincipal::BtnLimparBDClick()
{
    if (!m_dm)
        return;
    // One slip of the mouse must not erase a survey: ask, with "Não" as the default.
    if (!Dialogs::question(this, QStringLiteral("Limpar BD"),
                           QStringLiteral("Apagar todos os dados do levantamento atual (cadastro, plano amostral, "
                                          "bairros, necessidades e resultados)?"),
                           true))
        return;
    clearDatabase(*m_dm);
    setMunicipalityLabel(QString());
}
