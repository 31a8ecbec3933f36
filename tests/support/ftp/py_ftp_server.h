// The real FTP server for tests: runs scripts/ftp_server.py (pyftpdlib, Debian's
// /usr/bin/python3) on 127.0.0.1 with a free port, serving a folder. The constructor
// returns once the server accepts connections; the destructor stops it.
//
//     ftptest::TempDir root;
//     ftptest::PyFtpServer server(root.path());              // user korvante / secret
//     ftp.Host = "127.0.0.1"; ftp.Port = server.port();
//
// The folder is served to the named user with full rights and, when anonymous is on,
// to "anonymous" read-only.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace ftptest {

class PyFtpServer {
public:
    // Raises std::runtime_error when the server does not start within 30 s.
    explicit PyFtpServer(const std::string& root, const std::string& user = "korvante",
                         const std::string& password = "secret", bool anonymous = true,
                         const std::vector<std::string>& extraArguments = {});
    ~PyFtpServer();
    PyFtpServer(const PyFtpServer&) = delete;
    PyFtpServer& operator=(const PyFtpServer&) = delete;

    int port() const { return port_; }
    const std::string& root() const { return root_; }
    const std::string& user() const { return user_; }
    const std::string& password() const { return password_; }

    // The path of scripts/ftp_server.py in the source tree.
    static std::string scriptPath();

private:
    void stop();

    std::string root_, user_, password_;
    pid_t pid_ = -1;
    int stdinFd_ = -1;
    int stdoutFd_ = -1;
    int port_ = 0;
};

// A fresh folder under the system's temp folder, removed with its contents at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // path() + "/" + name
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Whole-file helpers for test data.
void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);
// n bytes of every value, the same for the same seed.
std::string randomBytes(size_t n, unsigned seed);
// Whether any of the lines contains `needle`.
bool anyLineContains(const std::vector<std::string>& lines, const std::string& needle);
bool fileExists(const std::string& path);

} // namespace ftptest
