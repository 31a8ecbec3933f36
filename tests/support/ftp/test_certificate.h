// A throw-away self-signed certificate for TLS test servers, made with the openssl
// command: key and certificate in one PEM file, as scripts/ftp_server.py --tls takes it.
#pragma once

#include <string>

namespace ftptest {

// Writes <folder>/<name>.pem for the common name and returns its path; raises
// std::runtime_error when openssl fails.
std::string makeTestCertificate(const std::string& folder, const std::string& name = "server",
                                const std::string& commonName = "localhost");

} // namespace ftptest
