#pragma once

#include "common/CreditsDialog.h"

// The credits of the state module, by role.
class TAboutBox : public CreditsDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);
};
