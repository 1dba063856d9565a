#pragma once

class QCoreApplication;

// Loads Qt's own Portuguese (Brazil) texts, so standard buttons and dialogs
// read "Sim", "Não", "Cancelar". Returns false when they are not installed.
namespace Translations {
bool installPortuguese(QCoreApplication &app);
}
