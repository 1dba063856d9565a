#include "municipal/results/ResultsPageParts.h"

#include "common/Accessibility.h"
#include "common/BoundLineEdit.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace ResultsPageParts {

BoundLineEdit *addComputedBox(QGridLayout *grid, int row, QWidget *parent, const QString &caption, DataSource *source,
                              const QString &field)
{
    auto *label = new QLabel(caption, parent);
    auto *box = new BoundLineEdit(parent);
    box->bind(source, field);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    Accessibility::label(label, box);
    int column = 0;
    while (grid->itemAtPosition(row, column))
        ++column;
    grid->addWidget(label, row, column);
    grid->addWidget(box, row + 1, column);
    return box;
}

QPushButton *addButton(QBoxLayout *layout, QWidget *parent, const QString &caption, bool enabled)
{
    auto *button = new QPushButton(caption, parent);
    button->setEnabled(enabled);
    layout->addWidget(button);
    return button;
}

} // namespace ResultsPageParts
