#pragma once

#include "common/HelpWindow.h"

// The instructions for using the state module.
class TFormAjuda : public HelpWindow
{
    Q_OBJECT

public:
    explicit TFormAjuda(QWidget *parent = nullptr);
};
