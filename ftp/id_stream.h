// Byte streams for transfers: a file on disk (streamed chunk by chunk, never held
// whole) and a memory buffer for listings.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

class TIdStream {
public:
    virtual ~TIdStream() = default;
    // Reads up to count bytes at the position; returns the number read (0 at the end).
    virtual int64_t Read(char* buffer, int64_t count) = 0;
    // Writes all bytes at the position; raises on failure.
    virtual void Write(const char* buffer, int64_t count) = 0;
    virtual int64_t Position() const = 0;
    virtual void Seek(int64_t position) = 0;
    virtual int64_t Size() const = 0;
    // Cuts the stream at the position.
    virtual void Truncate() = 0;
};

class TIdMemoryStream : public TIdStream {
public:
    TIdMemoryStream() = default;
    explicit TIdMemoryStream(std::string data) : Data(std::move(data)) {}

    int64_t Read(char* buffer, int64_t count) override;
    void Write(const char* buffer, int64_t count) override;
    int64_t Position() const override { return Pos; }
    void Seek(int64_t position) override;
    int64_t Size() const override { return static_cast<int64_t>(Data.size()); }
    void Truncate() override { Data.resize(static_cast<size_t>(Pos)); }

    const std::string& Bytes() const { return Data; }
    // Hands the bytes over and leaves the stream empty.
    std::string TakeBytes() {
        Pos = 0;
        return std::exchange(Data, std::string());
    }

private:
    std::string Data;
    int64_t Pos = 0;
};

class TIdFileStream : public TIdStream {
public:
    enum Mode { fmOpenRead, fmCreate, fmOpenReadWrite };
    // Raises EFOpenError or EFCreateError when the file cannot be opened.
    TIdFileStream(const std::string& path, Mode mode);
    ~TIdFileStream() override;
    TIdFileStream(const TIdFileStream&) = delete;
    TIdFileStream& operator=(const TIdFileStream&) = delete;

    int64_t Read(char* buffer, int64_t count) override;
    void Write(const char* buffer, int64_t count) override;
    int64_t Position() const override { return Pos; }
    void Seek(int64_t position) override;
    int64_t Size() const override;
    void Truncate() override;

private:
    int Fd = -1;
    int64_t Pos = 0;
};

bool idFileExists(const std::string& path);
