// window_shots LANGUAGE WINDOW OUTPUT.png: opens one of the program's windows
// (launcher, addresses, network, quickconnect, settings, settings-other,
// settings-colours, progress) over the main window through its own command,
// and saves a picture of the screen. `make screenshot` runs it under Xvfb;
// the program folder comes from KORVANTE_HOME as usual. For `progress` the
// server list holds "Demo server" and the server's root a large "big.bin":
// the picture is taken while that file downloads, then STOP ends it.

#include "addressbook/address_list_dialog.h"
#include "addressbook/launcher.h"
#include "app/button_pictures.h"
#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/settings_dialog.h"
#include "app/top_panel.h"
#include "local/local_panel.h"
#include "local/network_chooser.h"
#include "session/quick_connect_dialog.h"
#include "tests/support/ui/recording_services.h"
#include "tests/support/ui/user_input.h"
#include "transfers/progress_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

namespace {

QTreeWidgetItem* rowOf(QTreeWidget* list, const QString& caption) {
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == caption)
            return list->topLevelItem(i);
    return nullptr;
}

void clickRow(QTreeWidget* list, QTreeWidgetItem* row) {
    list->scrollToItem(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(row).center());
}

bool saveScreen(const QString& output) {
    return QGuiApplication::primaryScreen()->grabWindow(0).save(output);
}

// Connects to "Demo server" as a user does and downloads big.bin; the
// picture is taken a moment into the transfer.
bool photographDownload(TForm1& form, const QString& output) {
    QTreeWidgetItem* server = rowOf(form.serverPanel->ftp_lista, QStringLiteral("Demo server"));
    if (!server) {
        std::fprintf(stderr, "no \"Demo server\" in the server list\n");
        return false;
    }
    clickRow(form.serverPanel->ftp_lista, server);
    QTest::keyClick(&form, Qt::Key_F5);
    if (!form.connected()) {
        std::fprintf(stderr, "could not connect to the demo server\n");
        return false;
    }
    const QModelIndex file = userinput::indexOf(form.serverPanel->l3, QStringLiteral("big.bin"));
    if (!file.isValid()) {
        std::fprintf(stderr, "no big.bin on the demo server\n");
        return false;
    }
    userinput::clickRow(form.serverPanel->l3, file);
    bool saved = false;
    // The engine lets window events run while it transfers: the timer fires
    // with the progress window up and its labels filled.
    QTimer::singleShot(2500, &form, [&] {
        if (!form.Form13->isVisible())
            std::fprintf(stderr, "the progress window was not shown\n");
        saved = saveScreen(output);
        QTest::mouseClick(form.topPanel->stop, Qt::LeftButton);
    });
    QTest::keyClick(&form, Qt::Key_F7);
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    useInstalledIconThemes(); // the pictures the program shows
    if (argc != 4) {
        std::fprintf(stderr, "usage: window_shots LANGUAGE launcher|addresses|network|quickconnect|"
                             "settings|settings-other|settings-colours|progress OUT.png\n");
        return 2;
    }
    const QString which = QString::fromLocal8Bit(argv[2]);
    const QString output = QString::fromLocal8Bit(argv[3]);
    RecordingServices services;
    TForm1 form;
    form.FormCreate();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form, 2000))
        std::fprintf(stderr, "the main window did not become active\n");

    bool saved = false;
    auto photograph = [&](QDialog& dialog) {
        dialog.raise();
        dialog.activateWindow();
        if (!QTest::qWaitForWindowExposed(&dialog))
            std::fprintf(stderr, "the window was not shown\n");
        QTest::qWait(400);
        saved = saveScreen(output);
        return int(QDialog::Rejected);
    };
    services.modalSteps["Form8"] = [&](QDialog& d) {
        auto& launcher = static_cast<TForm8&>(d);
        QTest::mouseClick(launcher.r_mail, Qt::LeftButton);
        launcher.subject->setText(QStringLiteral("KORVANTE"));
        launcher.Memo1->setPlainText(QString::fromUtf8("Dzień dobry,\nHello,"));
        return photograph(d);
    };
    services.modalSteps["Adresy_edycja"] = [&](QDialog& d) {
        auto& list = static_cast<TAdresy_edycja&>(d);
        list.ListBox1->setCurrentRow(1);
        return photograph(d);
    };
    services.modalSteps["frm_siec"] = [&](QDialog& d) {
        auto& chooser = static_cast<Tfrm_siec&>(d);
        QTreeWidgetItem* root = chooser.cmb_siec->topLevelItem(0);
        if (root && root->childCount() > 0) {
            root->child(0)->setExpanded(true);
            chooser.cmb_siec->setCurrentItem(root->child(0));
        }
        return photograph(d);
    };
    services.modalSteps["Form10"] = [&](QDialog& d) {
        auto& quick = static_cast<TForm10&>(d);
        QTest::keyClicks(quick.adres, QStringLiteral("ftp.example.org"));
        QTest::keyClicks(quick.uzytkownik, QStringLiteral("jan"));
        QTest::keyClicks(quick.haslo, QStringLiteral("secret"));
        return photograph(d);
    };
    services.modalSteps["TUstawienia"] = [&](QDialog& d) {
        // settings-other: the page of "apply built-in settings", where a first
        // start sends the user; settings-colours: the field colours.
        auto& settings = static_cast<TUstawienia&>(d);
        QWidget* shown = nullptr;
        if (which == QLatin1String("settings-other"))
            shown = settings.domyslne;
        else if (which == QLatin1String("settings-colours"))
            shown = settings.lbl_edit;
        for (int page = 0; shown && page < settings.PageControl1->count(); ++page)
            if (settings.PageControl1->widget(page)->isAncestorOf(shown))
                settings.PageControl1->setCurrentIndex(page);
        return photograph(d);
    };

    if (which == QLatin1String("launcher"))
        QTest::mouseClick(form.topPanel->statystyka, Qt::LeftButton);
    else if (which == QLatin1String("addresses"))
        form.Adresy_edytuj1->trigger();
    else if (which == QLatin1String("network"))
        QTest::mouseClick(form.localPanel->siec, Qt::LeftButton);
    else if (which == QLatin1String("quickconnect"))
        QTest::mouseClick(form.topPanel->dynamik, Qt::LeftButton);
    else if (which.startsWith(QLatin1String("settings")))
        QTest::mouseClick(form.topPanel->Ustawienia2, Qt::LeftButton);
    else if (which == QLatin1String("progress"))
        saved = photographDownload(form, output);
    return saved ? 0 : 1;
}
