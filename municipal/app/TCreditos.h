#pragma once

#include <QDialog>

// Who made the system, by role.
class TCreditos : public QDialog
{
    Q_OBJECT

public:
    explicit TCreditos(QWidget *parent = nullptr);
};
