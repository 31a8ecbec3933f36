// FTP_ns over TLS: the mode comes in the companion of the job file, and a certificate
// nobody trusted for good fails the job with a clear message instead of asking.
#include "ftp/id_exception.h"
#include "ftp/id_ftp.h"
#include "platform/text_file.h"
#include "tests/support/ftp/py_ftp_server.h"
#include "tests/support/ftp/test_certificate.h"
#include "tests/transfers/ftp_ns/ftp_ns_process.h"

#include <gtest/gtest.h>

using ftptest::readFile;
using ftptest::writeFile;

namespace {

struct TlsJob {
    TlsJob()
        : server(root.path(), "korvante", "secret", false,
                 {"--tls", ftptest::makeTestCertificate(keys.path()), "--tls-required"}) {}

    // Writes the job and its companion as the main window does; the exit status.
    int run(const QString& localFile) {
        const QStringList lines{"1",        "127.0.0.1", "secret",
                                "korvante", "/",         QString::number(server.port()),
                                "1",        localFile};
        EXPECT_TRUE(textfile::writeLines(QString::fromStdString(home.file("ftp_n_s.dat")), lines,
                                         textfile::Access::OwnerOnly));
        EXPECT_TRUE(
            textfile::writeLines(QString::fromStdString(home.file("ftp_n_s_tls.dat")), {"2"}));
        return runFtpNs(home.path(), 60000, errors);
    }

    // The fingerprint the server shows, as the main window's dialog shows it.
    std::string fingerprint() {
        TIdFTP probe;
        probe.Host = "127.0.0.1";
        probe.Port = server.port();
        probe.Security = smExplicitRequired;
        std::string seen;
        probe.OnCertificate = [&seen](const TIdCertificateInfo& c) {
            seen = c.Sha256;
            return false;
        };
        EXPECT_THROW(probe.OpenSession(false), EIdException);
        return seen;
    }

    ftptest::TempDir keys, root, local, home;
    ftptest::PyFtpServer server;
    std::string errors;
};

} // namespace

TEST(FtpNsTls, UntrustedCertificateFailsTheJobAndATrustedOneCarriesIt) {
    TlsJob job;
    const std::string payload(300000, 'k');
    writeFile(job.local.file("plik.bin"), payload);
    const QString file = QString::fromStdString(job.local.file("plik.bin"));

    EXPECT_EQ(job.run(file), 1);
    EXPECT_NE(job.errors.find("certificate is not trusted"), std::string::npos) << job.errors;
    EXPECT_FALSE(ftptest::fileExists(job.root.file("plik.bin")));
    EXPECT_FALSE(ftptest::fileExists(job.home.file("ftp_n_s_tls.dat")));

    // Trusted for good in the main window: the job goes through, encrypted (the server
    // refuses anything else).
    const std::string sha = job.fingerprint();
    ASSERT_FALSE(sha.empty());
    ASSERT_TRUE(textfile::writeLines(QString::fromStdString(job.home.file("trusted.dat")),
                                     {"127.0.0.1*" + QString::number(job.server.port()) + "*" +
                                      QString::fromStdString(sha) + "*"}));
    EXPECT_EQ(job.run(file), 0) << job.errors;
    EXPECT_EQ(readFile(job.root.file("plik.bin")), payload);
}
