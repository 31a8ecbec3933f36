#pragma once
// Texts of secure connections: the certificate dialog, the failures of TLS and
// the status bar's mark.

#include "platform/msg.h"

namespace tlstext {

inline constexpr Msg kCertificateTitle{"Certyfikat serwera", "Server certificate"};
inline constexpr Msg kUnknownHead{
    "System nie potwierdza tożsamości tego serwera. Sprawdź odcisk SHA-256 u administratora, "
    "zanim mu zaufasz.",
    "The system cannot confirm who this server is. Check the SHA-256 fingerprint with its "
    "administrator before you trust it."};
inline constexpr Msg kChangedHead{
    "UWAGA: CERTYFIKAT TEGO SERWERA SIĘ ZMIENIŁ!\nTo może oznaczać, że ktoś podszywa się pod "
    "serwer. Przyjmij nowy certyfikat tylko wtedy, gdy wiesz, że serwer go wymienił.",
    "WARNING: THIS SERVER'S CERTIFICATE HAS CHANGED!\nSomeone may be impersonating the server. "
    "Accept the new certificate only if you know the server replaced it."};
inline constexpr Msg kServer{"Serwer: ", "Server: "};
inline constexpr Msg kReason{"Powód: ", "Reason: "};
inline constexpr Msg kSubject{"Podmiot: ", "Subject: "};
inline constexpr Msg kIssuer{"Wystawca: ", "Issuer: "};
inline constexpr Msg kValidity{"Ważny: ", "Valid: "};
inline constexpr Msg kValidityTo{" do ", " to "};
inline constexpr Msg kFingerprint{"Odcisk SHA-256: ", "SHA-256 fingerprint: "};
inline constexpr Msg kTrustOnce{"Zaufaj &jeden raz", "Trust &once"};
inline constexpr Msg kTrustAlways{"Zaufaj &zawsze", "Trust &always"};
inline constexpr Msg kAcceptNew{"&Przyjmij nowy certyfikat", "&Accept the new certificate"};
inline constexpr Msg kRefuse{"&Odrzuć", "&Refuse"};

// Failures, followed by the engine's reason.
inline constexpr Msg kNotOffered{"Serwer nie oferuje połączenia szyfrowanego (TLS), a ten serwer "
                                 "wymaga szyfrowania. Nic nie zostało wysłane jawnym tekstem.\n",
                                 "The server does not offer an encrypted (TLS) connection, and "
                                 "this server requires one. Nothing was sent in clear text.\n"};
inline constexpr Msg kDataRefused{"Serwer odmówił szyfrowania połączeń danych (PROT P); "
                                  "połączenie zostało zakończone.\n",
                                  "The server refused to encrypt the data connections (PROT P); "
                                  "the connection was ended.\n"};
inline constexpr Msg kUntrusted{"Certyfikat serwera nie został przyjęty; połączenie zostało "
                                "zakończone.\n",
                                "The server's certificate was not accepted; the connection was "
                                "ended.\n"};
inline constexpr Msg kHandshake{"Nie udało się nawiązać połączenia szyfrowanego (TLS).\n",
                                "The encrypted (TLS) connection could not be set up.\n"};

// Status bar.
inline constexpr Msg kEncrypted{"Szyfrowane (TLS)", "Encrypted (TLS)"};
inline constexpr Msg kNotEncrypted{"Nieszyfrowane", "Not encrypted"};

// The security mode in the dialogs.
inline constexpr Msg kSecurityLabel{"Zabezpieczenie:", "Security:"};

} // namespace tlstext
