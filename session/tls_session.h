#pragma once
// The window's side of secure connections: which mode a connection uses, the
// certificate question, the status bar's mark and the failure messages.

#include "ftp/id_tls.h"

#include <QString>
#include <exception>

class TForm1;

namespace session {

// The mode for the connection about to open: what quick connect chose for its
// connection, else what is kept for the server in the connection fields.
TIdSecurityMode securityForConnection(const TForm1& form);

// The engine's question about a certificate the system does not vouch for:
// trusted for good before, or once in this run, it is taken; a new one is put
// to the user, a changed one with a loud warning.
bool askCertificate(TForm1& form, const TIdCertificateInfo& certificate);

// Arms the engine for the connection about to open.
void prepareSecurity(TForm1& form);

// The status bar's mark: encrypted, not encrypted, or nothing while disconnected.
void showEncryption(TForm1& form);

// The message for a connection that failed for TLS; empty for other failures.
QString tlsFailureText(const std::exception& failure, int languageFlag);

} // namespace session
