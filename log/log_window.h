#pragma once
// The log window `TPowiekszenie` ("Lista logów..."): the pane's lines under a
// header about the current server, to read at length, save, print or edit.

#include <QColor>
#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QTextEdit;
class QToolButton;
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

class TPowiekszenie : public QDialog {
    Q_OBJECT
public:
    using InfoSource = std::function<LogSessionInfo()>;

    explicit TPowiekszenie(QWidget* parent = nullptr);
    // The pane to show and where the header's facts come from.
    void setSource(TLogPane* pane, InfoSource info);

    QTextEdit* edytor;
    QToolButton* zapisz;
    QToolButton* drukuj;
    QToolButton* czcionka;
    QToolButton* czysc;
    QToolButton* zamknij;
    QMenu* menu;
    QAction* Kopiuj1;
    QAction* Wytnij1;
    QAction* Wklej1;
    QAction* Zaznaczwszystko1;

    // Captions, header and the pane's lines, as the window opens.
    void FormActivate();
    void zapiszClick();
    void drukujClick();
    void czcionkaClick();
    void czyscClick();
    void zamknijClick();

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
