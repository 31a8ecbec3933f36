#include "log/log_window.h"

#include "log/log_colors.h"
#include "log/log_pane.h"
#include "log/log_texts.h"
#include "platform/colors.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextCursor>
#include <QTextEdit>

TPowiekszenie::TPowiekszenie(QWidget* parent)
    : TTextBufferWindow(parent, "edytor", QString::fromLatin1(logtext::kSaveName),
                        QString::fromLatin1(logtext::kSaveFilter)),
      edytor(editor()) {
    setObjectName("Powiekszenie");
    setWindowTitle(QString::fromUtf8("Lista logów..."));
    edytor->setLineWrapMode(QTextEdit::NoWrap);
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
    setMenuTexts(s.language);

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
