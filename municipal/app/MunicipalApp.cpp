#include "municipal/app/MunicipalApp.h"

#include "common/Dialogs.h"
#include "common/report/ReportEngine.h"
#include "municipal/app/TCreditos.h"
#include "municipal/app/TFormAjuda.h"
#include "municipal/app/TFormCadastro.h"
#include "municipal/app/TFormDadosGerais.h"
#include "municipal/app/TFormPrincipal.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/reports/Report1.h"
#include "municipal/reports/Report2.h"
#include "municipal/reports/Report3.h"
#include "municipal/reports/Report4.h"
#include "municipal/reports/Report5.h"
#include "municipal/reports/Report6.h"
#include "municipal/results/IndicesExport.h"
#include "municipal/results/IndicesPage.h"
#include "municipal/results/TFormEstatistica.h"
#include "municipal/results/TFormGraficos.h"
#include "municipal/sampling/TFormVisualizarBairros.h"
#include "municipal/summary/TFormKavel.h"

MunicipalApp::MunicipalApp()
{
    // The main window comes first, then the data module; every other window
    // finds the data sets open.
    auto principal = std::make_unique<TFormPrincipal>();
    DataModule1 = new TDataModule1(this);
    FormPrincipal = principal.release();
    FormPrincipal->setDataModule(DataModule1);
    RvSystem1 = new ReportEngine(
        {QStringLiteral("Opções de saída"), QStringLiteral("Status do relatório"), QStringLiteral("Visualização")});
    RvSystem1->addReport(QStringLiteral("Report1"),
                         [this] { return std::make_unique<Report1>(*DataModule1->ADOTablePlanoAmostral); });
    RvSystem1->addReport(QStringLiteral("Report2"),
                         [this] { return std::make_unique<Report2>(*DataModule1->ADOTableNecessidades); });
    RvSystem1->addReport(QStringLiteral("Report3"),
                         [this] { return std::make_unique<Report3>(*DataModule1->ADOTableConsolidado); });
    RvSystem1->addReport(QStringLiteral("Report4"),
                         [this] { return std::make_unique<Report4>(*DataModule1->ADOQueryIndices); });
    RvSystem1->addReport(QStringLiteral("Report5"), [] { return std::make_unique<Report5>(); });
    RvSystem1->addReport(QStringLiteral("Report6"),
                         [this] { return std::make_unique<Report6>(*DataModule1->ADOQueryKavel); });
    FormCadastro = new TFormCadastro(*DataModule1);
    FormDadosGerais = new TFormDadosGerais(*DataModule1, *RvSystem1);
    FormVisualizarBairros = new TFormVisualizarBairros(*DataModule1);
    FormEstatistica =
        new TFormEstatistica(*DataModule1, *RvSystem1, [this] { return FormDadosGerais->reportParams(); });
    Creditos = new TCreditos(FormPrincipal);
    FormAjuda = new TFormAjuda;
    FormGraficos = new TFormGraficos(*DataModule1, *RvSystem1);
    FormKavel = new TFormKavel(*DataModule1, *RvSystem1, [this] { return FormDadosGerais->reportParams(); });

    connect(FormPrincipal, &TFormPrincipal::enterRequested, this, &MunicipalApp::BtnEntrarClick);
    connect(FormPrincipal, &TFormPrincipal::creditsRequested, this,
            [this] { Dialogs::choose(Creditos->windowTitle(), [this] { return QVariant(Creditos->exec()); }); });
    connect(FormCadastro, &TFormCadastro::municipalityLabelChanged, FormPrincipal,
            &TFormPrincipal::setMunicipalityLabel);
    connect(FormCadastro, &TFormCadastro::workWindowRequested, FormDadosGerais, &QWidget::show);
    connect(FormDadosGerais, &TFormDadosGerais::editRegistrationRequested, FormCadastro,
            &TFormCadastro::showForEditing);
    connect(FormDadosGerais, &TFormDadosGerais::helpRequested, FormAjuda, &QWidget::show);
    connect(FormDadosGerais, &TFormDadosGerais::neighbourhoodViewRequested, FormVisualizarBairros, &QWidget::show);
    IndicesPage *indices = FormDadosGerais->indicesPage();
    Dialogs::connectStep(indices, &IndicesPage::statisticsRequested, FormEstatistica,
                         &TFormEstatistica::showStatistics);
    indices->setStatisticsEnabled(true);
    // "Gráficos" shows the charts window beside the work window; "Excel" exports the listed strata.
    connect(indices, &IndicesPage::chartsRequested, FormGraficos, [this] {
        FormGraficos->show();
        FormGraficos->raise();
        FormGraficos->activateWindow();
    });
    indices->setChartsEnabled(true);
    connect(indices, &IndicesPage::spreadsheetRequested, this,
            [this] { Dialogs::runStep(FormDadosGerais, [this] { SpeedButton28Click(); }); });
    indices->setSpreadsheetEnabled(true);
    connect(FormDadosGerais, &TFormDadosGerais::summaryRequested, this,
            [this] { Dialogs::runStep(FormDadosGerais, [this] { FormKavel->generate(); }); });
}

MunicipalApp::~MunicipalApp()
{
    delete FormGraficos;
    delete FormKavel;
    delete FormAjuda;
    delete FormEstatistica;
    delete FormVisualizarBairros;
    delete FormDadosGerais;
    delete FormCadastro;
    delete FormPrincipal; // owns the credits window
    delete RvSystem1;
    delete DataModule1;
}

void MunicipalApp::BtnEntrarClick()
{
    if (DataModule1->ADOTableCadastro->recNo() > 0)
        FormDadosGerais->show();
    else
        FormCadastro->show();
}

void MunicipalApp::SpeedButton28Click()
{
    IndicesExport::run(
        FormDadosGerais, *DataModule1->ADOQueryIndices,
        {FormDadosGerais->headerMunicipio(), FormDadosGerais->headerUF(), FormDadosGerais->headerPeriodo()});
}
