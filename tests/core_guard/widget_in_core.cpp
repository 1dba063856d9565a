// Compiled by the core guard test with a core library's include path: it must not build.
#include <QWidget>
