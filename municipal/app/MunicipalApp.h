#pragma once

#include <QObject>

#include <memory>

class ReportEngine;
class TCreditos;
class TDataModule1;
class TFormAjuda;
class TFormCadastro;
class TFormDadosGerais;
class TFormEstatistica;
class TFormGraficos;
class TFormKavel;
class TFormPrincipal;
class TFormVisualizarBairros;

// The municipality module's windows and data module, created hidden in
// their fixed order and wired together; they live as long as this object.
class MunicipalApp : public QObject
{
    Q_OBJECT

public:
    // Throws StepError when the database cannot be opened.
    MunicipalApp();
    ~MunicipalApp() override;

    TFormPrincipal *FormPrincipal;
    TDataModule1 *DataModule1;
    TFormCadastro *FormCadastro;
    TFormDadosGerais *FormDadosGerais;
    TFormVisualizarBairros *FormVisualizarBairros;
    TFormEstatistica *FormEstatistica;
    TCreditos *Creditos;
    TFormAjuda *FormAjuda;
    TFormKavel *FormKavel;
    ReportEngine *RvSystem1;
    TFormGraficos *FormGraficos;

private:
    void BtnEntrarClick();
    void SpeedButton28Click();
};
