#include "log/text_buffer_window.h"

#include "log/log_texts.h"
#include "platform/services.h"
#include "platform/text_file.h"

#include <QAction>
#include <QFont>
#include <QMenu>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Flat buttons that say what their hint says.
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

TTextBufferWindow::TTextBufferWindow(QWidget* parent, const char* editorName, QString saveName,
                                     QString saveFilter)
    : QDialog(parent), saveName_(std::move(saveName)), saveFilter_(std::move(saveFilter)) {
    resize(640, 440);

    auto* bar = new QToolBar(this);
    zapisz = toolButton(bar, "zapisz", logtext::kSaveHint);
    drukuj = toolButton(bar, "drukuj", logtext::kPrintHint);
    czcionka = toolButton(bar, "czcionka", logtext::kFontHint);
    czysc = toolButton(bar, "czysc", logtext::kClearHint);
    zamknij = toolButton(bar, "zamknij", logtext::kCloseHint);

    editor_ = new QTextEdit(this);
    editor_->setObjectName(QString::fromLatin1(editorName));
    editor_->setAcceptRichText(false);
    editor_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("menu"));
    Kopiuj1 = menuAction(menu, "Kopiuj1");
    Wytnij1 = menuAction(menu, "Wytnij1");
    Wklej1 = menuAction(menu, "Wklej1");
    Zaznaczwszystko1 = menuAction(menu, "Zaznaczwszystko1");
    editor_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(editor_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu->popup(editor_->viewport()->mapToGlobal(at)); });
    connect(Kopiuj1, &QAction::triggered, editor_, &QTextEdit::copy);
    connect(Wytnij1, &QAction::triggered, editor_, &QTextEdit::cut);
    connect(Wklej1, &QAction::triggered, editor_, &QTextEdit::paste);
    connect(Zaznaczwszystko1, &QAction::triggered, editor_, &QTextEdit::selectAll);

    connect(zapisz, &QToolButton::clicked, this, &TTextBufferWindow::zapiszClick);
    connect(drukuj, &QToolButton::clicked, this, &TTextBufferWindow::drukujClick);
    connect(czcionka, &QToolButton::clicked, this, &TTextBufferWindow::czcionkaClick);
    connect(czysc, &QToolButton::clicked, this, &TTextBufferWindow::czyscClick);
    connect(zamknij, &QToolButton::clicked, this, &TTextBufferWindow::zamknijClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(editor_);
}

void TTextBufferWindow::setMenuTexts(int flag) {
    Kopiuj1->setText(lang::pick(logtext::kCopy, flag));
    Wytnij1->setText(lang::pick(logtext::kCut, flag));
    Wklej1->setText(lang::pick(logtext::kPaste, flag));
    Zaznaczwszystko1->setText(lang::pick(logtext::kSelectAll, flag));
}

void TTextBufferWindow::zapiszClick() {
    const auto chosen = platform::services().saveFileName(QString(), saveName_, saveFilter_);
    if (!chosen || chosen->isEmpty())
        return;
    textfile::writeLines(*chosen + QStringLiteral(".txt"),
                         editor_->toPlainText().split(QLatin1Char('\n')));
}

void TTextBufferWindow::drukujClick() {
    const QString text = editor_->toPlainText();
    platform::services().printText(text, text);
}

void TTextBufferWindow::czcionkaClick() {
    const auto chosen = platform::services().chooseFont(editor_->font().toString());
    if (!chosen)
        return;
    QFont font;
    if (font.fromString(*chosen))
        editor_->setFont(font);
}
