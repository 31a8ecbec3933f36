#pragma once
// What the transfers remember between one handler and the next: the batch
// that runs, the download queue and the choice of what follows a transfer.
// The main window owns it as a child, so Qt deletes it with the window.

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>

class TransferState : public QObject {
public:
    explicit TransferState(QObject* parent) : QObject(parent) {}

    int64_t currentFileSize = 0;  // SIZE of the file being downloaded; -1 refused
    int selectedCount = 0;        // entries of the running batch
    bool transferRunning = false; // a batch runs: no second one on the connection

    // The download queue, one entry per position: the remote folder (with its
    // closing slash), the file name, and the size text the queue editor shows.
    QStringList lista_bufor, lista_bufor2, lista_bufor3;

    // The after-transfer choice of the progress window: "0" nothing, "1"
    // disconnect, "2" close the program, "3" shut the computer down.
    QString spr2 = QStringLiteral("0");
};
