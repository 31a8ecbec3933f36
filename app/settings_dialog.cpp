#include "app/settings_dialog.h"

#include "app/access_password.h"
#include "app/config_file.h"
#include "app/language.h"
#include "app/settings_dialog_logic.h"
#include "app/settings_texts.h"
#include "app/shell_texts.h"
#include "local/folder_chooser.h"
#include "platform/colors.h"
#include "platform/paths.h"
#include "platform/services.h"

#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace texts = settings_texts;
using platform::DlgButtons;
using platform::DlgType;
using platform::services;

namespace {

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// One switchable text of the dialog: the control's name, its design (Polish)
// text, its English text, and the member it goes on.
struct DialogCaption {
    const char* name;
    const char* pl;
    const char* en;
    void (*apply)(TUstawienia& dialog, const QString& caption);
};

void show(QAbstractButton* button, const QString& caption) {
    button->setText(caption);
}
void show(QLabel* label, const QString& caption) {
    label->setText(caption);
}
template <auto control> void text(TUstawienia& dialog, const QString& caption) {
    show(dialog.*control, caption);
}
template <int index> void page(TUstawienia& dialog, const QString& caption) {
    dialog.PageControl1->setTabText(index, caption);
}
void windowTitle(TUstawienia& dialog, const QString& caption) {
    dialog.setWindowTitle(caption);
}

const DialogCaption kDialogCaptions[] = {
    {"TUstawienia", "Ustawienia programu", "Options...", windowTitle},
    {"lbl_uwaga", "Niektóre nowe ustawienia będą aktywne po ponownym uruchomieniu programu",
     "Some new configuration, after reboot program again", text<&TUstawienia::lbl_uwaga>},
    {"Zastosuj", "Zastosuj", "Save", text<&TUstawienia::Zastosuj>},
    {"Anuluj", "Anuluj", "Cancel", text<&TUstawienia::Anuluj>},
    {"PageControl1#0", "Uruchomienie", "Run program", page<0>},
    {"PageControl1#1", "FTP", "FTP", page<1>},
    {"PageControl1#2", "Język", "Leanguage", page<2>},
    {"PageControl1#3", "Kolory", "Colors", page<3>},
    {"PageControl1#4", "Inne", "Other", page<4>},
    {"PageControl1#5", "Kategorie", "Category", page<5>},
    {"r_max2", "Uruchamiaj w postani zmaksymilizowanej", "Running program maximized",
     text<&TUstawienia::r_max2>},
    {"r_n2", "Uruchamiaj w postaci normalnej", "Running program normal", text<&TUstawienia::r_n2>},
    {"Label1", "Zawsze uruchamiaj z tej lokalizacji", "Always run this location",
     text<&TUstawienia::Label1>},
    {"zmien_katalog", "Zmień domyślny katalog", "Change default directory",
     text<&TUstawienia::zmien_katalog>},
    {"pas2", "Przy połączeniu używaj trybu pasywnego", "Use passive mode",
     text<&TUstawienia::pas2>},
    {"trasa2", "Wyświetlaj dialog z serwerem FTP (trasa routingu)", "Show trace routing table",
     text<&TUstawienia::trasa2>},
    {"ukryj_pass", "Przy połączeniu ukrywaj hasło użytkownika", "On the connect hide User password",
     text<&TUstawienia::ukryj_pass>},
    {"blad_pol", "Przy zerwanym połączeniu automatycznie łącz się z danym serwerem...",
     "If dowlanding error or break, automatic connect with This server...",
     text<&TUstawienia::blad_pol>},
    {"r_okno3", "Pokazuj w oknie tylko listę serwerów FTP", "Show only FTP server list",
     text<&TUstawienia::r_okno3>},
    {"r_okno4", "Pokazuj w oknie zarówno serwery jak i katalogi FTP",
     "Show directory list And FTP servers", text<&TUstawienia::r_okno4>},
    {"r_polski2", "Polski", "Polish", text<&TUstawienia::r_polski2>},
    {"r_angielski2", "Angielski", "English", text<&TUstawienia::r_angielski2>},
    {"lbl_okno", "Kolor kontrolek:", "Color All controls", text<&TUstawienia::lbl_okno>},
    {"zmiana_okno", "Zmień->", "Change->", text<&TUstawienia::zmiana_okno>},
    {"lbl_text2", "Kolor tekstu:", "Color text", text<&TUstawienia::lbl_text2>},
    {"zmiana_text", "Zmień->", "Change->", text<&TUstawienia::zmiana_text>},
    {"Button1", "Domyślne kolory", "Default colors", text<&TUstawienia::Button1>},
    {"CheckBox1", "Zabezpiecz program hasłem", "Securite password of program",
     text<&TUstawienia::CheckBox1>},
    {"lbl_haslo", "Wpisz hasło:", "Write password:", text<&TUstawienia::lbl_haslo>},
    {"usun_haslo", "Usuń hasło", "Delete password", text<&TUstawienia::usun_haslo>},
    {"usun_error", "Usuń zapis automatycznego łączenia przy przerwanym ściąganiu...",
     "Delete saved automatic connect by dowland break or error", text<&TUstawienia::usun_error>},
    {"domyslne", "Zastosuj ustawienia wbudowane", "Load builded options",
     text<&TUstawienia::domyslne>},
    {"Label3", "Uruchamiaj listę serwerów zawsze z kategorii",
     "Always run server list on this category", text<&TUstawienia::Label3>},
    {"lbl_kat", "Wybrana kategoria", "Checked category", text<&TUstawienia::lbl_kat>},
    {"kreator", "Przed uruchomieniem, pytaj którą kategorię chcę wybrać",
     "Before run, ask whos opened category", text<&TUstawienia::kreator>},
};

} // namespace

