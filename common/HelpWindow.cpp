#include "common/HelpWindow.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString &text, const QSize &size, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Ajuda"));
    resize(size);
    auto *layout = new QVBoxLayout(this);
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setPlainText(text);
    m_text->setAccessibleName(QStringLiteral("Ajuda"));
    layout->addWidget(m_text);
}

QString HelpWindow::helpText() const
{
    return m_text->toPlainText();
}
