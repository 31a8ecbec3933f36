#pragma once
// What the server directory remembers between commands: the open category,
// the loaded server lines, the last selection and the incremental search.
// The main window holds it (and deletes it as its child); only the server
// directory's own code reads it.

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class ServerDirectoryState : public QObject {
public:
    explicit ServerDirectoryState(QObject* window) : QObject(window) {}

    // The open category always names the list shown (0..7 one category, 8
    // the all-servers view); it starts as the start category.
    int openCategory = 0;
    bool allServersShown = false; // the all-servers view is open
    // The loaded server lines; ListBox2Category[i] is the category whose file
    // holds ListBox2[i]. Every ftp_lista row carries the position of its own
    // line, so sorting never separates a server from its line.
    QStringList ListBox2;
    QList<int> ListBox2Category;
    int selectedServerCategory = 8; // the file of the server selected last; 8 = none
    bool serverListSorted = false;
    QString edit_drukuj; // the report the print command prints
    // Incremental search: typed text, compare length, position in ftp_lista.
    QString szukajTekst;
    int szukajDlugosc = 1;
    int szukajPozycja = 0;
};
