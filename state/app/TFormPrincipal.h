#pragma once

#include <QHash>
#include <QMainWindow>

class BoundLineEdit;
class DataGrid;
class NavigatorBar;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QTabWidget;
class ReportEngine;
class StateData;

// The state module's one window: the record view and the table view over
// the current result set, with import, classification, free queries, export
// and printing.
class TFormPrincipal : public QMainWindow
{
    Q_OBJECT

public:
    TFormPrincipal(StateData &data, ReportEngine &reports, QWidget *parent = nullptr);

    QString recordViewLabel() const;
    QString tableViewLabel() const;

signals:
    void helpRequested();
    void creditsRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *recordView();
    QWidget *tableView();
    BoundLineEdit *box(const QString &field, const QString &caption, QWidget *parent);
    void updatePositionLabels();
    void showPeriodo();

    void BtnImportarClick();
    void BtnApagarClick();
    void ComboClassificacaoChange();
    void LabelConsultasClick();
    void BtnExportarClick();
    void BtnImprimirClick();

    StateData &m_data;
    ReportEngine &m_reports;
    QHash<QString, BoundLineEdit *> m_boxes; // by field name
    QTabWidget *m_tabs;
    NavigatorBar *m_navigator;
    DataGrid *DBGridKavel;
    QLabel *m_labelRegistro1;
    QLabel *m_labelRegistro2;
    QLabel *m_periodo;
    QComboBox *ComboClassificacao;
    QPlainTextEdit *MemoConsulta;
};
