#pragma once

#include <QWidget>

class BoundLineEdit;
class DataGrid;
class QComboBox;
class TDataModule1;

// Every neighbourhood of a stratum with its blocks to work.
class TFormVisualizarBairros : public QWidget
{
    Q_OBJECT

public:
    explicit TFormVisualizarBairros(TDataModule1 &dm, QWidget *parent = nullptr);
    DataGrid *grid() const { return m_grid; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void ComboBoxEstratoSelect(int index);
    void fillStrata();
    void fitRows();
    // The block definitions follow the current stratum of the plan again.
    void linkToPlan();

    TDataModule1 &m_dm;
    QComboBox *m_strata;
    DataGrid *m_grid;
    bool m_linked = true;
};
