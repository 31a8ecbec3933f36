#pragma once
// How far a deletion in the local panel got, shown in the progress window of
// the transfers when no transfer uses it. The functions are defined beside
// that window (transfers/deletion_progress.cpp): the local panel shows it
// without knowing it.

#include <QString>

class TForm1;

namespace local {

// False, and nothing shown, when a transfer has the window.
bool beginDeletionProgress(TForm1& form, const QString& caption, int total);
void deletionProgressStep(TForm1& form, int done);
void endDeletionProgress(TForm1& form, const QString& caption);

} // namespace local
