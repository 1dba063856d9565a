#pragma once

#include <QString>

class BoundLineEdit;
class DataSource;
class QGridLayout;
class QWidget;

// Builds the rows of label and bound box of the work window's pages.
namespace PageForms {

// A bound box under its label in the next row of `grid`. A computed box is
// read only, shown green and skipped by the Tab key.
BoundLineEdit *addBox(QGridLayout *grid, QWidget *parent, const QString &caption, DataSource *source,
                      const QString &field, bool computed);

} // namespace PageForms
