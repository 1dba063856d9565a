#pragma once

#include <QStyledItemDelegate>

// Draws every even row of the grid (2, 4, 6 ...) on light blue, unless the
// cell is selected; odd rows keep the grid's white.
class KavelGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static inline const QColor evenRows = QColor(223, 239, 255);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
