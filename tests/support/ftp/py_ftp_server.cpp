#include "tests/support/ftp/py_ftp_server.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

#ifndef KORVANTE_SOURCE_DIR
#error "KORVANTE_SOURCE_DIR must name the source tree"
#endif

namespace ftptest {

std::string PyFtpServer::scriptPath() {
    return std::string(KORVANTE_SOURCE_DIR) + "/scripts/ftp_server.py";
}

PyFtpServer::PyFtpServer(const std::string& root, const std::string& user,
                         const std::string& password, bool anonymous,
                         const std::vector<std::string>& extraArguments)
    : root_(root), user_(user), password_(password) {
    std::vector<std::string> args = {
        "/usr/bin/python3", scriptPath(),          "--root",       root,
        "--user",           user + ":" + password, "--watch-stdin"};
    if (anonymous)
        args.push_back("--anonymous");
    args.insert(args.end(), extraArguments.begin(), extraArguments.end());

    int in[2], out[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    pid_ = ::fork();
    if (pid_ < 0)
        throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        ::dup2(in[0], 0);
        ::dup2(out[1], 1);
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    stdinFd_ = in[1];
    stdoutFd_ = out[0];

    std::string text;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (text.find('\n') == std::string::npos) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                        deadline - std::chrono::steady_clock::now())
                        .count();
        pollfd p{stdoutFd_, POLLIN, 0};
        if (left <= 0 || ::poll(&p, 1, static_cast<int>(left)) <= 0)
            break;
        char buf[256];
        long n = ::read(stdoutFd_, buf, sizeof buf);
        if (n <= 0)
            break;
        text.append(buf, static_cast<size_t>(n));
    }
    if (text.rfind("PORT ", 0) != 0) {
        stop();
        throw std::runtime_error("ftp_server.py did not start: \"" + text + "\"");
    }
    port_ = std::atoi(text.c_str() + 5);
}

PyFtpServer::~PyFtpServer() {
    stop();
}

void PyFtpServer::stop() {
    if (stdinFd_ >= 0)
        ::close(stdinFd_); // --watch-stdin: the server ends when its input ends
    stdinFd_ = -1;
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }
    if (stdoutFd_ >= 0)
        ::close(stdoutFd_);
    stdoutFd_ = -1;
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "korvante-ftp-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!f)
        throw std::runtime_error("cannot write " + path);
}

std::string readFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string randomBytes(size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    std::string s(n, '\0');
    for (auto& c : s)
        c = static_cast<char>(gen());
    return s;
}

bool anyLineContains(const std::vector<std::string>& lines, const std::string& needle) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(needle) != std::string::npos; });
}

bool fileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

} // namespace ftptest
