#include "common/StepError.h"
#include "common/Translations.h"
#include "state/StateSchema.h"
#include "state/app/StateApp.h"
#include "state/app/TFormPrincipal.h"
#include "state/cli/StateCommandLine.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// A subcommand runs without a window; the report only needs fonts, which the
// offscreen platform gives without a display.
int runCommand(int argc, char *argv[], const QStringList &arguments)
{
    std::unique_ptr<QCoreApplication> app;
    if (StateCommandLine::needsGui(arguments)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    return StateCommandLine::run(arguments, out, err);
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (StateCommandLine::isCommand(arguments))
        return runCommand(argc, argv, arguments);

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
