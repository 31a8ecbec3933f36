#pragma once
// TForm16, "Info...": the raw lines of the current remote folder under a short
// legend, in an editor the user may save, print, re-font and copy from.

#include "log/text_buffer_window.h"

#include <QStringList>

#include <functional>

class TForm16 : public TTextBufferWindow {
    Q_OBJECT
public:
    // `serverName` gives the text of the main window's server field when asked.
    TForm16(QWidget* parent, std::function<QString()> serverName, std::function<int()> language);

    QTextEdit* memo1;

    // Empties the editor, writes the header block and then `lines`.
    void fill(const QStringList& lines);
    void FormActivate();
    void czyscClick() override;
    void zamknijClick() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void writeHeader();

    std::function<QString()> serverName_;
    std::function<int()> language_;
};
