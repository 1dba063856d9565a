#pragma once

#include <QMainWindow>

class QLabel;
class QPushButton;
class TDataModule1;

// The entry screen: the registered municipality, "Entrar", "Limpar BD" and "Encerrar".
class TFormPrincipal : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFormPrincipal(QWidget *parent = nullptr);
    // The data module is created after this window; it is handed over once it exists.
    void setDataModule(TDataModule1 *dm) { m_dm = dm; }
    QString municipalityLabel() const;
    void setMunicipalityLabel(const QString &text);

signals:
    void enterRequested();
    void creditsRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormShow();
    void BtnLimparBDClick();

    TDataModule1 *m_dm = nullptr;
    QLabel *m_municipality;
};
