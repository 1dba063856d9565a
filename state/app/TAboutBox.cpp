#include "state/app/TAboutBox.h"

#include "state/app/StateArtwork.h"

#include <QLabel>
#include <QLayout>

TAboutBox::TAboutBox(QWidget *parent) : CreditsDialog(StateArtwork::logo(96), QStringLiteral("Nubrel 2012"), parent)
{
    setModal(true);
    addLine(QStringLiteral("Versão 1.00"));
    addHeading(QStringLiteral("Organização :"));
    addLine(QStringLiteral("Coordenação estadual de vigilância ambiental"));
    addHeading(QStringLiteral("Colaboradores :"));
    addLine(QStringLiteral("Equipes de entomologia e de estatística"));
    addLine(QStringLiteral("Equipes municipais de controle de vetores"));
    addHeading(QStringLiteral("Desenvolvimento :"));
    addLine(QStringLiteral("Equipe Nubrel"));
    auto *word = new QLabel(QStringLiteral("Estados"), this);
    word->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold; color: teal;"));
    addWidget(word, Qt::AlignRight);

    addOkButton();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}
