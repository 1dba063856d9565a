#pragma once

#include <QLineEdit>

class DataSource;
class FieldBinding;

// An edit box that shows one column of the current row as text. Typing puts
// the row into edit; the text is written into the column when the box is
// left or the row is posted.
class BoundLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit BoundLineEdit(QWidget *parent = nullptr);
    void bind(DataSource *source, const QString &fieldName);
    // Writes the typed text into the column; throws StepError when it does not convert.
    void flush();
    // Puts a text into the box as if the user had typed it. Throws StepError
    // when the row cannot be edited.
    void typeText(const QString &text);

signals:
    // The focus moved from the box to another control of the window and its
    // text reached the column; `byKeyboard` when Tab or Backtab moved it.
    void exited(bool byKeyboard);

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    FieldBinding *m_binding;
};
