#pragma once

#include "common/CreditsDialog.h"

// Who made the system, by role.
class TCreditos : public CreditsDialog
{
    Q_OBJECT

public:
    explicit TCreditos(QWidget *parent = nullptr);
};
