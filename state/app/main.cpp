#include "common/AppStartup.h"
#include "state/StateSchema.h"
#include "state/app/StateApp.h"
#include "state/app/TFormPrincipal.h"
#include "state/cli/StateCommandLine.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTextStream>

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

    if (AppStartup::wantsInit(argc, argv))
        return AppStartup::initDatabase(argc, argv, StateSchema::fileName, StateSchema::create);

    QApplication app(argc, argv);
    AppStartup::prepare(app, QStringLiteral("Nubrel2012Estados"));

    std::unique_ptr<StateApp> windows;
    if (!AppStartup::open([&] { windows = std::make_unique<StateApp>(); }))
        return 1;
    TFormPrincipal *window = windows->FormPrincipal;
    window->resize(1000, 640);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->show();
    return app.exec();
}
