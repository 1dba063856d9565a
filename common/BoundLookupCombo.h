#pragma once

#include <QComboBox>
#include <QPointer>

class DataSet;
class DataSource;

// A drop-down list that offers the rows of a list data set and stores the
// chosen row's key into a column of the current row of another data set.
// Choosing also makes the chosen row current in the list data set, so the
// details of that list follow the choice.
class BoundLookupCombo : public QComboBox
{
    Q_OBJECT

public:
    explicit BoundLookupCombo(QWidget *parent = nullptr);
    void bind(DataSource *target, const QString &field, DataSource *list, const QString &keyField,
              const QString &displayField);
    // Shows nothing, stores nothing.
    void clearChoice();
    // True when a row of the list is shown.
    bool showsChoice() const { return currentIndex() >= 0; }

signals:
    // The user chose a row and its key was stored.
    void chosen();

private:
    void refill();
    void showCurrent();
    void choose(int index);
    DataSet *target() const;
    DataSet *list() const;

    QPointer<DataSource> m_target;
    QPointer<DataSource> m_list;
    QString m_field;
    QString m_keyField;
    QString m_displayField;
    bool m_cleared = false;
};
