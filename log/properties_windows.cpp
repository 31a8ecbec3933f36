#include "log/properties_windows.h"

#include "app/main_window.h"
#include "app/top_panel.h"
#include "log/file_types.h"
#include "log/properties_texts.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace text = proptext;

namespace {

QString systemTimeOfDay(const QTime& time) {
    // The system's long time format without a time zone, which a time of day lacks.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QLocale::system().toString(time, format.trimmed());
}

QCheckBox* box(QGroupBox* group, const char* name) {
    auto* check = new QCheckBox(group);
    check->setObjectName(QString::fromLatin1(name));
    group->layout()->addWidget(check);
    return check;
}

QGroupBox* permissionGroup(QWidget* parent, const char* name) {
    auto* group = new QGroupBox(parent);
    group->setObjectName(QString::fromLatin1(name));
    new QVBoxLayout(group);
    return group;
}

} // namespace

TPropertiesWindow::TPropertiesWindow(TForm1* form)
    : QDialog(form, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), form_(form) {
    setStyleSheet(QStringLiteral("TPropertiesWindow { border: 1px solid gray; }"));
    panel2 = new QLabel(this);
    panel2->setObjectName(QStringLiteral("panel2"));
    panel2->setAlignment(Qt::AlignCenter);
    panel2->setStyleSheet(QStringLiteral("background: navy; color: white; font-weight: bold;"));
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

QLabel* TPropertiesWindow::caption(const char* name) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLabel* TPropertiesWindow::value(const char* name) {
    auto* label = caption(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return label;
}

void TPropertiesWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
    // Sized to the texts just set, centred on the screen.
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TPropertiesWindow::mousePressEvent(QMouseEvent* event) {
    // A press anywhere on the window grabs it as a title bar would.
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    event->accept();
}

void TPropertiesWindow::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - dragOffset_);
    event->accept();
}

void TPropertiesWindow::restoreConnectionFields() {
    form_->topPanel->FTpServer->setText(form_->kopia_ftp);
    form_->topPanel->Password2->setText(form_->kopia_haslo);
    form_->topPanel->UserID->setText(form_->kopia_ures);
    form_->topPanel->CurrentDirEdit->setText(form_->kopia_dir);
}

TForm11::TForm11(TForm1* form) : TPropertiesWindow(form) {
    setObjectName(QStringLiteral("TForm11"));
    Label1 = caption("Label1");
    Label2 = caption("Label2");
    Label4 = caption("Label4");
    Label3 = caption("Label3");
    Label5 = caption("Label5");
    w_serwer = value("w_serwer");
    w_nazwa = value("w_nazwa");
    w_katalog = value("w_katalog");
    w_rozmiar = value("w_rozmiar");
    w_typ = value("w_typ");
    Atrybuty = new QGroupBox(this);
    Atrybuty->setObjectName(QStringLiteral("Atrybuty"));
    auto* groups = new QHBoxLayout(Atrybuty);
    wlasciciel = permissionGroup(Atrybuty, "wlasciciel");
    grupa = permissionGroup(Atrybuty, "grupa");
    inni = permissionGroup(Atrybuty, "inni");
    for (QGroupBox* group : {wlasciciel, grupa, inni})
        groups->addWidget(group);
    w_r = box(wlasciciel, "w_r");
    w_w = box(wlasciciel, "w_w");
    W_e = box(wlasciciel, "W_e");
    g_r = box(grupa, "g_r");
    g_w = box(grupa, "g_w");
    g_e = box(grupa, "g_e");
    o_r = box(inni, "o_r");
    o_w = box(inni, "o_w");
    o_e = box(inni, "o_e");
    // The boxes report what the listing says; they change nothing on the server.
    for (QCheckBox* check : {w_r, w_w, W_e, g_r, g_w, g_e, o_r, o_w, o_e})
        check->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* column = new QVBoxLayout(this);
    column->addWidget(panel2);
    auto* grid = new QGridLayout;
    const std::pair<QLabel*, QLabel*> rows[] = {{Label1, w_serwer},
                                                {Label2, w_nazwa},
                                                {Label4, w_katalog},
                                                {Label3, w_rozmiar},
                                                {Label5, w_typ}};
    int r = 0;
    for (const auto& [name, shown] : rows) {
        grid->addWidget(name, r, 0);
        grid->addWidget(shown, r++, 1);
    }
    column->addLayout(grid);
    column->addWidget(Atrybuty);
    column->addWidget(Button1, 0, Qt::AlignCenter);
    panel2->setText(lang::pickEnglishOnZero(text::kWait, languageFlag()));
}

