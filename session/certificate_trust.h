#pragma once
// Certificates the user chose to trust for good: trusted.dat in the program
// folder, one line per server, "<host>*<port>*<SHA-256 fingerprint>*", in the
// encoding and line ends of the other state files. A certificate the system's
// store vouches for never needs a line here.

#include "ftp/id_tls.h"

#include <QSet>
#include <QString>
#include <QStringList>

namespace session {

inline constexpr char kTrustFileName[] = "trusted.dat";

enum class TrustVerdict {
    Trusted, // the fingerprint kept for this host and port
    Unknown, // nothing kept for this host and port
    Changed  // another fingerprint was trusted here before: a loud warning
};

TrustVerdict trustVerdictIn(const QStringList& lines, const TIdCertificateInfo& certificate);
TrustVerdict trustVerdict(const TIdCertificateInfo& certificate);
// Keeps the certificate as the one trusted for its host and port (replacing an
// older one). False when trusted.dat cannot be written.
bool trustAlways(const TIdCertificateInfo& certificate);

// How the user answered the certificate dialog.
enum class TrustChoice { Refuse = 0, Once = 1, Always = 2 };

// The certificates trusted once in this run of the program, by host, port and
// fingerprint: asked about once, then taken until the program ends.
class TrustedThisRun {
public:
    bool contains(const TIdCertificateInfo& certificate) const;
    void insert(const TIdCertificateInfo& certificate);

private:
    QSet<QString> keys;
};

} // namespace session
