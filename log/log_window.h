#pragma once
// The log window `TPowiekszenie` ("Lista logów..."): the pane's lines under a
// header about the current server, to read at length, save, print or edit.

#include "log/text_buffer_window.h"

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class TLogPane;

// What the header tells about the session, read from the main window when the
// window opens.
struct LogSessionInfo {
    int language = 1;
    QString user;
    QString host;
    QString password;
    // The caption of the entry chosen in the server list; none when no entry is chosen.
    std::optional<QString> selectedServer;
};

class TPowiekszenie : public TTextBufferWindow {
    Q_OBJECT
public:
    using InfoSource = std::function<LogSessionInfo()>;

    explicit TPowiekszenie(QWidget* parent = nullptr);
    // The pane to show and where the header's facts come from.
    void setSource(TLogPane* pane, InfoSource info);

    QTextEdit* edytor;

    // Captions, header and the pane's lines, as the window opens.
    void FormActivate();
    void czyscClick() override;
    void zamknijClick() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void addLine(const QString& text, const QColor& colour = Qt::black);
    void appendTitle(int language);
    // False when the header cannot name the session (no entry chosen).
    bool appendServerBlock(const LogSessionInfo& info);
    void appendPaneInColour();
    TLogPane* pane() const;
    LogSessionInfo info() const;

    TLogPane* sourcePane = nullptr;
    InfoSource sourceInfo;
};
