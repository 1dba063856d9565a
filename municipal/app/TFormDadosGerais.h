#pragma once

#include "common/report/ReportLayout.h"

#include <QWidget>

class DefinicaoQuartPage;
class NecessidadesPage;
class EntradaDeDadosPage;
class IndicesPage;
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
    // The parameters every print button passes: the header's three texts.
    ReportParams reportParams() const;

    QTabWidget *parametersPages() const { return m_parameters; }
    PlanoAmostralPage *planPage() const { return m_planPage; }
    DefinicaoQuartPage *blocksPage() const { return m_blocksPage; }
    NecessidadesPage *needsPage() const { return m_needsPage; }
    EntradaDeDadosPage *entryPage() const { return m_entryPage; }
    IndicesPage *indicesPage() const { return m_indicesPage; }

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
    NecessidadesPage *m_needsPage;
    EntradaDeDadosPage *m_entryPage;
    IndicesPage *m_indicesPage;
};
