#include "common/CreditsDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CreditsDialog::CreditsDialog(const QPixmap &logo, const QString &product, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Créditos"));
    auto *layout = new QHBoxLayout(this);
    auto *picture = new QLabel(this);
    picture->setPixmap(logo);
    picture->setAlignment(Qt::AlignTop);
    layout->addWidget(picture);

    m_text = new QVBoxLayout;
    layout->addLayout(m_text);
    auto *name = new QLabel(product, this);
    name->setStyleSheet(QStringLiteral("font-size: 20pt; font-weight: bold;"));
    m_text->addWidget(name);
}

void CreditsDialog::addLine(const QString &text)
{
    m_text->addWidget(new QLabel(text, this));
}

void CreditsDialog::addHeading(const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setStyleSheet(QStringLiteral("font-weight: bold; margin-top: 8px;"));
    m_text->addWidget(label);
}

void CreditsDialog::addWidget(QWidget *widget, Qt::Alignment alignment)
{
    m_text->addWidget(widget, 0, alignment);
}

void CreditsDialog::addOkButton()
{
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    m_text->addWidget(ok, 0, Qt::AlignRight);
}