TUstawienia::TUstawienia(TFormy& chooser, QWidget* parent) : QDialog(parent), chooser_(chooser) {
    setObjectName(QStringLiteral("TUstawienia"));
    setModal(true);
    // Fixed size, no border icons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    lbl_uwaga = named(new QLabel, "lbl_uwaga");
    lbl_uwaga->setStyleSheet(QStringLiteral("color: blue;"));
    PageControl1 = named(new QTabWidget, "PageControl1");
    Zastosuj = named(new QPushButton, "Zastosuj");
    Anuluj = named(new QPushButton, "Anuluj");
    buildPages();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Zastosuj);
    buttons->addWidget(Anuluj);
    auto* column = new QVBoxLayout(this);
    column->addWidget(lbl_uwaga);
    column->addWidget(PageControl1);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);

    connect(Zastosuj, &QPushButton::clicked, this, &TUstawienia::ZastosujClick);
    connect(Anuluj, &QPushButton::clicked, this, &TUstawienia::AnulujClick);
    connect(domyslne, &QPushButton::clicked, this, &TUstawienia::domyslneClick);
    connect(zmiana_okno, &QPushButton::clicked, this, &TUstawienia::zmiana_oknoClick);
    connect(zmiana_text, &QPushButton::clicked, this, &TUstawienia::zmiana_textClick);
    connect(Button1, &QPushButton::clicked, this, &TUstawienia::Button1Click);
    connect(lista, &QListWidget::itemClicked, this, &TUstawienia::listaClick);
    connect(lista, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            listaClick();
    });
    // Only the user's clicks run these: activation sets the boxes quietly.
    connect(kreator, &QCheckBox::clicked, this, &TUstawienia::kreatorClick);
    connect(CheckBox1, &QCheckBox::clicked, this, &TUstawienia::CheckBox1Click);
    connect(haslo, &QLineEdit::textChanged, this, &TUstawienia::hasloChange);
    connect(usun_haslo, &QPushButton::clicked, this, &TUstawienia::usun_hasloClick);
    connect(zmien_katalog, &QPushButton::clicked, this, &TUstawienia::zmien_katalogClick);
    connect(usun_error, &QPushButton::clicked, this, &TUstawienia::usun_errorClick);

    applyCaptions(1);
}

