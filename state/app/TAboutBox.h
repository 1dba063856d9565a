#pragma once

#include <QDialog>

// The credits of the state module, by role.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);
};
