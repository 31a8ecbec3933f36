#include "servers/edit_server_dialog.h"

#include "platform/paths.h"
#include "platform/services.h"
#include "servers/dialogs_texts.h"
#include "servers/server_dialog_support.h"
#include "servers/server_files.h"

#include <QApplication>
#include <QDir>

namespace texts = dialogs_texts;

TForm4::TForm4(QWidget* parent) : ServerDialogBase(server_dialogs::DialogKind::EditServer, parent) {
    setObjectName(QStringLiteral("Form4"));
    Zapisz->setEnabled(false);
    for (QLineEdit* field : {nazwa, adres, uzytkownik, haslo})
        connect(field, &QLineEdit::textChanged, Zapisz, [this] { Zapisz->setEnabled(true); });
    connect(Zapisz, &QPushButton::clicked, this, &TForm4::ZapiszClick);
}

void TForm4::showEvent(QShowEvent* event) {
    ServerDialogBase::showEvent(event);
    FormActivate();
}

void TForm4::FormActivate() {
    const server_dialogs::SelectedServer& selected = state_.selected;
    targetCategory = servers::kInne;
    sourceCategory = state_.currentCategory;
    if (sourceCategory == servers::kAllServers)
        sourceCategory = state_.selectedServerCategory;
    // The entry knows the file its line came from; that file is the one
    // that holds the line to replace, whatever the line's category digit says.
    if (selected.valid && servers::category(selected.sourceCategory))
        sourceCategory = selected.sourceCategory;
    selectedLine = selected.valid ? selected.line : QString();

    ListBox2.clear();
    sourceReadable_ = true;
    if (servers::category(sourceCategory)) {
        const servers::ReadResult read = servers::readCategoryLines(sourceCategory);
        ListBox2 = read.lines;
        sourceReadable_ = read.ok;
    }
    cmb_kat->setCurrentIndex(servers::category(sourceCategory) ? sourceCategory : -1);

    const server_dialogs::ConnectionFields& fields = state_.fields;
    nazwa->setText(selected.caption);
    adres->setText(fields.host);
    uzytkownik->setText(fields.user);
    bool numeric = false;
    const int portValue = fields.port.trimmed().toInt(&numeric);
    if (numeric) {
        port->setValue(portValue);
    } else {
        // Stopping here would leave the previous server's values in the
        // fields, ready to be saved over this one: say so and go on with the
        // standard port for the user to correct.
        platform::services().messageDlg(QString::fromLatin1(texts::kNotAnInteger).arg(fields.port),
                                        platform::DlgType::Error, platform::DlgButtons::Ok);
        port->setValue(servers::kDefaultPort);
    }
    anonimowy->setChecked(fields.user == QLatin1String(servers::kAnonymousUser));
    // The anonymous box's handler changed these; the record's values win.
    uzytkownik->setText(fields.user);
    haslo->setText(fields.password);
    wybrany = QString::number(selected.position);
    editedKey_ = securityKey();
    cmb_tls->setCurrentIndex(int(session::securityModeOf(editedKey_)));

    applyCaptions(server_dialogs::languageFlag());
    applyColors();
}

int TForm4::ownLineIndex() const {
    if (selectedLine.isNull())
        return -1;
    bool ok = false;
    const int position = wybrany.toInt(&ok);
    if (ok && position >= 0 && position < ListBox2.size() && ListBox2.at(position) == selectedLine)
        return position;
    return int(ListBox2.indexOf(selectedLine));
}

void TForm4::ZapiszClick() {
    const int flag = server_dialogs::languageFlag();
    targetCategory =
        cmb_kat->currentIndex() >= 0 ? cmb_kat->currentIndex() : state_.currentCategory;
    if (!servers::category(targetCategory)) {
        // All-servers view with no server picked: there is no file to write to
        // until the user names one.
        server_dialogs::showFtpBox(lang::pick(texts::kChooseCategory, flag));
        cmb_kat->setFocus();
        return;
    }
    if (!validate())
        return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = writeEdited(servers::buildRecord(record(targetCategory)));
    QApplication::restoreOverrideCursor();
    if (!written)
        return;
    if (!session::storeSecurityMode(securityKey(), chosenSecurity(), &editedKey_))
        server_dialogs::showFtpBox(
            lang::pick(texts::kWriteFailed, flag) + QLatin1Char('\n') +
            QDir::toNativeSeparators(platform::programFile(session::kSecurityFileName)));
    accept();
}

bool TForm4::writeEdited(const QString& record) {
    const int flag = server_dialogs::languageFlag();
    auto reportFailure = [flag](int code) {
        server_dialogs::showFtpBox(lang::pick(texts::kWriteFailed, flag) + QLatin1Char('\n') +
                                   QDir::toNativeSeparators(servers::categoryFilePath(code)));
    };

    if (!sourceReadable_) {
        server_dialogs::showFtpBox(
            lang::pick(texts::kReadFailed, flag) + QLatin1Char('\n') +
            QDir::toNativeSeparators(servers::categoryFilePath(sourceCategory)));
        return false;
    }

    const int own = ownLineIndex();
    lista2 = ListBox2;
    if (own >= 0)
        lista2.removeAt(own);

    if (targetCategory == sourceCategory) {
        // The edited server moves to the end of its file. A file that has
        // vanished since it was read is not recreated.
        lista2.append(record);
        if (servers::categoryFileExists(targetCategory) &&
            !servers::rewriteCategory(targetCategory, lista2)) {
            reportFailure(targetCategory);
            return false;
        }
        return true;
    }

    // Moving: the target gets the record first, so a failure on the way
    // never leaves the server in neither file.
    if (!servers::appendRecord(targetCategory, record, servers::AppendStyle::EditDialogMove)) {
        reportFailure(targetCategory);
        return false;
    }
    // The server is saved in its new category now; if its old line cannot be
    // removed the user is told, and the dialog closes so that saving again
    // does not add it a second time.
    if (own >= 0 && servers::categoryFileExists(sourceCategory) &&
        !servers::rewriteCategory(sourceCategory, lista2))
        reportFailure(sourceCategory);
    return true;
}
