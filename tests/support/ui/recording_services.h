#pragma once
// Platform services for the window tests: every call is recorded, nothing
// real is shown, opened, started or shut down. Answers come from queues the
// test fills; an empty queue gives a neutral answer (OK / No / cancelled).

#include "platform/services.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

struct RecordedCall {
    QString what;     // "messageDlg", "messageBox", "inputBox", "shellOpen", ...
    QStringList args; // the texts it was given (messageBox: text, caption, buttons, kind)
};

class RecordingServices : public platform::Services {
public:
    RecordingServices();           // installs itself
    ~RecordingServices() override; // restores the production services

    QList<RecordedCall> calls;
    std::deque<platform::DlgResult> dialogAnswers;  // messageDlg and messageBox
    std::deque<std::optional<QString>> textAnswers; // inputBox, file and folder dialogs, font
    std::deque<std::optional<int32_t>> colorAnswers;
    std::deque<bool> printAnswers; // printText: true = printed
    // showModal: the step registered for the dialog's objectName (or class name)
    // runs instead of a blocking exec(); its return value is the dialog's result.
    QMap<QString, std::function<int(QDialog&)>> modalSteps;
    int platformKindAnswer = 2;

    // Calls of one kind, and the texts of the messages shown so far.
    QList<RecordedCall> callsOf(const QString& what) const;
    QStringList messages() const;
    void clear() { calls.clear(); }

    platform::DlgResult messageDlg(const QString& text, platform::DlgType type,
                                   platform::DlgButtons buttons) override;
    platform::DlgResult messageBox(const QString& text, const QString& caption,
                                   platform::DlgButtons buttons, platform::BoxKind kind) override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& value) override;
    std::optional<QString> openFileName(const QString& caption, const QString& folder,
                                        const QString& filter) override;
    std::optional<QString> saveFileName(const QString& caption, const QString& folder,
                                        const QString& filter) override;
    std::optional<QString> existingFolder(const QString& caption, const QString& folder) override;
    std::optional<int32_t> chooseColor(int32_t current) override;
    std::optional<QString> chooseFont(const QString& current) override;
    bool printText(const QString& title, const QString& text) override;
    bool shellOpen(const QString& target, const QString& workingFolder) override;
    bool startProgram(const QString& path, const QStringList& arguments,
                      const QString& workingFolder) override;
    void playSound(const QString& wavPath) override;
    void beep() override;
    // Recorded as "shutdown" with kind (0 log off, 1 power off, 2 restart),
    // force (0/1), delay in seconds and the message.
    bool shutdown(const platform::ShutdownRequest& request) override;
    int platformKind() override { return platformKindAnswer; }
    void notice(const QString& text, const QString& caption) override;
    int showModal(QDialog& dialog) override;

private:
    platform::DlgResult nextDialogAnswer(platform::DlgButtons buttons);
    std::optional<QString> nextText();
};
