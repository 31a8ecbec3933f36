#include "tests/support/ftp/test_certificate.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace ftptest {

std::string makeTestCertificate(const std::string& folder, const std::string& name,
                                const std::string& commonName) {
    const std::string key = folder + "/" + name + ".key";
    const std::string cert = folder + "/" + name + ".crt";
    const std::string pem = folder + "/" + name + ".pem";
    const std::string command =
        "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 "
        "-subj '/CN=" +
        commonName + "/O=KORVANTE tests' -keyout '" + key + "' -out '" + cert + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("openssl could not make a test certificate");
    std::ifstream keyIn(key), certIn(cert);
    std::ostringstream both;
    both << keyIn.rdbuf() << certIn.rdbuf();
    std::ofstream out(pem);
    out << both.str();
    if (!out)
        throw std::runtime_error("cannot write " + pem);
    return pem;
}

} // namespace ftptest