void TUstawienia::buildPages() {
    auto page = [this](const char* name) {
        auto* widget = named(new QWidget, name);
        PageControl1->addTab(widget, QString());
        return new QVBoxLayout(widget);
    };

    QVBoxLayout* start = page("TabSheet1");
    r_max2 = named(new QRadioButton, "r_max2");
    r_n2 = named(new QRadioButton, "r_n2");
    r_n2->setChecked(true);
    Label1 = named(new QLabel, "Label1");
    lokalizacja = named(new QLineEdit, "lokalizacja");
    lokalizacja->setReadOnly(true);
    lokalizacja->setMinimumWidth(360);
    zmien_katalog = named(new QPushButton, "zmien_katalog");
    auto* windowState = new QGroupBox;
    auto* windowStateRows = new QVBoxLayout(windowState);
    windowStateRows->addWidget(r_max2);
    windowStateRows->addWidget(r_n2);
    start->addWidget(windowState);
    start->addWidget(Label1);
    start->addWidget(lokalizacja);
    start->addWidget(zmien_katalog, 0, Qt::AlignLeft);
    start->addStretch();

    QVBoxLayout* ftp = page("TabSheet2");
    pas2 = named(new QCheckBox, "pas2");
    trasa2 = named(new QCheckBox, "trasa2");
    ukryj_pass = named(new QCheckBox, "ukryj_pass");
    ukryj_pass->setChecked(true);
    blad_pol = named(new QCheckBox, "blad_pol");
    r_okno3 = named(new QRadioButton, "r_okno3");
    r_okno4 = named(new QRadioButton, "r_okno4");
    r_okno3->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{pas2, trasa2, ukryj_pass, blad_pol})
        ftp->addWidget(w);
    auto* layout = new QGroupBox;
    auto* layoutRows = new QVBoxLayout(layout);
    layoutRows->addWidget(r_okno3);
    layoutRows->addWidget(r_okno4);
    ftp->addWidget(layout);
    ftp->addStretch();

    QVBoxLayout* language = page("TabSheet3");
    r_polski2 = named(new QRadioButton, "r_polski2");
    r_angielski2 = named(new QRadioButton, "r_angielski2");
    r_polski2->setChecked(true);
    language->addWidget(r_polski2);
    language->addWidget(r_angielski2);
    language->addStretch();

    QVBoxLayout* colours = page("TabSheet4");
    lbl_okno = named(new QLabel, "lbl_okno");
    zmiana_okno = named(new QPushButton, "zmiana_okno");
    lbl_edit = named(new QLabel, "lbl_edit");
    lbl_text2 = named(new QLabel, "lbl_text2");
    zmiana_text = named(new QPushButton, "zmiana_text");
    lbl_text = named(new QLabel, "lbl_text");
    kolor_edit = named(new QLineEdit, "kolor_edit");
    kolor_edit2 = named(new QLineEdit, "kolor_edit2");
    Button1 = named(new QPushButton, "Button1");
    for (QLabel* sample : {lbl_edit, lbl_text}) {
        sample->setAutoFillBackground(true);
        sample->setFrameShape(QFrame::Box);
        sample->setFixedSize(80, 22);
    }
    auto* grid = new QGridLayout;
    grid->addWidget(lbl_okno, 0, 0);
    grid->addWidget(zmiana_okno, 0, 1);
    grid->addWidget(lbl_edit, 0, 2);
    grid->addWidget(lbl_text2, 1, 0);
    grid->addWidget(zmiana_text, 1, 1);
    grid->addWidget(lbl_text, 1, 2);
    colours->addLayout(grid);
    colours->addWidget(kolor_edit);
    colours->addWidget(kolor_edit2);
    kolor_edit->hide();
    kolor_edit2->hide();
    colours->addWidget(Button1, 0, Qt::AlignLeft);
    colours->addStretch();

    QVBoxLayout* other = page("TabSheet5");
    CheckBox1 = named(new QCheckBox, "CheckBox1");
    lbl_haslo = named(new QLabel, "lbl_haslo");
    haslo = named(new QLineEdit, "haslo");
    haslo->setEchoMode(QLineEdit::Password);
    haslo->setEnabled(false);
    usun_haslo = named(new QPushButton, "usun_haslo");
    usun_haslo->setEnabled(false);
    usun_error = named(new QPushButton, "usun_error");
    domyslne = named(new QPushButton, "domyslne");
    QFont bold = domyslne->font();
    bold.setBold(true);
    domyslne->setFont(bold);
    auto* passwordRow = new QHBoxLayout;
    passwordRow->addWidget(lbl_haslo);
    passwordRow->addWidget(haslo, 1);
    passwordRow->addWidget(usun_haslo);
    other->addWidget(CheckBox1);
    other->addLayout(passwordRow);
    other->addWidget(usun_error, 0, Qt::AlignLeft);
    other->addWidget(domyslne, 0, Qt::AlignLeft);
    other->addStretch();

    QVBoxLayout* categories = page("TabSheet6");
    Label3 = named(new QLabel, "Label3");
    lista = named(new QListWidget, "lista");
    for (int code = 0; code <= 8; ++code)
        lista->addItem(settings::categoryLabel(code));
    lbl_kat = named(new QLabel, "lbl_kat");
    lbl_kat2 = named(new QLabel, "lbl_kat2");
    lbl_kat2->setFont(bold);
    lbl_kat2->setStyleSheet(QStringLiteral("color: navy;"));
    kreator = named(new QCheckBox, "kreator");
    auto* chosenRow = new QHBoxLayout;
    chosenRow->addWidget(lbl_kat);
    chosenRow->addWidget(lbl_kat2, 1);
    categories->addWidget(Label3);
    categories->addWidget(lista);
    categories->addLayout(chosenRow);
    categories->addWidget(kreator);

    // Each field is named by its label, for screen readers too.
    Label1->setBuddy(lokalizacja);
    lbl_okno->setBuddy(zmiana_okno);
    lbl_text2->setBuddy(zmiana_text);
    lbl_haslo->setBuddy(haslo);
    Label3->setBuddy(lista);
}

