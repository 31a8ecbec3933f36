#pragma once
// Program entry steps: splash, the main window and the long-lived windows in
// their fixed order, then the message loop.

class QApplication;

int runKorvante(QApplication& app);
