#include "gamedata/tstream.h"

#include "gamedata/regularfile.h"

#include <QFile>

#include <cstdlib>
#include <cstring>

TFileStream::~TFileStream() {
    if (file)
        std::fclose(file);
}

bool TFileStream::read(void *buffer, uint32_t count) {
    std::fread(buffer, 1, count, file);
    return !std::ferror(file);
}

bool TFileStream::write(const void *buffer, uint32_t count) {
    return std::fwrite(buffer, 1, count, file) == count;
}

uint32_t TFileStream::seek(int32_t offset, int origin) {
    static const int whence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (origin < 0 || origin > 2 || std::fseek(file, offset, whence[origin]) != 0)
        return 0xFFFFFFFFu;
    return uint32_t(std::ftell(file));
}

uint32_t TFileStream::size() {
    const long here = std::ftell(file);
    std::fseek(file, 0, SEEK_END);
    const long end = std::ftell(file);
    std::fseek(file, here, SEEK_SET);
    return uint32_t(end);
}

std::unique_ptr<TFileStream> openFileStream(const QString &path, uint16_t mode) {
    if (mode != TFileStream::Create && !isRegularFile(path))
        return nullptr;
    const char *how = "rb";
    if (mode == TFileStream::Create)
        how = "w+b";
    else if (mode & 3)
        how = "r+b";
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), how);
    if (!file)
        return nullptr;
    return std::make_unique<TFileStream>(file);
}

TMemoryStream::~TMemoryStream() {
    std::free(block);
}

bool TMemoryStream::read(void *buffer, uint32_t count) {
    if (uint64_t(pos) + count > byteCount)
        return false;
    if (count)
        std::memcpy(buffer, block + pos, count);
    pos += count;
    return true;
}

bool TMemoryStream::write(const void *buffer, uint32_t count) {
    const uint64_t end = uint64_t(pos) + count;
    if (end > byteCount) {
        const uint32_t newSize = uint32_t((end + 63) / 64 * 64);
        char *grown = static_cast<char *>(std::malloc(newSize ? newSize : 64));
        if (block && byteCount)
            std::memcpy(grown, block, byteCount);
        std::free(block);
        block = grown;
        blockSize = newSize;
        byteCount = uint32_t(end);
    }
    if (count)
        std::memcpy(block + pos, buffer, count);
    pos += count;
    return true;
}

uint32_t TMemoryStream::seek(int32_t offset, int origin) {
    int64_t target;
    switch (origin) {
    case FromStart:
        target = offset;
        break;
    case FromCurrent:
        target = int64_t(pos) + offset;
        break;
    case FromEnd:
        if (offset > 0)
            return uint32_t(-1);
        target = int64_t(byteCount) + offset;
        break;
    default:
        return pos;
    }
    if (target < 0 || target > int64_t(byteCount))
        return uint32_t(-1);
    pos = uint32_t(target);
    return pos;
}
