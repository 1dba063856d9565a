#pragma once

#include <QWidget>

class BoundLineEdit;
class BoundLookupCombo;
class QComboBox;
class QPushButton;
class TDataModule1;

// Registration of the municipality and the survey period: the one row of Cadastro.
class TFormCadastro : public QWidget
{
    Q_OBJECT

public:
    TFormCadastro(TDataModule1 &dm, QWidget *parent = nullptr);
    // The years offered: from 2010 to the year after `currentYear`.
    static QStringList years(int currentYear);
    // Shows the window with the registration row in edit ("Editar Cadastro").
    void showForEditing();

signals:
    // "Gravar" saved the row: the main window shows this label.
    void municipalityLabelChanged(const QString &label);
    // "Fechar" saved the row: the work window comes next.
    void workWindowRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void DBLookupComboBoxUFClick();
    void DBLookupComboBoxMunicipioClick();
    void ComboBoxAnoChange(int index);
    void BtnGravarClick();
    void BtnFecharClick();
    void BtnLimparClick();
    void showYear();
    bool saveIfEditing();

    TDataModule1 &m_dm;
    BoundLookupCombo *m_uf;
    BoundLookupCombo *m_municipio;
    BoundLineEdit *m_total;
    BoundLineEdit *m_periodo;
    BoundLineEdit *m_codigo;
    BoundLineEdit *m_nome;
    QComboBox *m_ano;
};
