#pragma once
// Printing a plain text on a printer the user has already chosen (or on a
// PDF file): the text control's own layout, the job named after `title`.

#include <QString>

class QPrinter;

namespace platform {

void printPlainText(QPrinter& printer, const QString& title, const QString& text);

} // namespace platform
