#pragma once

#include <QPlainTextEdit>

class DataSource;
class FieldBinding;

// A multi-line box that shows one text or memo column of the current row.
// Typing puts the row into edit; the text is written when the box is left
// or the row is posted.
class BoundTextEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit BoundTextEdit(QWidget *parent = nullptr);
    void bind(DataSource *source, const QString &fieldName);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    FieldBinding *m_binding;
};
