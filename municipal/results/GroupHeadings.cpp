#include "municipal/results/GroupHeadings.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>

GroupHeadings::GroupHeadings(QTableView *grid, const QVector<Group> &groups, QWidget *parent)
    : QWidget(parent), m_grid(grid), m_groups(groups), m_rowHeight(fontMetrics().height() + 6)
{
    int levels = 0;
    for (const Group &g : groups) {
        auto *label = new QLabel(g.text, this);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Box);
        m_labels.append(label);
        levels = std::max(levels, g.level + 1);
    }
    setFixedHeight(levels * m_rowHeight);
    QHeaderView *header = grid->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, &GroupHeadings::place);
    connect(header, &QHeaderView::geometriesChanged, this, &GroupHeadings::place);
    connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, &GroupHeadings::place);
    place();
}

void GroupHeadings::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    place();
}

void GroupHeadings::place()
{
    QHeaderView *header = m_grid->horizontalHeader();
    // The grid's columns start after its frame and its row numbers.
    const QPoint origin = m_grid->mapTo(parentWidget(), QPoint(m_grid->frameWidth(), 0)) - pos();
    const int left = origin.x() + m_grid->verticalHeader()->width();
    for (int i = 0; i < m_groups.size(); ++i) {
        const Group &g = m_groups[i];
        const int x = header->sectionViewportPosition(g.first);
        const int right = header->sectionViewportPosition(g.last) + header->sectionSize(g.last);
        m_labels[i]->setGeometry(left + x, g.level * m_rowHeight, right - x, m_rowHeight);
    }
}
