#pragma once

#include <QStyledItemDelegate>

class DataSetModel;

// Draws the cells of the entry grid: the stratum totals on teal, a verdict
// "Verifique !" in bold red, every other cell as the grid draws it.
class ConsolidadoDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    ConsolidadoDelegate(DataSetModel *model, QObject *parent = nullptr);

    static QColor gridColour() { return QColor(192, 220, 192); }
    static QColor totalColour() { return QColor(0, 128, 128); }
    static QColor warningColour() { return QColor(255, 0, 0); }

    // The colours and font of one cell.
    void DBGrid1DrawColumnCell(QStyleOptionViewItem &option, const QModelIndex &index) const;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    DataSetModel *m_model;
};
