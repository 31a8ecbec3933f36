#pragma once
// The production platform services: Qt's dialogs and the desktop.

#include "platform/services.h"

#include <memory>

class QMessageBox;

namespace platform {

// The box messageBox shows, before it is run: caption, text, buttons and the
// standard icon of its kind.
std::unique_ptr<QMessageBox> buildMessageBox(const QString& text, const QString& caption,
                                             DlgButtons buttons, BoxKind kind);

class QtServices : public Services {
public:
    DlgResult messageDlg(const QString& text, DlgType type, DlgButtons buttons) override;
    DlgResult messageBox(const QString& text, const QString& caption, DlgButtons buttons,
                         BoxKind kind) override;
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
    bool shutdown(const ShutdownRequest& request) override;
    int platformKind() override;
    void notice(const QString& text, const QString& caption) override;
    int showModal(QDialog& dialog) override;
};

} // namespace platform
