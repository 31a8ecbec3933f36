#pragma once
// How FTP_ns secures its session. The job file keeps its layout; the mode of the
// session that wrote the job travels beside it in ftp_n_s_tls.dat (one line, the
// mode's number, in the encoding and line ends of the job file). No companion
// file means plain FTP, as every job before TLS was.

#include "ftp/id_tls.h"

#include <QString>

namespace background {

QString jobSecurityFile();
// Writes the companion for the job about to start; a plain job removes any
// companion left over, so it can never apply to the wrong job.
bool writeJobSecurity(TIdSecurityMode mode);
// Reads and removes the companion; smPlain when there is none.
TIdSecurityMode takeJobSecurity();
// FTP_ns asks nobody: only a certificate kept as trusted for the server is taken.
bool acceptInBackground(const TIdCertificateInfo& certificate);

} // namespace background
