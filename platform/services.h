#pragma once
// Everything the program asks of the desktop goes through one interface, so
// the window tests can record the calls instead of showing boxes, opening a
// browser, starting programs or shutting the machine down.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

class QDialog;

namespace platform {

enum class DlgType { Warning, Information, Error, Confirmation };
enum class DlgButtons { Ok, YesNo };
enum class DlgResult { Ok, Yes, No, Cancel };
// The icon a captioned message box shows; Plain boxes show none.
enum class BoxKind { Plain, Information, Warning, Error, Question };
enum class ShutdownKind { LogOff, PowerOff, Reboot };

// What the computer is asked to do at the end of a batch.
struct ShutdownRequest {
    ShutdownKind kind = ShutdownKind::PowerOff;
    // Go ahead although other programs hold locks that delay or block it.
    bool force = false;
    // The system itself waits this long before it goes down (0 = at once).
    int delaySeconds = 0;
    // Notice shown to the logged-in users; empty = none.
    QString message;
};

class Services {
public:
    virtual ~Services() = default;

    // Typed message dialog: icon, the toolkit's English title and buttons.
    virtual DlgResult messageDlg(const QString& text, DlgType type, DlgButtons buttons) = 0;
    // Message box with an explicit caption and the icon of its kind.
    virtual DlgResult messageBox(const QString& text, const QString& caption, DlgButtons buttons,
                                 BoxKind kind) = 0;
    // Input box; nullopt when cancelled.
    virtual std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                            const QString& value) = 0;

    virtual std::optional<QString> openFileName(const QString& caption, const QString& folder,
                                                const QString& filter) = 0;
    virtual std::optional<QString> saveFileName(const QString& caption, const QString& folder,
                                                const QString& filter) = 0;
    virtual std::optional<QString> existingFolder(const QString& caption,
                                                  const QString& folder) = 0;
    // Colour values are the stored 0x00BBGGRR form.
    virtual std::optional<int32_t> chooseColor(int32_t current) = 0;
    // Fonts travel as QFont::toString() descriptions.
    virtual std::optional<QString> chooseFont(const QString& current) = 0;
    // Print dialog, then print the text; false when the user cancelled.
    virtual bool printText(const QString& title, const QString& text) = 0;

    // Shell "open" of a file, folder, URL or mailto: address.
    virtual bool shellOpen(const QString& target, const QString& workingFolder = {}) = 0;
    virtual bool startProgram(const QString& path, const QStringList& arguments = {},
                              const QString& workingFolder = {}) = 0;
    virtual void playSound(const QString& wavPath) = 0;
    virtual void beep() = 0;
    // Logs off, powers off or restarts; false when the system refused or
    // could not be asked.
    virtual bool shutdown(const ShutdownRequest& request) = 0;
    // 0, 1 or 2 as the running system offers no, a plain or a privileged
    // shutdown service (the program's old 16-bit, 9x and NT families).
    virtual int platformKind() = 0;
    // A short note that does not wait for the user (a modal box would hold
    // up a transfer running underneath).
    virtual void notice(const QString& text, const QString& caption) = 0;

    // Shows a dialog modally and returns its result code.
    virtual int showModal(QDialog& dialog) = 0;
};

// The services in force; production ones unless a test installed its own.
Services& services();
// Installs other services (tests); nullptr restores the production ones.
void setServices(Services* replacement);

} // namespace platform
