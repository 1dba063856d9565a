#include "common/InstanceLock.h"
#include "common/StepError.h"
#include "common/Translations.h"
#include "municipal/app/MunicipalApp.h"
#include "municipal/app/TFormPrincipal.h"
#include "municipal/data/MunicipalSchema.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    bool init = false;
    for (int i = 1; i < argc; ++i)
        init = init || std::strcmp(argv[i], "--init") == 0;
    if (init) {
        // Preparing the working folder needs no display.
        QCoreApplication core(argc, argv);
        try {
            MunicipalSchema::create(MunicipalSchema::fileName);
        } catch (const StepError &e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
        std::printf("Banco de dados %s criado.\n", qPrintable(MunicipalSchema::fileName));
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nubrel2012Municipios"));
    Translations::installPortuguese(app);

    std::unique_ptr<InstanceLock> lock;
    std::unique_ptr<MunicipalApp> windows;
    try {
        // The municipality module is single-user: one program per database file.
        lock = std::make_unique<InstanceLock>(MunicipalSchema::fileName);
        windows = std::make_unique<MunicipalApp>();
    } catch (const StepError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        // Without a display nobody could answer the message box.
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            QMessageBox::critical(nullptr, QStringLiteral("Nubrel"), e.message());
        return 1;
    }
    windows->FormPrincipal->show();
    return app.exec();
}
