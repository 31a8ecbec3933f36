#include "log/log_window.h"

#include "log/log_colors.h"
#include "log/log_pane.h"
#include "log/log_texts.h"
#include "log/text_buffer_actions.h"
#include "platform/colors.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QTextCursor>
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

TPowiekszenie::TPowiekszenie(QWidget* parent) : QDialog(parent) {
    setObjectName("Powiekszenie");
    setWindowTitle(QString::fromUtf8("Lista logów..."));
    resize(640, 440);

    auto* bar = new QToolBar(this);
    zapisz = toolButton(bar, "zapisz", logtext::kSaveHint);
    drukuj = toolButton(bar, "drukuj", logtext::kPrintHint);
    czcionka = toolButton(bar, "czcionka", logtext::kFontHint);
    czysc = toolButton(bar, "czysc", logtext::kClearHint);
    zamknij = toolButton(bar, "zamknij", logtext::kCloseHint);

    edytor = new QTextEdit(this);
    edytor->setObjectName("edytor");
    edytor->setLineWrapMode(QTextEdit::NoWrap);
    edytor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edytor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edytor->setAcceptRichText(false);

    menu = new QMenu(this);
    menu->setObjectName("menu");
    Kopiuj1 = menuAction(menu, "Kopiuj1");
    Wytnij1 = menuAction(menu, "Wytnij1");
    Wklej1 = menuAction(menu, "Wklej1");
    Zaznaczwszystko1 = menuAction(menu, "Zaznaczwszystko1");
    edytor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edytor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu->popup(edytor->viewport()->mapToGlobal(at)); });
    connect(Kopiuj1, &QAction::triggered, edytor, &QTextEdit::copy);
    connect(Wytnij1, &QAction::triggered, edytor, &QTextEdit::cut);
    connect(Wklej1, &QAction::triggered, edytor, &QTextEdit::paste);
    connect(Zaznaczwszystko1, &QAction::triggered, edytor, &QTextEdit::selectAll);

    connect(zapisz, &QToolButton::clicked, this, &TPowiekszenie::zapiszClick);
    connect(drukuj, &QToolButton::clicked, this, &TPowiekszenie::drukujClick);
    connect(czcionka, &QToolButton::clicked, this, &TPowiekszenie::czcionkaClick);
    connect(czysc, &QToolButton::clicked, this, &TPowiekszenie::czyscClick);
    connect(zamknij, &QToolButton::clicked, this, &TPowiekszenie::zamknijClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(edytor);
}

void TPowiekszenie::setSource(TLogPane* pane, InfoSource info) {
    sourcePane = pane;
    sourceInfo = std::move(info);
}

TLogPane* TPowiekszenie::pane() const {
    return sourcePane;
}

LogSessionInfo TPowiekszenie::info() const {
    return sourceInfo ? sourceInfo() : LogSessionInfo{};
}

void TPowiekszenie::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TPowiekszenie::hideEvent(QHideEvent* event) {
    // However the window closes, the next opening starts from a fresh header.
    edytor->clear();
    QDialog::hideEvent(event);
}

void TPowiekszenie::addLine(const QString& text, const QColor& colour) {
    // Inserted as plain text: a line such as "<Dane serwera FTP>" is not markup.
    QTextCursor cursor(edytor->document());
    cursor.movePosition(QTextCursor::End);
    if (!edytor->document()->isEmpty())
        cursor.insertBlock();
    QTextCharFormat format;
    format.setForeground(colour);
    cursor.insertText(text, format);
}

void TPowiekszenie::appendTitle(int language) {
    addLine(QStringLiteral("   ") + QString::fromLatin1(logtext::kProductName) +
            lang::pick(logtext::kTitleSuffix, language));
    addLine(QStringLiteral("   ") + QString(84, QLatin1Char('-')));
}

bool TPowiekszenie::appendServerBlock(const LogSessionInfo& s) {
    if (!s.selectedServer)
        return false;
    addLine(lang::pick(logtext::kServerInfo, s.language));
    addLine(lang::pick(logtext::kSession, s.language) + *s.selectedServer);
    addLine(lang::pick(logtext::kUser, s.language) + s.user);
    addLine(lang::pick(logtext::kServerName, s.language) + s.host);
    addLine(lang::pick(logtext::kPassword, s.language) +
            QString(s.password.size(), QLatin1Char('*')));
    addLine(QString(51, QLatin1Char('-')));
    return true;
}

void TPowiekszenie::appendPaneInColour() {
    TLogPane* log = pane();
    if (!log)
        return;
    const QStringList lines = log->lines();
    QElapsedTimer sincePump;
    sincePump.start();
    for (const QString& line : lines) {
        addLine(line, platform::colorFromValue(sessionlog::lineColor(line, sessionlog::kBlack)));
        // Keep the window alive through a long log; the user may close it meanwhile.
        if (sincePump.elapsed() >= 50) {
            QCoreApplication::processEvents();
            sincePump.restart();
            if (!isVisible())
                return;
        }
    }
}

void TPowiekszenie::FormActivate() {
    const LogSessionInfo s = info();
    setWindowTitle(lang::pick(logtext::kWindowCaption, s.language));
    Kopiuj1->setText(lang::pick(logtext::kCopy, s.language));
    Wytnij1->setText(lang::pick(logtext::kCut, s.language));
    Wklej1->setText(lang::pick(logtext::kPaste, s.language));
    Zaznaczwszystko1->setText(lang::pick(logtext::kSelectAll, s.language));

    TLogPane* log = pane();
    const QString plain = log ? log->plainText() : QString();
    appendTitle(s.language);
    if (!s.user.isEmpty() && !appendServerBlock(s)) {
        edytor->clear();
        appendTitle(s.language);
        addLine(plain);
        return;
    }
    addLine(plain);
    appendPaneInColour();
}

void TPowiekszenie::zapiszClick() {
    textbuffer::saveAs(*edytor, QString::fromLatin1(logtext::kSaveName),
                       QString::fromLatin1(logtext::kSaveFilter));
}

void TPowiekszenie::drukujClick() {
    textbuffer::print(*edytor);
}

void TPowiekszenie::czcionkaClick() {
    textbuffer::chooseFont(*edytor);
}

void TPowiekszenie::czyscClick() {
    const LogSessionInfo s = info();
    edytor->clear();
    if (TLogPane* log = pane())
        log->clear();
    appendTitle(s.language);
    appendServerBlock(s);
}

void TPowiekszenie::zamknijClick() {
    edytor->clear();
    close();
}
