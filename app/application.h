#pragma once
// The application object of KORVANTE: every event is dispatched through it,
// so an error that no handler caught ends in the error box, not the program.

#include <QApplication>

class TKorvanteApplication : public QApplication {
public:
    TKorvanteApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The application's name and the settings every run starts from. No display
// name: the desktop would append it to every window title.
void prepareApplication();
