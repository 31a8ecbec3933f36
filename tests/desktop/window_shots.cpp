// window_shots LANGUAGE WINDOW OUTPUT.png: opens one of the desktop windows
// (launcher, addresses, network) over the main window through its own
// command, and saves a picture of the screen. `make screenshot` runs it under
// Xvfb; the program folder comes from KORVANTE_HOME as usual.

#include "addressbook/address_list_dialog.h"
#include "addressbook/launcher.h"
#include "app/button_pictures.h"
#include "app/main_window.h"
#include "local/network_chooser.h"
#include "tests/support/ui/recording_services.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    useInstalledIconThemes(); // the pictures the program shows
    if (argc != 4) {
        std::fprintf(stderr, "usage: window_shots LANGUAGE launcher|addresses|network OUT.png\n");
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

    bool saved = false;
    auto photograph = [&](QDialog& dialog) {
        dialog.raise();
        dialog.activateWindow();
        if (!QTest::qWaitForWindowExposed(&dialog))
            std::fprintf(stderr, "the window was not shown\n");
        QTest::qWait(400);
        saved = QGuiApplication::primaryScreen()->grabWindow(0).save(output);
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

    if (which == QLatin1String("launcher"))
        QTest::mouseClick(form.statystyka, Qt::LeftButton);
    else if (which == QLatin1String("addresses"))
        form.Adresy_edytuj1->trigger();
    else if (which == QLatin1String("network"))
        QTest::mouseClick(form.siec, Qt::LeftButton);
    return saved ? 0 : 1;
}
