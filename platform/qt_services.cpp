#include "platform/qt_services.h"

#include "platform/colors.h"
#include "platform/logind.h"
#include "platform/printing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSoundEffect>
#include <QUrl>

namespace platform {
namespace {

Services* g_replacement = nullptr;

QMessageBox::StandardButtons qtButtons(DlgButtons buttons) {
    return buttons == DlgButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok;
}

DlgResult fromQt(int answer) {
    switch (answer) {
    case QMessageBox::Yes:
        return DlgResult::Yes;
    case QMessageBox::No:
        return DlgResult::No;
    case QMessageBox::Ok:
        return DlgResult::Ok;
    default:
        return DlgResult::Cancel;
    }
}

} // namespace

Services& services() {
    static QtServices production;
    return g_replacement ? *g_replacement : production;
}

void setServices(Services* replacement) {
    g_replacement = replacement;
}

DlgResult QtServices::messageDlg(const QString& text, DlgType type, DlgButtons buttons) {
    // Typed dialogs keep the toolkit's English title in both languages.
    static const char* titles[] = {"Warning", "Information", "Error", "Confirm"};
    static const QMessageBox::Icon icons[] = {QMessageBox::Warning, QMessageBox::Information,
                                              QMessageBox::Critical, QMessageBox::Question};
    QMessageBox box(icons[int(type)], QString::fromLatin1(titles[int(type)]), text,
                    qtButtons(buttons), QApplication::activeWindow());
    if (buttons == DlgButtons::YesNo) {
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Yes"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    }
    return fromQt(box.exec());
}

std::unique_ptr<QMessageBox> buildMessageBox(const QString& text, const QString& caption,
                                             DlgButtons buttons, BoxKind kind) {
    static const QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Information,
                                              QMessageBox::Warning, QMessageBox::Critical,
                                              QMessageBox::Question};
    return std::make_unique<QMessageBox>(icons[int(kind)], caption, text, qtButtons(buttons),
                                         QApplication::activeWindow());
}

DlgResult QtServices::messageBox(const QString& text, const QString& caption, DlgButtons buttons,
                                 BoxKind kind) {
    return fromQt(buildMessageBox(text, caption, buttons, kind)->exec());
}

std::optional<QString> QtServices::inputBox(const QString& caption, const QString& prompt,
                                            const QString& value) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), caption, prompt,
                                               QLineEdit::Normal, value, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtServices::openFileName(const QString& caption, const QString& folder,
                                                const QString& filter) {
    const QString path =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, folder, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtServices::saveFileName(const QString& caption, const QString& folder,
                                                const QString& filter) {
    const QString path =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, folder, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtServices::existingFolder(const QString& caption, const QString& folder) {
    const QString path =
        QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, folder);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<int32_t> QtServices::chooseColor(int32_t current) {
    const QColor chosen =
        QColorDialog::getColor(colorFromValue(current), QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return valueFromColor(chosen);
}

std::optional<QString> QtServices::chooseFont(const QString& current) {
    QFont font;
    font.fromString(current);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, QApplication::activeWindow());
    if (!ok)
        return std::nullopt;
    return chosen.toString();
}

bool QtServices::printText(const QString& title, const QString& text) {
    QPrinter printer;
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printPlainText(printer, title, text);
    return true;
}

bool QtServices::shellOpen(const QString& target, const QString& workingFolder) {
    QUrl url(target);
    if (QFileInfo(target).isAbsolute())
        url = QUrl::fromLocalFile(target);
    else if (url.scheme().isEmpty())
        // A file of the working folder, or a web address typed without its
        // scheme ("www.example.com"), as the Windows shell took both.
        url = QUrl::fromUserInput(target, workingFolder);
    return QDesktopServices::openUrl(url);
}

bool QtServices::startProgram(const QString& path, const QStringList& arguments,
                              const QString& workingFolder) {
    return QProcess::startDetached(path, arguments, workingFolder);
}

void QtServices::playSound(const QString& wavPath) {
    if (!QFileInfo::exists(wavPath)) {
        beep();
        return;
    }
    // One effect for the whole run; it plays asynchronously.
    static QSoundEffect* effect = new QSoundEffect(qApp);
    effect->setSource(QUrl::fromLocalFile(wavPath));
    effect->play();
}

void QtServices::beep() {
    QApplication::beep();
}

bool QtServices::shutdown(const ShutdownRequest& request) {
    // The test runner sets this: nothing in a test may ever reach the system.
    if (qEnvironmentVariableIsSet("KORVANTE_NO_SHUTDOWN"))
        return false;
    return logind::request(request);
}

int QtServices::platformKind() {
    return logind::available() ? 2 : 1;
}

void QtServices::notice(const QString& text, const QString& caption) {
    // No parent: the note must stay on screen when the main window is
    // minimised or hidden.
    auto* box = new QMessageBox(QMessageBox::Information, caption, text, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

int QtServices::showModal(QDialog& dialog) {
    return dialog.exec();
}

} // namespace platform
