#include "platform/printing.h"

#include <QPrinter>
#include <QTextDocument>

namespace platform {

void printPlainText(QPrinter& printer, const QString& title, const QString& text) {
    // A job title is one line; a whole text as title would still name the job.
    printer.setDocName(title.section(QLatin1Char('\n'), 0, 0).left(200));
    QTextDocument doc;
    doc.setPlainText(text);
    doc.print(&printer);
}

} // namespace platform
