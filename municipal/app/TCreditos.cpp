#include "municipal/app/TCreditos.h"

#include "municipal/app/Artwork.h"

#include <QStringList>

TCreditos::TCreditos(QWidget *parent) : CreditsDialog(Artwork::logo(96), QStringLiteral("Nubrel"), parent)
{
    addLine(QStringLiteral("Versão 1.2"));
    addLine(QStringLiteral("Kavel - Pelvane"));

    addHeading(QStringLiteral("Tecnologia elaborada por :"));
    const QStringList contributors = {
        QStringLiteral("Equipe de entomologia — laboratório de referência em vetores"),
        QStringLiteral("Equipe de estatística — núcleo de amostragem em saúde"),
        QStringLiteral("Equipe de vigilância ambiental — coordenação estadual"),
        QStringLiteral("Equipe de controle de vetores — secretarias municipais de saúde"),
    };
    for (const QString &c : contributors)
        addLine(c);

    addHeading(QStringLiteral("Coordenação do Programa Nacional de Controle :"));
    addLine(QStringLiteral("Coordenação nacional do programa de controle de vetores"));

    addHeading(QStringLiteral("Desenvolvimento do Sistema"));
    addLine(QStringLiteral("Equipe Nubrel"));

    addOkButton();
}
