#pragma once

#include <QString>

class BoundLineEdit;
class DataSource;
class QBoxLayout;
class QGridLayout;
class QPushButton;
class QWidget;

// Pieces shared by the pages "Entrada de dados" and "Índices".
namespace ResultsPageParts {

// A read-only box of a computed column under its caption, in the next column of `row`.
BoundLineEdit *addComputedBox(QGridLayout *grid, int row, QWidget *parent, const QString &caption, DataSource *source,
                              const QString &field);

// A button that belongs to another part of the program: shown, disabled until it is wired.
QPushButton *addButton(QBoxLayout *layout, QWidget *parent, const QString &caption, bool enabled = true);

} // namespace ResultsPageParts
