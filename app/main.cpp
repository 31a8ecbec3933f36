// KORVANTE: program entry. No arguments are read.

#include "app/main_window.h"
#include "app/splash.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KORVANTE"));
    QApplication::setApplicationDisplayName(QStringLiteral("KORVANTE 2.5.5"));
    return runKorvante(app);
}