void TUstawienia::applyCaptions(int flag) {
    // Polish is the design; English when the flag is not 1. Both are set, so
    // a switch back to Polish in the same run is shown too.
    for (const DialogCaption& row : kDialogCaptions)
        row.apply(*this, QString::fromUtf8(flag == 1 ? row.pl : row.en));
}

void TUstawienia::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TUstawienia::FormActivate() {
    outcome_ = SettingsDialogOutcome{};
    readKonfIntoControls();
    usun_haslo->setEnabled(access_password::isSet());
    platform::applyFieldColors({haslo, lokalizacja, lista}, fieldBackground, fieldText);
    applyCaptions(languageFlag());
}

void TUstawienia::readKonfIntoControls() {
    Settings file;
    const config::KonfRead read =
        config::readKonf(platform::programFile(QStringLiteral("konf.dat")), file);
    if (!read.exists)
        return; // the controls keep what they show
    // A line that is not a number ends the reading; the lines after it leave
    // their controls as they are.
    using config::KonfLine;
    auto has = [&read](KonfLine line) { return read.reached(line); };
    if (has(KonfLine::StartMaximised))
        (file.startMaximised ? r_max2 : r_n2)->setChecked(true);
    if (has(KonfLine::PassiveMode))
        pas2->setChecked(file.passiveMode);
    if (has(KonfLine::ServerListOnly))
        (file.serverListOnly ? r_okno3 : r_okno4)->setChecked(true);
    if (has(KonfLine::LogPane))
        trasa2->setChecked(file.logPane);
    if (has(KonfLine::Language))
        (file.polish() ? r_polski2 : r_angielski2)->setChecked(true);
    if (has(KonfLine::FieldBackground))
        showColour(lbl_edit, kolor_edit, file.fieldBackground);
    if (has(KonfLine::FieldText))
        showColour(lbl_text, kolor_edit2, file.fieldText);
    if (has(KonfLine::HidePasswordInLog))
        ukryj_pass->setChecked(file.hidePasswordInLog);
    if (has(KonfLine::StartCategory))
        showCategory(file.startCategory);
    if (has(KonfLine::AutoReconnect)) {
        blad_pol->setChecked(file.autoReconnect);
        outcome_.autoReconnectInFile = file.autoReconnect;
    }
    if (!read.badLine)
        lokalizacja->setText(file.defaultFolder);
    else
        services().messageDlg(lang::pick(shell_texts::kKonfBadLine, languageFlag())
                                  .arg(read.badLine)
                                  .arg(read.badText),
                              DlgType::Error, DlgButtons::Ok);
}

