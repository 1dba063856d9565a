#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

class DataSource;
class QToolButton;

// Four picture buttons that move to the first, previous, next and last row.
// After each move they enable one another: at the first row first and
// previous are off; at the last row next and last are off.
class MoveButtons : public QWidget
{
    Q_OBJECT

public:
    // `hints`: the hints of first, previous, next and last, in that order.
    MoveButtons(const QStringList &hints, QWidget *parent = nullptr);
    void bind(DataSource *source);

signals:
    // The user moved; the data set is already on its new row.
    void moved();

private:
    void move(int which);
    void enableMoves(bool backwards, bool forwards);

    QPointer<DataSource> m_source;
    QToolButton *m_buttons[4];
};
