#pragma once

#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

// Makes controls findable by their visible caption through the desktop's
// accessibility interface.
namespace Accessibility {

// The label becomes the buddy of the control, and its text the control's accessible name.
void label(QLabel *label, QWidget *control);
// A button that shows a picture only: its hint becomes tool tip and accessible name.
void hint(QAbstractButton *button, const QString &hint);
// Every button below `root` takes the focus from the Tab key only: a click
// leaves the focus, and the pending exit of a box, where they were.
void buttonsFocusedByKeyboardOnly(QWidget *root);

} // namespace Accessibility
