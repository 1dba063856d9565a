#include "municipal/results/ConsolidadoDelegate.h"

#include "common/DataSet.h"
#include "common/DataSetModel.h"

ConsolidadoDelegate::ConsolidadoDelegate(DataSetModel *model, QObject *parent)
    : QStyledItemDelegate(parent), m_model(model)
{}

void ConsolidadoDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    DBGrid1DrawColumnCell(*option, index);
}

void ConsolidadoDelegate::DBGrid1DrawColumnCell(QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const DataSet *ds = m_model->dataSet();
    const int field = m_model->fieldOf(index.column());
    if (!ds || field < 0)
        return;
    const QString name = ds->field(field).name;
    if (name == QLatin1String("ImoveisComAegTotal") || name == QLatin1String("ImoveisComAlbTotal")
        || name == QLatin1String("DepositoAegTotal")) {
        option.backgroundBrush = totalColour();
    } else if (name == QLatin1String("Critica")
               && index.data().toString() == QLatin1String("              Verifique !")) {
        option.font.setBold(true);
        option.palette.setColor(QPalette::Text, warningColour());
        option.palette.setColor(QPalette::HighlightedText, warningColour());
    }
}
