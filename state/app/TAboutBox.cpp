#include "state/app/TAboutBox.h"

#include "state/app/StateArtwork.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("font-weight: bold; margin-top: 8px;"));
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Créditos"));
    setModal(true);
    auto *layout = new QHBoxLayout(this);
    auto *picture = new QLabel(this);
    picture->setPixmap(StateArtwork::logo(96));
    picture->setAlignment(Qt::AlignTop);
    layout->addWidget(picture);

    auto *text = new QVBoxLayout;
    auto *product = new QLabel(QStringLiteral("Nubrel 2012"), this);
    product->setStyleSheet(QStringLiteral("font-size: 20pt; font-weight: bold;"));
    text->addWidget(product);
    text->addWidget(new QLabel(QStringLiteral("Versão 1.00"), this));
    text->addWidget(heading(QStringLiteral("Organização :"), this));
    text->addWidget(new QLabel(QStringLiteral("Coordenação estadual de vigilância ambiental"), this));
    text->addWidget(heading(QStringLiteral("Colaboradores :"), this));
    text->addWidget(new QLabel(QStringLiteral("Equipes de entomologia e de estatística"), this));
    text->addWidget(new QLabel(QStringLiteral("Equipes municipais de controle de vetores"), this));
    text->addWidget(heading(QStringLiteral("Desenvolvimento :"), this));
    text->addWidget(new QLabel(QStringLiteral("Equipe Nubrel"), this));
    auto *word = new QLabel(QStringLiteral("Estados"), this);
    word->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold; color: teal;"));
    text->addWidget(word, 0, Qt::AlignRight);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    text->addWidget(ok, 0, Qt::AlignRight);
    layout->addLayout(text);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
