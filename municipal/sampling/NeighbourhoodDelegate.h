#pragma once

#include <QStyledItemDelegate>

// Paints the neighbourhood grid: rows of even record number in light blue
// when not selected, and the block lists wrapped at word boundaries.
class NeighbourhoodDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    NeighbourhoodDelegate(int wrappedColumn, QObject *parent = nullptr);
    static QColor evenRowColour() { return QColor(166, 202, 240); }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int m_wrapped;
};
