#pragma once
// The dialog that puts a server certificate the system does not vouch for to
// the user: who it names, who issued it, how long it is valid and its SHA-256
// fingerprint. A certificate that differs from one trusted before for the same
// server is a loud warning whose only ways out are refusing (the default) or
// accepting the new certificate for good. The result code is a TrustChoice.

#include "ftp/id_tls.h"

#include <QDialog>

class QLabel;
class QPushButton;

class TCertificateDialog : public QDialog {
    Q_OBJECT
public:
    TCertificateDialog(const TIdCertificateInfo& certificate, bool changed, int languageFlag,
                       QWidget* parent = nullptr);

    QLabel* naglowek;
    QLabel* szczegoly;
    QPushButton* zaufaj_raz;
    QPushButton* zaufaj_zawsze;
    QPushButton* odrzuc;
};
