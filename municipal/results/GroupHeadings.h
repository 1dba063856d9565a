#pragma once

#include <QVector>
#include <QWidget>

class QLabel;
class QTableView;

// Headings over groups of a grid's columns, in one or more rows above its
// column headings, kept over their columns as the columns are resized or scrolled.
class GroupHeadings : public QWidget
{
    Q_OBJECT

public:
    struct Group
    {
        int level; // 0 is the top row
        int first; // first and last column spanned
        int last;
        QString text;
    };

    GroupHeadings(QTableView *grid, const QVector<Group> &groups, QWidget *parent = nullptr);
    // The heading of each group, for tests and accessibility.
    QVector<QLabel *> labels() const { return m_labels; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void place();

    QTableView *m_grid;
    QVector<Group> m_groups;
    QVector<QLabel *> m_labels;
    int m_rowHeight;
};
