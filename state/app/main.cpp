#include "common/StepError.h"
#include "common/Translations.h"
#include "state/StateSchema.h"
#include "state/app/StateApp.h"
#include "state/app/TFormPrincipal.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    bool init = false;
    for (int i = 1; i < argc; ++i)
        init = init || std::strcmp(argv[i], "--init") == 0;
    if (init) {
        // Preparing the working folder needs no display.
        QCoreApplication core(argc, argv);
        try {
            StateSchema::create(StateSchema::fileName);
        } catch (const StepError &e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
        std::printf("Banco de dados %s criado.\n", qPrintable(StateSchema::fileName));
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nubrel2012Estados"));
    Translations::installPortuguese(app);

    std::unique_ptr<StateApp> windows;
    try {
        windows = std::make_unique<StateApp>();
    } catch (const StepError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        // Without a display nobody could answer the message box.
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            QMessageBox::critical(nullptr, QStringLiteral("Nubrel"), e.message());
        return 1;
    }
    TFormPrincipal *window = windows->FormPrincipal;
    window->resize(1000, 640);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->show();
    return app.exec();
}
