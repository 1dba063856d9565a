#include "state/app/KavelGridDelegate.h"

void KavelGridDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->displayAlignment = Qt::AlignCenter;
    const bool even = (index.row() + 1) % 2 == 0;
    if (even && !(option->state & QStyle::State_Selected))
        option->backgroundBrush = evenRows;
}
