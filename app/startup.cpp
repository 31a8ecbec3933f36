#include "app/startup.h"

#include "app/main_window.h"
#include "app/program_folder_notice.h"
#include "app/splash.h"

#include <QApplication>
#include <memory>

int runKorvante(QApplication& app) {
    int result = 0;
    {
        // The splash goes away when start-up ends, also when a step fails.
        auto splash = std::make_unique<TForm3>();
        splash->show();
        splash->repaint();
        QCoreApplication::processEvents();

        auto form = std::make_unique<TForm1>();
        form->FormCreate();
        program_folder_notice::report();
        // The other long-lived windows are created by their subsystems in the
        // order TF_kreator, TForm4, TPowiekszenie, TForm6, TUstawienia, TForm8,
        // TForm9, TForm10, TForm11, TForm12, TForm13, TForm15, TForm16, TForm17,
        // TForm20, TForm21, TFormy; each is owned by the main window.
        splash.reset();
        if (form->quitting())
            return 0;
        form->show();
        result = app.exec();
    }
    return result;
}
