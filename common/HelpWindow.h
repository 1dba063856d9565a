#pragma once

#include <QWidget>

class QPlainTextEdit;

// A window of its own that shows a program's instructions, read-only.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    QString helpText() const;

protected:
    HelpWindow(const QString &text, const QSize &size, QWidget *parent);
    QPlainTextEdit *textBox() const { return m_text; }

private:
    QPlainTextEdit *m_text;
};
