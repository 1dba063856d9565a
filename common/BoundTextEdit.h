#pragma once

#include <QPlainTextEdit>
#include <QPointer>

class DataSet;
class DataSource;

// A multi-line box that shows one text or memo column of the current row.
// Typing puts the row into edit; the text is written when the box is left
// or the row is posted.
class BoundTextEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit BoundTextEdit(QWidget *parent = nullptr);
    void bind(DataSource *source, const QString &fieldName);
    void flush();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void attach();
    void reload();
    DataSet *dataSet() const;

    QPointer<DataSource> m_source;
    QPointer<DataSet> m_attached;
    QString m_field;
    bool m_dirty = false;
};
