#include "app/shortcuts_window.h"

#include "app/language.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Polish in both languages, as the program has always shown them.
const char* const kLines[] = {
    "               Skróty klawiszowe programu KORVANTE",
    "",
    "[Del]        - Usunięcie pliku na FTP jak i lokalnym komputerze",
    "[F1]          - Pomoc",
    "[F2]          - Nowy serwer FTP",
    "[F3]          - Edycja serwera FTP",
    "[F4]          - Otwórz/Uruchom plik na lokalnym komputerze",
    "[F5]          - Połącz do serwera FTP",
    "[F6]          - Wyślij plik(i) na serwer FTP",
    "[F7]          - Ściągnij plik(i) z serwera FTP",
    "[F8]          - Nowy katalog na lokalnym komputerze",
    "[F9]          - Nowy katalog na serwerze FTP",
    "[Esc]        - Zamknięcie aktywnego okna",
    "[Alt + F4]  - Zamknij program",
};
} // namespace

TSkroty::TSkroty(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TSkroty"));
    setWindowTitle(QStringLiteral("Skróty klawiszowe"));
    resize(460, 340);
    auto* column = new QVBoxLayout(this);
    lista = new QListWidget(this);
    lista->setObjectName(QStringLiteral("lista"));
    QFont bold = lista->font();
    bold.setBold(true);
    lista->setFont(bold);
    for (const char* line : kLines)
        lista->addItem(QString::fromUtf8(line));
    column->addWidget(lista, 1);
    auto* buttons = new QHBoxLayout;
    pomoc = new QPushButton(QStringLiteral("Pomoc"), this);
    pomoc->setObjectName(QStringLiteral("pomoc"));
    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(pomoc);
    buttons->addWidget(OK);
    column->addLayout(buttons);
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(pomoc, &QPushButton::clicked, this, [this] {
        emit helpRequested();
        accept();
    });
}

void TSkroty::showEvent(QShowEvent* event) {
    const bool polish = languageFlag() == 1;
    setWindowTitle(polish ? QStringLiteral("Skróty klawiszowe") : QStringLiteral("ShortCut"));
    pomoc->setText(polish ? QStringLiteral("Pomoc") : QStringLiteral("Help"));
    QDialog::showEvent(event);
}
