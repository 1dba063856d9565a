#pragma once

#include <QWidget>

class QPlainTextEdit;

// The instructions for using the state module.
class TFormAjuda : public QWidget
{
    Q_OBJECT

public:
    explicit TFormAjuda(QWidget *parent = nullptr);
    QString helpText() const;

private:
    QPlainTextEdit *m_text;
};
