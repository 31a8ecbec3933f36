// The listing refresh `ChageDir`: change folder, ask where we are, list, and
// show the rows; a failure goes through the reply table.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "ftp/id_exception.h"
#include "ftp/id_ftp.h"
#include "platform/services.h"
#include "platform/text_file.h"
#include "session/listing_line.h"
#include "session/remote_list.h"
#include "session/reply_table.h"
#include "session/session_call.h"
#include "session/session_cursor.h"
#include "session/session_state.h"
#include "session/session_texts.h"

#include <QCoreApplication>

namespace {

struct Attempt {
    int retryDepth = 0; // how many ".." retries led here
    // A refused change of folder leaves everything as it was, silently (used to
    // find out whether a symbolic link leads to a folder).
    bool quietIfRefused = false;
};

void changeDir(TForm1& form, const std::string& path, Attempt attempt);

void showFailure(const session::ListingFailure& d) {
    const QString text = lang::pick(*d.message, languageFlag());
    platform::services().messageBox(
        text, QString::fromLatin1(sessiontext::kBoxCaption), platform::DlgButtons::Ok,
        d.box == session::BoxKind::Warning ? platform::BoxKind::Warning : platform::BoxKind::Error);
}

void closeIfConnected(TForm1& form) {
    try {
        if (form.connected())
            form.FTP->CloseConnection();
    } catch (const std::exception&) {
        // Already going away.
    }
}

void carryOut(TForm1& form, int code, const Attempt& attempt) {
    const bool bound = session::parentRetryExhausted(
        attempt.retryDepth > 0, form.topPanel->CurrentDirEdit->text(), attempt.retryDepth);
    const session::ListingFailure d = session::decideListingFailure(code, bound);
    if (d.closeBeforeMessage)
        closeIfConnected(form);
    if (d.message)
        showFailure(d);
    if (d.closeAfterMessage)
        closeIfConnected(form);
    if (d.retryParent) {
        changeDir(form, "..", Attempt{attempt.retryDepth + 1, false});
        session::normalCursor();
        if (d.pumpAfterRetry)
            QCoreApplication::processEvents();
    }
    if (d.closingSteps) {
        session::hourglass();
        form.Timer1->start();
        session::normalCursor();
        QCoreApplication::processEvents();
    }
}

void changeDir(TForm1& form, const std::string& path, Attempt attempt) {
    session::SessionCall call(form);
    bool changed = false;
    try {
        form.FTP->ChangeDirectory(path);
        changed = true;
        form.FTP->SelectTransferType(ftASCII);
        const std::string where = form.FTP->CurrentDirectory();
        form.session->currentDirRaw = where;
        form.topPanel->CurrentDirEdit->setText(listing::decodeServerText(where));
        TIdListing lines;
        form.FTP->ListDirectory(lines, std::string(), true);
        form.showListing(std::move(lines));
    } catch (const std::exception& failure) {
        // A session the user has just closed needs no explanation.
        if (form.session->userClosedSession)
            return;
        if (!changed && attempt.quietIfRefused &&
            dynamic_cast<const EIdProtocolReplyError*>(&failure))
            return;
        carryOut(form, session::replyCodeOf(failure, *form.FTP), attempt);
    }
}

} // namespace

void TForm1::ChageDir(const QString& path) {
    ChageDirRaw(remotePathBytes(path));
}

void TForm1::ChageDirRaw(const std::string& path) {
    changeDir(*this, path, Attempt{});
}

void TForm1::openLinkedFolder(const std::string& name) {
    changeDir(*this, name, Attempt{0, true});
}

std::string TForm1::remotePathBytes(const QString& path) const {
    if (!session->currentDirRaw.empty() && path == topPanel->CurrentDirEdit->text())
        return session->currentDirRaw;
    QByteArray bytes;
    bool fits = false;
    if (!session->listingUtf8)
        bytes = textfile::encode1250(path, &fits);
    if (session->listingUtf8 || !fits)
        bytes = path.toUtf8();
    return bytes.toStdString();
}

void TForm1::showListing(const std::vector<std::string>& lines) {
    showListing(idJoinListing(lines));
}

void TForm1::showListing(TIdListing lines) {
    session->ListBox1 = remotelist::RawListing(std::move(lines));
    // A server that took OPTS UTF8 ON expects UTF-8 names whatever its listing held.
    session->listingUtf8 = session->ListBox1.isValidUtf8() || FTP->Utf8Names();
    serverPanel->l3->rows()->fill(session->ListBox1, session->l3Sorted);
    Statusy();
}
