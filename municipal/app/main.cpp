#include "common/AppStartup.h"
#include "common/InstanceLock.h"
#include "municipal/app/MunicipalApp.h"
#include "municipal/app/TFormPrincipal.h"
#include "municipal/data/MunicipalSchema.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    if (AppStartup::wantsInit(argc, argv))
        return AppStartup::initDatabase(argc, argv, MunicipalSchema::fileName, MunicipalSchema::create);

    QApplication app(argc, argv);
    AppStartup::prepare(app, QStringLiteral("Nubrel2012Municipios"));

    std::unique_ptr<InstanceLock> lock;
    std::unique_ptr<MunicipalApp> windows;
    const bool opened = AppStartup::open([&] {
        // The municipality module is single-user: one program per database file.
        lock = std::make_unique<InstanceLock>(MunicipalSchema::fileName);
        windows = std::make_unique<MunicipalApp>();
    });
    if (!opened)
        return 1;
    windows->FormPrincipal->show();
    return app.exec();
}
