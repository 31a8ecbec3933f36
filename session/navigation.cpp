// Moving through the remote folders and working with the rows of `l3`:
// open, up, refresh, selection, row clicks, sorting and the mask filter.

#include "app/main_window.h"
#include "app/top_panel.h"
#include "platform/services.h"
#include "session/remote_list.h"
#include "session/session_cursor.h"
#include "session/session_texts.h"

#include <QCoreApplication>
#include <QHeaderView>

using platform::DlgButtons;
using platform::DlgType;
using platform::services;

namespace {

void focusFirstRow(TForm1& form) {
    if (form.l3->topLevelItemCount() == 0)
        return;
    form.l3->setFocus();
    form.l3->setCurrentItem(form.l3->topLevelItem(0));
}

void tellNotConnected(const Msg& message) {
    services().messageDlg(lang::pick(message, languageFlag()), DlgType::Information,
                          DlgButtons::Ok);
}

} // namespace

void TForm1::l3DblClick() {
    QTreeWidgetItem* row = l3->currentItem();
    if (!row)
        return;
    dragAllowed = false;
    // One conversation at a time: a double click while a call waits is ignored.
    if (!connected() || sessionCallDepth > 0)
        return;
    session::hourglass();
    // The row may be gone once the engine has run; keep only what it said.
    const listing::ParsedLine entry = remotelist::parsed(row);
    const std::string name = entry.name.toStdString();
    if (entry.isFolder)
        ChageDirRaw(name);
    else if (entry.isLink)
        openLinkedFolder(name);
    Statusy();
    session::normalCursor();
    QCoreApplication::processEvents();
    dragAllowed = false;
    focusFirstRow(*this);
}

void TForm1::CofnijClick() {
    if (!connected() || sessionCallDepth > 0)
        return;
    session::hourglass();
    ChageDirRaw("..");
    focusFirstRow(*this);
    session::normalCursor();
}

void TForm1::Odwie1Click() {
    if (!connected() || sessionCallDepth > 0)
        return;
    session::hourglass();
    ChageDir(topPanel->CurrentDirEdit->text());
    Statusy();
    session::normalCursor();
    QCoreApplication::processEvents();
}

void TForm1::ftp_wszystkieClick() {
    if (!connected()) {
        tellNotConnected(sessiontext::kNotConnected);
        return;
    }
    for (int i = 0; i < l3->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = l3->topLevelItem(i);
        if (remotelist::picture(row) == remotelist::kFilePicture)
            row->setSelected(true);
    }
}

void TForm1::ftp_nicClick() {
    if (!connected()) {
        tellNotConnected(sessiontext::kNotConnected);
        return;
    }
    l3->clearSelection();
}

void TForm1::l3Click() {
    l3Tag = 100;
    szukajTag = 200;
    QTreeWidgetItem* row = l3->currentItem();
    if (!row)
        return;
    clickedRemoteName = row->text(0);
    dragAllowed = true;
    if (!connected())
        return;
    const bool file = remotelist::picture(row) == remotelist::kFilePicture;
    wlasciwosci->setEnabled(file);
    otworz_katalog->setEnabled(!file);
    if (file) {
        if (!wlacz_bufor->isChecked()) {
            otworz_plik_ftp->setEnabled(true);
            run_ftp->setEnabled(true);
        }
        addToQueue(row);
    } else {
        otworz_plik_ftp->setEnabled(false);
        run_ftp->setEnabled(false);
    }
}

void TForm1::l3ColumnClick() {
    l3Sorted = true;
    l3->header()->setSortIndicatorShown(true);
    l3->header()->setSortIndicator(0, Qt::AscendingOrder);
    remotelist::sortByCaption(l3);
}

void TForm1::filtr2Click() {
    const int flag = languageFlag();
    if (!connected()) {
        tellNotConnected(sessiontext::kNotConnectedFilter);
        return;
    }
    session::hourglass();
    std::optional<QString> mask;
    // Only the two languages ask; any other flag asks nothing.
    if (flag == 0 || flag == 1)
        mask = services().inputBox(lang::pickStrict(sessiontext::kFilterCaption, flag),
                                   lang::pickStrict(sessiontext::kFilterPrompt, flag), QString());
    if (!mask || mask->isEmpty()) {
        session::normalCursor();
        Statusy();
        return;
    }
    QList<QTreeWidgetItem*> matches;
    for (int i = 0; i < l3->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = l3->topLevelItem(i);
        if (row->text(0).right(3) == *mask)
            matches.append(remotelist::makeFilteredRow(row));
    }
    l3->clear();
    l3->addTopLevelItems(matches);
    Statusy();
    session::normalCursor();
}

void TForm1::SpeedButton4Click() {
    popupAtToolbar(menu_ftp_2, topPanel->SpeedButton4);
}
