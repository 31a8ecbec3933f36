#include "ftp/id_stream.h"

#include "ftp/id_exception.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int64_t TIdMemoryStream::Read(char* buffer, int64_t count) {
    int64_t n = std::min(count, Size() - Pos);
    if (n <= 0)
        return 0;
    std::memcpy(buffer, Data.data() + Pos, static_cast<size_t>(n));
    Pos += n;
    return n;
}

void TIdMemoryStream::Write(const char* buffer, int64_t count) {
    if (count <= 0)
        return;
    if (Pos == Size())
        Data.append(buffer, static_cast<size_t>(count));
    else {
        if (Pos + count > Size())
            Data.resize(static_cast<size_t>(Pos + count));
        std::memcpy(Data.data() + Pos, buffer, static_cast<size_t>(count));
    }
    Pos += count;
}

void TIdMemoryStream::Seek(int64_t position) {
    Pos = std::clamp<int64_t>(position, 0, Size());
}

TIdFileStream::TIdFileStream(const std::string& path, Mode mode) {
    int flags = O_CLOEXEC;
    switch (mode) {
    case fmOpenRead:
        flags |= O_RDONLY;
        break;
    case fmCreate:
        flags |= O_RDWR | O_CREAT | O_TRUNC;
        break;
    case fmOpenReadWrite:
        flags |= O_RDWR;
        break;
    }
    Fd = ::open(path.c_str(), flags, 0666);
    if (Fd < 0) {
        std::string reason = std::strerror(errno);
        if (mode == fmCreate)
            throw EFCreateError(path, reason);
        throw EFOpenError(path, reason);
    }
}

TIdFileStream::~TIdFileStream() {
    if (Fd >= 0)
        ::close(Fd);
}

int64_t TIdFileStream::Read(char* buffer, int64_t count) {
    for (;;) {
        ssize_t n = ::pread(Fd, buffer, static_cast<size_t>(count), Pos);
        if (n >= 0) {
            Pos += n;
            return n;
        }
        if (errno != EINTR)
            throw EInOutError(std::strerror(errno));
    }
}

void TIdFileStream::Write(const char* buffer, int64_t count) {
    while (count > 0) {
        ssize_t n = ::pwrite(Fd, buffer, static_cast<size_t>(count), Pos);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw EInOutError(std::strerror(errno));
        }
        Pos += n;
        buffer += n;
        count -= n;
    }
}

void TIdFileStream::Seek(int64_t position) {
    Pos = std::max<int64_t>(position, 0);
}

int64_t TIdFileStream::Size() const {
    struct stat st {};
    if (::fstat(Fd, &st) != 0)
        return 0;
    return static_cast<int64_t>(st.st_size);
}

void TIdFileStream::Truncate() {
    if (::ftruncate(Fd, Pos) != 0)
        throw EInOutError(std::strerror(errno));
}

bool idFileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}