void TUstawienia::showColour(QLabel* sample, QLineEdit* field, int value) {
    QPalette palette = sample->palette();
    palette.setColor(QPalette::Window, platform::colorFromValue(value));
    sample->setPalette(palette);
    field->setText(QString::number(value));
}

void TUstawienia::showCategory(int code) {
    const QString label = settings::categoryLabel(code);
    if (!label.isEmpty())
        lbl_kat2->setText(label);
    kreator->setChecked(code == settings::kAskAtStart);
    lista->setEnabled(!kreator->isChecked());
    const QSignalBlocker quiet(lista);
    lista->setCurrentRow(code >= 0 && code < lista->count() ? code : -1);
}

void TUstawienia::listaClick() {
    if (QListWidgetItem* item = lista->currentItem())
        lbl_kat2->setText(item->text());
}

void TUstawienia::kreatorClick() {
    const int code = kreator->isChecked() ? settings::kAskAtStart : 8;
    lbl_kat2->setText(settings::categoryLabel(code));
    lista->setEnabled(!kreator->isChecked());
    const QSignalBlocker quiet(lista);
    lista->setCurrentRow(code < lista->count() ? code : -1);
}

void TUstawienia::zmiana_oknoClick() {
    const int current = settings::colourOrDefault(kolor_edit->text(), settings::kBuiltInBackground);
    if (const std::optional<int32_t> chosen = services().chooseColor(current))
        showColour(lbl_edit, kolor_edit, *chosen);
}

void TUstawienia::zmiana_textClick() {
    const int current = settings::colourOrDefault(kolor_edit2->text(), settings::kBuiltInText);
    if (const std::optional<int32_t> chosen = services().chooseColor(current))
        showColour(lbl_text, kolor_edit2, *chosen);
}

void TUstawienia::Button1Click() {
    showColour(lbl_edit, kolor_edit, settings::kBuiltInBackground);
    showColour(lbl_text, kolor_edit2, settings::kBuiltInText);
    zmiana_okno->setEnabled(false);
    zmiana_text->setEnabled(false);
}

void TUstawienia::enablePickers() {
    zmiana_okno->setEnabled(true);
    zmiana_text->setEnabled(true);
}

void TUstawienia::zmien_katalogClick() {
    TFormy& chooser = chooser_;
    chooser.edit_forma = QStringLiteral("U");
    chooser.fieldBackground = fieldBackground;
    chooser.fieldText = fieldText;
    // The chooser starts where the default folder is now.
    if (!lokalizacja->text().isEmpty())
        chooser.openFolder(lokalizacja->text());
    if (services().showModal(chooser) == QDialog::Accepted)
        lokalizacja->setText(chooser.chosenFolder);
    if (lokalizacja->text().isEmpty())
        lokalizacja->setText(platform::programFolder());
}

void TUstawienia::usun_errorClick() {
    const QString path = platform::programFile(QStringLiteral("error.dat"));
    const int flag = languageFlag();
    if (!QFile::exists(path)) {
        services().messageDlg(lang::pick(texts::kErrorFileMissing, flag), DlgType::Information,
                              DlgButtons::Ok);
        return;
    }
    if (!QFile::remove(path)) {
        services().messageDlg(lang::pick(texts::kErrorFileNotDeleted, flag), DlgType::Error,
                              DlgButtons::Ok);
        return;
    }
    services().messageDlg(lang::pick(texts::kErrorFileDeleted, flag), DlgType::Information,
                          DlgButtons::Ok);
}

void TUstawienia::AnulujClick() {
    enablePickers();
    CheckBox1->setChecked(false);
    CheckBox1Click();
    QDialog::reject();
}

void TUstawienia::reject() {
    AnulujClick();
}
