#include "common/AppStartup.h"

#include "common/StepError.h"
#include "common/Translations.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstring>

namespace AppStartup {

bool wantsInit(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--init") == 0)
            return true;
    return false;
}

int initDatabase(int &argc, char *argv[], const QString &fileName, const std::function<void(const QString &)> &create)
{
    // Preparing the working folder needs no display.
    QCoreApplication core(argc, argv);
    try {
        create(fileName);
    } catch (const StepError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::printf("Banco de dados %s criado.\n", qPrintable(fileName));
    return 0;
}

void prepare(QApplication &app, const QString &name)
{
    QApplication::setApplicationName(name);
    Translations::installPortuguese(app);
}

bool open(const std::function<void()> &open)
{
    try {
        open();
    } catch (const StepError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        // Without a display nobody could answer the message box.
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            QMessageBox::critical(nullptr, QStringLiteral("Nubrel"), e.message());
        return false;
    }
    return true;
}

} // namespace AppStartup
