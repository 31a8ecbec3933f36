#pragma once
// Save, print and font commands shared by the windows that show a text buffer
// (the log window and the information window).

class QString;
class QTextEdit;

namespace textbuffer {

// Asks for a file name and writes the buffer there; ".txt" is added whatever
// the chosen name already ends in, as both windows always did.
void saveAs(const QTextEdit& edit, const QString& suggestedName, const QString& filter);
void print(const QTextEdit& edit);
void chooseFont(QTextEdit& edit);

} // namespace textbuffer
