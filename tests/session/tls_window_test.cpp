// Secure connections through the main window: the certificate dialog (trusted for
// good and remembered by the next run, or refused when the certificate changed), the
// status bar's mark, a Polish name listed over TLS, and quick connect's modes against
// a server without TLS.

#include "app/top_panel.h"
#include "session/certificate_dialog.h"
#include "session/quick_connect_dialog.h"
#include "session/security_modes.h"
#include "session/session_state.h"
#include "tests/session/session_fixture.h"
#include "tests/support/ftp/test_certificate.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace {

QString encryptionMark(TForm1& form) {
    auto* mark = form.StatusBar1->findChild<QLabel*>(QStringLiteral("szyfrowanie"));
    return mark ? mark->text() : QString();
}

} // namespace

TEST_F(SessionWindow, CertificateTrustedForGoodIsRememberedAndAChangedOneRefused) {
    ftptest::TempDir keys, root;
    ftptest::writeFile(root.file("Zażółć.txt"), "x");
    ftptest::PyFtpServer server(root.path(), "korvante", "secret", false,
                                {"--tls", ftptest::makeTestCertificate(keys.path())});
    create();
    showWindow();
    ASSERT_TRUE(session::storeSecurityMode(
        {"korvante", "127.0.0.1", QString::number(server.port())}, smExplicitRequired));
    fillFields(server.port());
    QString details;
    whenShown("TCertificateDialog", [&](QDialog& dialog) {
        auto& d = static_cast<TCertificateDialog&>(dialog);
        details = d.szczegoly->text();
        EXPECT_FALSE(d.zaufaj_raz->isHidden());
        // The dialog takes the activation as a real one does; the window manager
        // hands it back to the main window while the login goes on.
        EXPECT_TRUE(userinput::showActive(d));
        d.zaufaj_zawsze->click();
        QTimer::singleShot(0, form.get(), [&] { form->activateWindow(); });
    });
    form->topPanel->pol2->click();
    ASSERT_TRUE(form->connected()) << services.messages().join('\n').toStdString();
    EXPECT_EQ(modalsShown(), QStringList{"TCertificateDialog"});
    // The fields the login used still name the open session.
    EXPECT_EQ(form->topPanel->UserID->text(), "korvante");
    EXPECT_EQ(form->topPanel->FTpServer->text(), "127.0.0.1");
    EXPECT_TRUE(details.contains("CN=localhost")) << details.toStdString();
    EXPECT_TRUE(details.contains(QString::fromUtf8("Odcisk SHA-256")));
    EXPECT_TRUE(details.contains("127.0.0.1:" + QString::number(server.port())));
    EXPECT_EQ(encryptionMark(*form), "Szyfrowane (TLS)");
    EXPECT_TRUE(captions().contains(QString::fromUtf8("Zażółć.txt")));
    EXPECT_TRUE(home.readBytes("trusted.dat").startsWith("127.0.0.1*"));
    form->roz2Click();
    EXPECT_EQ(encryptionMark(*form), "");

    // The next run of the program connects without asking.
    services.clear();
    create();
    fillFields(server.port());
    form->topPanel->pol2->click();
    ASSERT_TRUE(form->connected()) << services.messages().join('\n').toStdString();
    EXPECT_TRUE(modalsShown().isEmpty());
    form->roz2Click();

    // Another certificate for the same server: the loud warning, and refusing it ends
    // the connection before the login.
    const QByteArray before = home.readBytes("trusted.dat");
    home.writeLines("trusted.dat", {"127.0.0.1*" + QString::number(server.port()) + "*AA:BB:CC*"});
    services.clear();
    QString warning;
    whenShown("TCertificateDialog", [&warning](QDialog& dialog) {
        auto& d = static_cast<TCertificateDialog&>(dialog);
        warning = d.naglowek->text();
        EXPECT_TRUE(d.zaufaj_raz->isHidden());
        d.odrzuc->click();
    });
    form->topPanel->pol2->click();
    EXPECT_FALSE(form->connected());
    EXPECT_TRUE(warning.contains(QString::fromUtf8("ZMIENIŁ"))) << warning.toStdString();
    EXPECT_TRUE(services.messages().join('\n').contains(
        QString::fromUtf8("Certyfikat serwera nie został przyjęty")))
        << services.messages().join('\n').toStdString();
    EXPECT_EQ(home.readLines("trusted.dat").size(), 1);
    EXPECT_TRUE(home.readBytes("trusted.dat").contains("AA:BB:CC"));
    EXPECT_NE(home.readBytes("trusted.dat"), before);
}

TEST_F(SessionWindow, QuickConnectModesAgainstAServerWithoutTls) {
    ftptest::TempDir root;
    ftptest::PyFtpServer server(root.path());
    create(1, 0, /*language=*/0);
    TForm10* dialog = form->Form10;
    ASSERT_NE(dialog, nullptr);

    // "Require" fails with its message and sends nothing but AUTH TLS.
    whenShown("Form10", [&](QDialog&) {
        dialog->FormActivate();
        EXPECT_EQ(dialog->szyfrowanie->currentText(), "FTP over TLS if the server offers it");
        dialog->adres->setText("127.0.0.1");
        dialog->uzytkownik->setText("korvante");
        dialog->haslo->setText("secret");
        dialog->szyfrowanie->setCurrentIndex(int(smImplicit));
        EXPECT_EQ(dialog->port->value(), 990); // implicit TLS has its own port
        dialog->szyfrowanie->setCurrentIndex(int(smExplicitRequired));
        EXPECT_EQ(dialog->port->value(), 21);
        dialog->port->setValue(server.port());
        dialog->Polacz->click();
    });
    form->topPanel->dynamik->setEnabled(true);
    form->dynamikClick();
    EXPECT_FALSE(form->connected());
    EXPECT_TRUE(services.messages().join('\n').contains(
        "The server does not offer an encrypted (TLS) connection"))
        << services.messages().join('\n').toStdString();
    EXPECT_FALSE(form->session->quickConnectSecurity.has_value());

    // "If offered" goes on in clear, and the status bar says so.
    services.clear();
    whenShown("Form10", [&](QDialog&) {
        dialog->szyfrowanie->setCurrentIndex(int(smExplicitIfOffered));
        dialog->port->setValue(server.port());
        dialog->Polacz->click();
    });
    form->topPanel->dynamik->setEnabled(true);
    form->dynamikClick();
    ASSERT_TRUE(form->connected()) << services.messages().join('\n').toStdString();
    EXPECT_FALSE(form->FTP->Encrypted());
    EXPECT_EQ(encryptionMark(*form), "Not encrypted");
}
