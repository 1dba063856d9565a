#pragma once

#include <QWidget>

class DefinicaoQuartPage;
class PlanoAmostralPage;
class QLabel;
class ReportEngine;
class WorkingValues;
class QTabWidget;
class TDataModule1;

// The work window: the registered municipality in its header, the survey's
// pages in the order of the work, and a tool bar.
class TFormDadosGerais : public QWidget
{
    Q_OBJECT

public:
    TFormDadosGerais(TDataModule1 &dm, ReportEngine &reports, QWidget *parent = nullptr);

    // The header's texts: municipality name, state code, survey period.
    QString headerMunicipio() const;
    QString headerUF() const;
    QString headerPeriodo() const;

    QTabWidget *parametersPages() const { return m_parameters; }
    PlanoAmostralPage *planPage() const { return m_planPage; }
    DefinicaoQuartPage *blocksPage() const { return m_blocksPage; }

signals:
    void editRegistrationRequested();
    void helpRequested();
    void neighbourhoodViewRequested();
    void summaryRequested();

private:
    void showHeader();

    TDataModule1 &m_dm;
    QLabel *m_municipio;
    QLabel *m_uf;
    QLabel *m_periodo;
    QTabWidget *m_parameters;
    WorkingValues *m_values;
    PlanoAmostralPage *m_planPage;
    DefinicaoQuartPage *m_blocksPage;
};
