#include "municipal/sampling/NeighbourhoodDelegate.h"

#include <QAbstractItemView>
#include <QPainter>

NeighbourhoodDelegate::NeighbourhoodDelegate(int wrappedColumn, QObject *parent)
    : QStyledItemDelegate(parent), m_wrapped(wrappedColumn)
{}

void NeighbourhoodDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const bool evenRecord = (index.row() + 1) % 2 == 0;
    QStyleOptionViewItem opt(option);
    if (evenRecord && !selected)
        opt.backgroundBrush = evenRowColour();
    if (index.column() != m_wrapped) {
        if (evenRecord && !selected)
            painter->fillRect(option.rect, evenRowColour());
        QStyledItemDelegate::paint(painter, opt, index);
        return;
    }
    // A cell not selected is cleared first; a selected one keeps its highlight.
    if (!selected)
        painter->fillRect(option.rect, evenRecord ? evenRowColour() : option.palette.base().color());
    else
        painter->fillRect(option.rect, option.palette.highlight());
    QRect text = option.rect.adjusted(2, 0, -2, -2); // the bottom edge moved up by 2 pixels
    painter->save();
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(text, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, index.data().toString());
    painter->restore();
}

QSize NeighbourhoodDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (index.column() != m_wrapped)
        return size;
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    const int width = view ? view->visualRect(index).width() - 4 : option.rect.width() - 4;
    const QRect bounds = option.fontMetrics.boundingRect(QRect(0, 0, std::max(width, 20), 10000),
                                                         Qt::TextWordWrap | Qt::AlignLeft, index.data().toString());
    size.setHeight(std::max(size.height(), bounds.height() + 4));
    return size;
}
