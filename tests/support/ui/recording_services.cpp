#include "tests/support/ui/recording_services.h"

#include <QDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <exception>

using platform::DlgButtons;
using platform::DlgResult;

RecordingServices::RecordingServices() {
    platform::setServices(this);
}

RecordingServices::~RecordingServices() {
    platform::setServices(nullptr);
}

QList<RecordedCall> RecordingServices::callsOf(const QString& what) const {
    QList<RecordedCall> out;
    for (const RecordedCall& c : calls)
        if (c.what == what)
            out.append(c);
    return out;
}

QStringList RecordingServices::messages() const {
    QStringList out;
    for (const RecordedCall& c : calls)
        if (c.what == QLatin1String("messageDlg") || c.what == QLatin1String("messageBox"))
            out.append(c.args.value(0));
    return out;
}

DlgResult RecordingServices::nextDialogAnswer(DlgButtons buttons) {
    if (dialogAnswers.empty())
        return buttons == DlgButtons::YesNo ? DlgResult::No : DlgResult::Ok;
    const DlgResult answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

std::optional<QString> RecordingServices::nextText() {
    if (textAnswers.empty())
        return std::nullopt;
    std::optional<QString> answer;
    answer.swap(textAnswers.front());
    textAnswers.pop_front();
    return answer;
}

DlgResult RecordingServices::messageDlg(const QString& text, platform::DlgType type,
                                        DlgButtons buttons) {
    calls.append({QStringLiteral("messageDlg"),
                  {text, QString::number(int(type)), QString::number(int(buttons))}});
    return nextDialogAnswer(buttons);
}

DlgResult RecordingServices::messageBox(const QString& text, const QString& caption,
                                        DlgButtons buttons, platform::BoxKind kind) {
    calls.append({QStringLiteral("messageBox"),
                  {text, caption, QString::number(int(buttons)), QString::number(int(kind))}});
    return nextDialogAnswer(buttons);
}

std::optional<QString> RecordingServices::inputBox(const QString& caption, const QString& prompt,
                                                   const QString& value) {
    calls.append({QStringLiteral("inputBox"), {caption, prompt, value}});
    return nextText();
}

std::optional<QString> RecordingServices::openFileName(const QString& caption,
                                                       const QString& folder,
                                                       const QString& filter) {
    calls.append({QStringLiteral("openFileName"), {caption, folder, filter}});
    return nextText();
}

std::optional<QString> RecordingServices::saveFileName(const QString& caption,
                                                       const QString& folder,
                                                       const QString& filter) {
    calls.append({QStringLiteral("saveFileName"), {caption, folder, filter}});
    return nextText();
}

std::optional<QString> RecordingServices::existingFolder(const QString& caption,
                                                         const QString& folder) {
    calls.append({QStringLiteral("existingFolder"), {caption, folder}});
    return nextText();
}

std::optional<int32_t> RecordingServices::chooseColor(int32_t current) {
    calls.append({QStringLiteral("chooseColor"), {QString::number(current)}});
    if (colorAnswers.empty())
        return std::nullopt;
    auto answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

std::optional<QString> RecordingServices::chooseFont(const QString& current) {
    calls.append({QStringLiteral("chooseFont"), {current}});
    return nextText();
}

bool RecordingServices::printText(const QString& title, const QString& text) {
    calls.append({QStringLiteral("printText"), {title, text}});
    if (printAnswers.empty())
        return true;
    const bool answer = printAnswers.front();
    printAnswers.pop_front();
    return answer;
}

bool RecordingServices::shellOpen(const QString& target, const QString& workingFolder) {
    calls.append({QStringLiteral("shellOpen"), {target, workingFolder}});
    return true;
}

bool RecordingServices::startProgram(const QString& path, const QStringList& arguments,
                                     const QString& workingFolder) {
    calls.append({QStringLiteral("startProgram"), QStringList{path, workingFolder} + arguments});
    return true;
}

void RecordingServices::playSound(const QString& wavPath) {
    calls.append({QStringLiteral("playSound"), {wavPath}});
}

void RecordingServices::beep() {
    calls.append({QStringLiteral("beep"), {}});
}

bool RecordingServices::shutdown(const platform::ShutdownRequest& request) {
    calls.append({QStringLiteral("shutdown"),
                  {QString::number(int(request.kind)), QString::number(int(request.force)),
                   QString::number(request.delaySeconds), request.message}});
    return true;
}

void RecordingServices::notice(const QString& text, const QString& caption) {
    calls.append({QStringLiteral("notice"), {text, caption}});
}

int RecordingServices::showModal(QDialog& dialog) {
    const QString name = dialog.objectName().isEmpty()
                             ? QString::fromLatin1(dialog.metaObject()->className())
                             : dialog.objectName();
    calls.append({QStringLiteral("showModal"), {name}});
    auto step = modalSteps.find(name);
    if (step == modalSteps.end())
        step = modalSteps.find(QString::fromLatin1(dialog.metaObject()->className()));
    if (step == modalSteps.end())
        return QDialog::Rejected;
    // The dialog runs modally with its own event loop, as in the program; the
    // user acts once it is shown and active. A step that throws closes the
    // dialog, and the failure goes on from here, in the code that opened it.
    const auto answer = step.value();
    int result = QDialog::Rejected;
    std::exception_ptr failure;
    QTimer::singleShot(0, &dialog, [&dialog, &answer, &result, &failure] {
        if (!QTest::qWaitForWindowActive(&dialog, 3000))
            ADD_FAILURE() << dialog.objectName().toStdString() << " was never activated";
        try {
            result = answer(dialog);
        } catch (...) {
            failure = std::current_exception();
        }
        if (dialog.isVisible())
            dialog.done(result);
        else
            dialog.setResult(result);
    });
    dialog.exec();
    if (failure)
        std::rethrow_exception(failure);
    return result;
}
