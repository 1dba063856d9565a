#include "state/app/StateApp.h"

#include "common/Dialogs.h"
#include "common/report/ReportEngine.h"
#include "state/KavelReport.h"
#include "state/StateData.h"
#include "state/app/TAboutBox.h"
#include "state/app/TFormAjuda.h"
#include "state/app/TFormPrincipal.h"

StateApp::StateApp()
{
    auto data = std::make_unique<StateData>();
    Data = data.release();
    Data->setParent(this);
    RvSystem1 = new ReportEngine(
        {QStringLiteral("Output Options"), QStringLiteral("Report Status"), QStringLiteral("Report Preview")});
    RvSystem1->addReport(QStringLiteral("Report1"),
                         [this] { return std::make_unique<KavelReport>(*Data->ADOQueryKavel); });
    FormPrincipal = new TFormPrincipal(*Data, *RvSystem1);
    AboutBox = new TAboutBox(FormPrincipal);
    FormAjuda = new TFormAjuda;
    connect(FormPrincipal, &TFormPrincipal::helpRequested, FormAjuda, &QWidget::show);
    connect(FormPrincipal, &TFormPrincipal::creditsRequested, this,
            [this] { Dialogs::choose(AboutBox->windowTitle(), [this] { return QVariant(AboutBox->exec()); }); });
}

StateApp::~StateApp()
{
    delete FormAjuda;
    delete FormPrincipal; // owns the credits window
    delete RvSystem1;
    delete Data;
}
