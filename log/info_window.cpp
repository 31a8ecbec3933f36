#include "log/info_window.h"

#include "log/info_texts.h"
#include "log/log_texts.h"
#include "log/text_buffer_actions.h"

#include <QAction>
#include <QMenu>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* toolButton(QToolBar* bar, const char* name, const char* hint) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromUtf8(hint));
    button->setToolTip(QString::fromUtf8(hint));
    button->setAutoRaise(true);
    bar->addWidget(button);
    return button;
}

QAction* menuAction(QMenu* menu, const char* name) {
    auto* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

TForm16::TForm16(QWidget* parent, std::function<QString()> serverName,
                 std::function<int()> language)
    : QDialog(parent), serverName_(std::move(serverName)), language_(std::move(language)) {
    setObjectName(QStringLiteral("TForm16"));
    setWindowTitle(QString::fromLatin1(infotext::kCaption));
    resize(640, 440);

    auto* bar = new QToolBar(this);
    zapisz = toolButton(bar, "zapisz", logtext::kSaveHint);
    drukuj = toolButton(bar, "drukuj", logtext::kPrintHint);
    czcionka = toolButton(bar, "czcionka", logtext::kFontHint);
    czysc = toolButton(bar, "czysc", logtext::kClearHint);
    zamknij = toolButton(bar, "zamknij", logtext::kCloseHint);

    memo1 = new QTextEdit(this);
    memo1->setObjectName(QStringLiteral("memo1"));
    memo1->setAcceptRichText(false);
    memo1->setLineWrapMode(QTextEdit::WidgetWidth);
    memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("menu"));
    Kopiuj1 = menuAction(menu, "Kopiuj1");
    Wklej1 = menuAction(menu, "Wklej1");
    Wytnij1 = menuAction(menu, "Wytnij1");
    Zaznaczwszystko1 = menuAction(menu, "Zaznaczwszystko1");
    memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(memo1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu->popup(memo1->viewport()->mapToGlobal(at)); });
    connect(Kopiuj1, &QAction::triggered, memo1, &QTextEdit::copy);
    connect(Wklej1, &QAction::triggered, memo1, &QTextEdit::paste);
    connect(Wytnij1, &QAction::triggered, memo1, &QTextEdit::cut);
    connect(Zaznaczwszystko1, &QAction::triggered, memo1, &QTextEdit::selectAll);

    connect(zapisz, &QToolButton::clicked, this, &TForm16::zapiszClick);
    connect(drukuj, &QToolButton::clicked, this, &TForm16::drukujClick);
    connect(czcionka, &QToolButton::clicked, this, &TForm16::czcionkaClick);
    connect(czysc, &QToolButton::clicked, this, &TForm16::czyscClick);
    connect(zamknij, &QToolButton::clicked, this, &TForm16::zamknijClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(memo1);
}

void TForm16::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TForm16::FormActivate() {
    const int flag = language_ ? language_() : 1;
    Kopiuj1->setText(lang::pick(logtext::kCopy, flag));
    Wytnij1->setText(lang::pick(logtext::kCut, flag));
    Wklej1->setText(lang::pick(logtext::kPaste, flag));
    Zaznaczwszystko1->setText(lang::pick(logtext::kSelectAll, flag));
}

void TForm16::writeHeader() {
    memo1->append(QString::fromUtf8(infotext::kHeaderServer) +
                  (serverName_ ? serverName_() : QString()));
    memo1->append(QString::fromUtf8(infotext::kHeaderLegend));
    memo1->append(QString::fromUtf8(infotext::kHeaderColumns));
    memo1->append(QString::fromUtf8(infotext::kHeaderRule));
}

void TForm16::fill(const QStringList& lines) {
    memo1->clear();
    writeHeader();
    for (const QString& line : lines)
        memo1->append(line);
}

void TForm16::zapiszClick() {
    textbuffer::saveAs(*memo1, QString::fromLatin1(infotext::kSaveName),
                       QString::fromLatin1(infotext::kSaveFilter));
}

void TForm16::drukujClick() {
    textbuffer::print(*memo1);
}

void TForm16::czcionkaClick() {
    textbuffer::chooseFont(*memo1);
}

void TForm16::czyscClick() {
    memo1->clear();
    writeHeader();
}

void TForm16::zamknijClick() {
    memo1->clear();
    writeHeader();
    close();
}