void TForm11::setFacts(const RemoteFileFacts& facts) {
    facts_ = facts;
}

void TForm11::FormActivate() {
    const int flag = languageFlag();
    const auto pick = [flag](const Msg& m) { return lang::pickEnglishOnZero(m, flag); };
    panel2->setText(pick(text::kWait));
    Label1->setText(pick(text::kFromServer));
    Label2->setText(pick(text::kName));
    Label4->setText(pick(text::kFolder));
    Label3->setText(pick(text::kSize));
    Label5->setText(pick(text::kType));
    Atrybuty->setTitle(pick(text::kAttributes));
    wlasciciel->setTitle(pick(text::kOwner));
    grupa->setTitle(pick(text::kGroup));
    inni->setTitle(pick(text::kOthers));
    for (QCheckBox* read : {w_r, g_r, o_r})
        read->setText(pick(text::kRead));
    for (QCheckBox* write : {w_w, g_w, o_w})
        write->setText(pick(text::kWrite));
    for (QCheckBox* execute : {W_e, g_e, o_e})
        execute->setText(pick(text::kExecute));

    w_serwer->setText(facts_.server);
    w_katalog->setText(facts_.folder);
    w_rozmiar->setText(filetypes::sizeText(facts_.size));
    w_nazwa->setText(facts_.name);
    w_typ->setText(filetypes::typeName(facts_.name, filetypes::Window::Remote, flag));
    panel2->setText(lang::pick(text::kHeader, flag));
    Atrybuty_plikow(facts_.rawLine);
}

void TForm11::Atrybuty_plikow(const QByteArray& rawLine) {
    // Characters 2 to 10 of the line: owner, group, others; read, write, execute.
    QCheckBox* const boxes[] = {w_r, w_w, W_e, g_r, g_w, g_e, o_r, o_w, o_e};
    const char letters[] = {'r', 'w', 'x'};
    for (int i = 0; i < 9; ++i)
        boxes[i]->setChecked(rawLine.size() > i + 1 && rawLine[i + 1] == letters[i % 3]);
}

void TForm11::Button1Click() {
    restoreConnectionFields();
    panel2->setText(lang::pickEnglishOnZero(text::kWait, languageFlag()));
    for (QCheckBox* check : {w_r, w_w, W_e, g_r, g_w, g_e, o_r, o_w, o_e})
        check->setChecked(false);
    done(Accepted);
}

TForm12::TForm12(TForm1* form) : TPropertiesWindow(form) {
    setObjectName(QStringLiteral("TForm12"));
    Label2 = caption("Label2");
    Label4 = caption("Label4");
    Label3 = caption("Label3");
    Label5 = caption("Label5");
    lbl_modyfikowany = caption("lbl_modyfikowany");
    w_nazwa = value("w_nazwa");
    w_katalog = value("w_katalog");
    w_rozmiar = value("w_rozmiar");
    w_typ = value("w_typ");
    modyfikowany = value("modyfikowany");

    auto* column = new QVBoxLayout(this);
    column->addWidget(panel2);
    auto* grid = new QGridLayout;
    const std::pair<QLabel*, QLabel*> rows[] = {{Label2, w_nazwa},
                                                {Label4, w_katalog},
                                                {Label3, w_rozmiar},
                                                {Label5, w_typ},
                                                {lbl_modyfikowany, modyfikowany}};
    int r = 0;
    for (const auto& [name, shown] : rows) {
        grid->addWidget(name, r, 0);
        grid->addWidget(shown, r++, 1);
    }
    column->addLayout(grid);
    column->addWidget(Button1, 0, Qt::AlignCenter);
}

void TForm12::setFile(const QString& folder, const QString& name) {
    folder_ = folder;
    name_ = name;
}

void TForm12::FormActivate() {
    const int flag = languageFlag();
    const auto pick = [flag](const Msg& m) { return lang::pickEnglishOnZero(m, flag); };
    const QFileInfo file(QDir(folder_).filePath(name_));
    panel2->setText(pick(text::kHeader));
    Label2->setText(pick(text::kName));
    Label4->setText(pick(text::kFolder));
    Label3->setText(pick(text::kSize));
    Label5->setText(pick(text::kType));
    lbl_modyfikowany->setText(pick(text::kModified));
    modyfikowany->setText(systemTimeOfDay(file.lastModified().time()));
    w_katalog->setText(folder_);
    w_rozmiar->setText(filetypes::sizeText(file.size()));
    w_nazwa->setText(name_);
    w_typ->setText(filetypes::typeName(name_, filetypes::Window::Local, flag));
}

void TForm12::Button1Click() {
    done(Accepted);
    restoreConnectionFields();
}
