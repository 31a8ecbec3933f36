#include "log/info_window.h"

#include "log/info_texts.h"

#include <QMenu>
#include <QTextEdit>

TForm16::TForm16(QWidget* parent, std::function<QString()> serverName,
                 std::function<int()> language)
    : TTextBufferWindow(parent, "memo1", QString::fromLatin1(infotext::kSaveName),
                        QString::fromLatin1(infotext::kSaveFilter)),
      memo1(editor()), serverName_(std::move(serverName)), language_(std::move(language)) {
    setObjectName(QStringLiteral("TForm16"));
    setWindowTitle(QString::fromLatin1(infotext::kCaption));
    memo1->setLineWrapMode(QTextEdit::WidgetWidth);
    // This window's popup offers Paste before Cut.
    menu->removeAction(Wklej1);
    menu->insertAction(Wytnij1, Wklej1);
}

void TForm16::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TForm16::FormActivate() {
    setMenuTexts(language_ ? language_() : 1);
}

void TForm16::writeHeader() {
    memo1->append(QString::fromUtf8(infotext::kHeaderServer) +
                  (serverName_ ? serverName_() : QString()));
    memo1->append(QString::fromUtf8(infotext::kHeaderLegend));
    memo1->append(QString::fromUtf8(infotext::kHeaderColumns));
    memo1->append(QString::fromUtf8(infotext::kHeaderRule));
}

void TForm16::fill(const QStringList& lines) {
    memo1->clear();
    writeHeader();
    for (const QString& line : lines)
        memo1->append(line);
}

void TForm16::czyscClick() {
    memo1->clear();
    writeHeader();
}

void TForm16::zamknijClick() {
    memo1->clear();
    writeHeader();
    close();
}
