#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class DataSet;
class DataSource;

// Ties a text control to one column of the current row: shows the column's
// text, puts the row into edit when the user types, and writes the typed
// text into the column when asked or when the row is posted. What the user
// typed is kept until it is written or the edit ends.
class FieldBinding : public QObject
{
    Q_OBJECT

public:
    FieldBinding(QObject *control, std::function<QString()> controlText, std::function<void(const QString &)> show);

    void bind(DataSource *source, const QString &fieldName);
    DataSet *dataSet() const;

    // The user changed the text. Throws StepError when the row cannot be edited.
    void typed();
    // Writes the typed text into the column; throws StepError when it does not convert.
    void flush();

private:
    void attach();
    void reload();

    QObject *m_control;
    std::function<QString()> m_controlText;
    std::function<void(const QString &)> m_show;
    QPointer<DataSource> m_source;
    QPointer<DataSet> m_attached;
    QString m_field;
    bool m_dirty = false;
};
