#include "municipal/app/TCreditos.h"

#include "municipal/app/Artwork.h"

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

TCreditos::TCreditos(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Créditos"));
    auto *layout = new QHBoxLayout(this);
    auto *picture = new QLabel(this);
    picture->setPixmap(Artwork::logo(96));
    picture->setAlignment(Qt::AlignTop);
    layout->addWidget(picture);

    auto *text = new QVBoxLayout;
    auto *product = new QLabel(QStringLiteral("Nubrel"), this);
    product->setStyleSheet(QStringLiteral("font-size: 20pt; font-weight: bold;"));
    text->addWidget(product);
    text->addWidget(new QLabel(QStringLiteral("Versão 1.2"), this));
    text->addWidget(new QLabel(QStringLiteral("Kavel - Pelvane"), this));

    text->addWidget(heading(QStringLiteral("Tecnologia elaborada por :"), this));
    const QStringList contributors = {
        QStringLiteral("Equipe de entomologia — laboratório de referência em vetores"),
        QStringLiteral("Equipe de estatística — núcleo de amostragem em saúde"),
        QStringLiteral("Equipe de vigilância ambiental — coordenação estadual"),
        QStringLiteral("Equipe de controle de vetores — secretarias municipais de saúde"),
    };
    for (const QString &c : contributors)
        text->addWidget(new QLabel(c, this));

    text->addWidget(heading(QStringLiteral("Coordenação do Programa Nacional de Controle :"), this));
    text->addWidget(new QLabel(QStringLiteral("Coordenação nacional do programa de controle de vetores"), this));

    text->addWidget(heading(QStringLiteral("Desenvolvimento do Sistema"), this));
    text->addWidget(new QLabel(QStringLiteral("Equipe Nubrel"), this));

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    text->addWidget(ok, 0, Qt::AlignRight);
    layout->addLayout(text);
}
