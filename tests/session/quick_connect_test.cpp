// The quick-connect dialog: captions, the anonymous toggle, the checks, the
// port range and the hand-over to the main window's connect.

#include "app/top_panel.h"
#include "session/anonymous_login.h"
#include "session/quick_connect_dialog.h"
#include "tests/session/session_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

TEST_F(SessionWindow, QuickConnectChecksTogglesAndConnects) {
    ftptest::TempDir root;
    ftptest::writeFile(root.file("welcome.txt"), "hi");
    ftptest::PyFtpServer server(root.path());
    create(0, 0, /*language=*/1);
    TForm10* dialog = form->Form10;
    ASSERT_NE(dialog, nullptr);

    dialog->FormActivate();
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("Dynamiczne łączenie z serwerem FTP"));
    EXPECT_EQ(dialog->lbl_port->text(), "Port serwera FTP");
    EXPECT_EQ(dialog->port->value(), 21);
    EXPECT_EQ(dialog->port->minimum(), 1);
    EXPECT_EQ(dialog->port->maximum(), 65535);
    EXPECT_TRUE(dialog->trasa->isChecked());

    // The checks, in order, each focusing its field.
    dialog->PolaczClick();
    EXPECT_EQ(services.messages().value(0),
              QString::fromUtf8("Pole: Adres serwera FTP nie może być puste"));
    EXPECT_EQ(services.callsOf("messageBox").value(0).args.value(1), "KORVANTE - FTP");
    EXPECT_EQ(services.callsOf("messageBox").value(0).args.value(3),
              QString::number(int(platform::BoxKind::Information)));
    EXPECT_EQ(dialog->focusWidget(), dialog->adres);
    dialog->adres->setText("127.0.0.1");
    dialog->PolaczClick();
    EXPECT_EQ(services.messages().value(1),
              QString::fromUtf8("Pole: Użytkownik nie może być puste"));
    EXPECT_EQ(dialog->focusWidget(), dialog->uzytkownik);
    dialog->uzytkownik->setText("korvante");
    dialog->PolaczClick();
    EXPECT_EQ(services.messages().value(2),
              QString::fromUtf8("Pole: Hasło nie może być puste. Wpisz Swoje hasło użytkownika"));
    EXPECT_EQ(dialog->focusWidget(), dialog->haslo);
    EXPECT_FALSE(form->connected());

    // The anonymous toggle fills and empties the login fields.
    dialog->anonimowy->click();
    EXPECT_EQ(dialog->uzytkownik->text(), "anonymous");
    EXPECT_EQ(dialog->haslo->text(), session::kPlaceholderEmail);
    EXPECT_EQ(dialog->Label7->text(), QString::fromUtf8("Jako hasło wpisz adres e-mail"));
    dialog->anonimowy->click();
    EXPECT_EQ(dialog->uzytkownik->text(), "");
    EXPECT_EQ(dialog->haslo->text(), "");
    EXPECT_EQ(dialog->Label7->text(), QString::fromUtf8("Twoje hasło użytkownika"));
    dialog->anonimowy->setChecked(true);
    dialog->uzytkownik->setText("anonymous");
    dialog->PolaczClick();
    EXPECT_EQ(services.messages().value(3),
              QString::fromUtf8("Pole: Hasło nie może być puste. W trybie anonimowym wpisz Swój "
                                "adres e-amil"));

    // Escape closes without touching the main window.
    services.clear();
    services.modalSteps["Form10"] = [](QDialog& d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    };
    form->topPanel->dynamik->setEnabled(true);
    form->dynamikClick();
    EXPECT_EQ(form->topPanel->UserID->text(), "");
    EXPECT_FALSE(dialog->isVisible());

    // Connect anonymously on a high port, passive, through the dialog.
    services.modalSteps["Form10"] = [&](QDialog& d) {
        auto& quick = static_cast<TForm10&>(d);
        quick.adres->setText("127.0.0.1");
        quick.anonimowy->setChecked(false);
        quick.anonimowy->click();
        quick.port->setValue(server.port());
        quick.pas->setChecked(true);
        quick.Polacz->click();
        EXPECT_EQ(quick.windowTitle(), QString::fromUtf8("Łączenie..."));
        return quick.result();
    };
    form->dynamikClick();
    EXPECT_TRUE(form->connected()) << services.messages().join('\n').toStdString();
    EXPECT_EQ(form->topPanel->UserID->text(), "anonymous");
    EXPECT_EQ(form->edit_port, QString::number(server.port()));
    EXPECT_TRUE(form->pasywny);
    EXPECT_TRUE(form->FTP->Passive);
    EXPECT_GE(row("welcome.txt"), 0);
    EXPECT_FALSE(dialog->isVisible());
    form->roz2Click();
}

TEST_F(SessionWindow, QuickConnectCaptionsInEnglish) {
    create(0, 0, /*language=*/0);
    TForm10* dialog = form->Form10;
    dialog->FormActivate();
    EXPECT_EQ(dialog->windowTitle(), "Dynamic connecting with FTP server");
    EXPECT_EQ(dialog->Polacz->text(), "Connect");
    EXPECT_EQ(dialog->trasa->text(), "Show routing trace");
    dialog->anonimowy->click();
    EXPECT_EQ(dialog->Label7->text(), "Password you must write e-mail address");
    dialog->PolaczClick();
    EXPECT_EQ(services.messages().value(0), "The Control: Host name cannot be empty");
}

} // namespace
