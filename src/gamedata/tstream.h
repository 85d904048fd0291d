#pragma once

#include <QString>

#include <cstdint>
#include <cstdio>
#include <memory>

// A minimal byte stream for the program's own small files (the settings file and the mod's
// data file). Read and write report success, not a byte count; positions are 32-bit.
class TStream {
public:
    enum Origin { FromStart = 0, FromCurrent = 1, FromEnd = 2 };

    virtual ~TStream() = default;
    virtual bool read(void *buffer, uint32_t count) = 0;
    virtual bool write(const void *buffer, uint32_t count) = 0;
    virtual uint32_t seek(int32_t offset, int origin) = 0;
    virtual uint32_t size() = 0;
};

// An operating-system file. Reading at the end succeeds and moves nothing: callers that must
// stop at the end compare with size().
class TFileStream : public TStream {
public:
    // Mode 0 opens an existing file for reading; a mode with bit 0 or 1 set opens an existing
    // file for reading and writing; 65535 creates (or truncates) the file for reading and writing.
    static constexpr uint16_t ReadOnly = 0;
    static constexpr uint16_t ReadWrite = 1;
    static constexpr uint16_t Create = 65535;

    explicit TFileStream(std::FILE *file) : file(file) {}
    ~TFileStream() override;
    TFileStream(const TFileStream &) = delete;
    TFileStream &operator=(const TFileStream &) = delete;

    bool read(void *buffer, uint32_t count) override;
    bool write(const void *buffer, uint32_t count) override;
    uint32_t seek(int32_t offset, int origin) override; // all ones on failure
    uint32_t size() override;

private:
    std::FILE *file;
};

// Null when the file cannot be opened or created; only a regular file is opened for reading.
std::unique_ptr<TFileStream> openFileStream(const QString &path, uint16_t mode);

// A growable block of memory with a position. Every write past the end reallocates to the new
// end rounded up to 64 bytes, so it suits data written once in one piece.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    ~TMemoryStream() override;
    TMemoryStream(const TMemoryStream &) = delete;
    TMemoryStream &operator=(const TMemoryStream &) = delete;

    bool read(void *buffer, uint32_t count) override;
    bool write(const void *buffer, uint32_t count) override;
    uint32_t seek(int32_t offset, int origin) override; // -1 when out of range
    uint32_t size() override { return byteCount; }

    uint32_t position() const { return pos; }
    uint32_t capacity() const { return blockSize; }
    const char *data() const { return block; }

private:
    char *block = nullptr;
    uint32_t pos = 0;
    uint32_t byteCount = 0;
    uint32_t blockSize = 0; // allocated bytes, kept for the tests of the growth rule
};
