#pragma once

#include <QObject>

class ReportEngine;
class StateData;
class TAboutBox;
class TFormAjuda;
class TFormPrincipal;

// The state module's main window with its connection and result set, the
// credits and help windows (hidden) and the report engine.
class StateApp : public QObject
{
    Q_OBJECT

public:
    // Throws StepError when the database cannot be opened.
    StateApp();
    ~StateApp() override;

    StateData *Data;
    ReportEngine *RvSystem1;
    TFormPrincipal *FormPrincipal;
    TAboutBox *AboutBox;
    TFormAjuda *FormAjuda;
};
