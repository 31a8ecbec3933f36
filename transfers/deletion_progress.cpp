#include "local/deletion_progress.h"

#include "app/main_window.h"
#include "transfers/progress_window.h"
#include "transfers/transfer_state.h"

namespace local {

// The window is shown and hidden plainly, without a transfer batch's closing
// bookkeeping.
bool beginDeletionProgress(TForm1& form, const QString& caption, int total) {
    TForm13* progress = form.Form13;
    if (!progress || form.transfers->transferRunning || progress->isOpen())
        return false;
    progress->resetLabels();
    progress->licznik->setText(caption);
    progress->Progressbar1->setMaximum(total);
    progress->show();
    return true;
}

void deletionProgressStep(TForm1& form, int done) {
    QProgressBar* bar = form.Form13->Progressbar1;
    bar->setValue(qMin(done, bar->maximum()));
}

void endDeletionProgress(TForm1& form, const QString& caption) {
    form.Form13->licznik->setText(caption);
    form.Form13->Progressbar1->setValue(0);
    form.Form13->hide();
}

} // namespace local
