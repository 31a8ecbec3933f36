#include "log/text_buffer_actions.h"

#include <QFont>
#include <QTextEdit>

#include "platform/services.h"
#include "platform/text_file.h"

namespace textbuffer {

void saveAs(const QTextEdit& edit, const QString& suggestedName, const QString& filter) {
    const auto chosen = platform::services().saveFileName(QString(), suggestedName, filter);
    if (!chosen || chosen->isEmpty())
        return;
    textfile::writeLines(*chosen + QStringLiteral(".txt"),
                         edit.toPlainText().split(QLatin1Char('\n')));
}

void print(const QTextEdit& edit) {
    const QString text = edit.toPlainText();
    platform::services().printText(text, text);
}

void chooseFont(QTextEdit& edit) {
    const auto chosen = platform::services().chooseFont(edit.font().toString());
    if (!chosen)
        return;
    QFont font;
    if (font.fromString(*chosen))
        edit.setFont(font);
}

} // namespace textbuffer
