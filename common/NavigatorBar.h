#pragma once

#include <QPointer>
#include <QWidget>

class DataSet;
class DataSource;
class QToolButton;

// Picture buttons that move through a data set and edit its current row:
// first, prior, next, last, insert, delete, edit, post, cancel, refresh.
class NavigatorBar : public QWidget
{
    Q_OBJECT

public:
    explicit NavigatorBar(QWidget *parent = nullptr);
    void bind(DataSource *source);
    // Leaves out the insert button, where rows only arrive some other way.
    void hideInsert();

private:
    DataSet *dataSet() const;
    void updateButtons();
    QToolButton *addButton(int icon, const QString &hint, void (NavigatorBar::*action)());
    void first();
    void prior();
    void next();
    void last();
    void insert();
    void remove();
    void edit();
    void post();
    void cancel();
    void refresh();

    QPointer<DataSource> m_source;
    QToolButton *m_first, *m_prior, *m_next, *m_last, *m_insert, *m_delete, *m_edit, *m_post, *m_cancel, *m_refresh;
};
