#include "lightwave/encoding.h"

#include <filesystem>

#include <cstring>

namespace {

void putU4(std::uint8_t* out, std::uint32_t value) {
    out[0] = std::uint8_t(value >> 24);
    out[1] = std::uint8_t(value >> 16);
    out[2] = std::uint8_t(value >> 8);
    out[3] = std::uint8_t(value);
}

std::uint16_t getU2(const std::uint8_t* in) { return std::uint16_t((in[0] << 8) | in[1]); }

std::uint32_t getU4(const std::uint8_t* in) {
    return (std::uint32_t(in[0]) << 24) | (std::uint32_t(in[1]) << 16) | (std::uint32_t(in[2]) << 8) |
           std::uint32_t(in[3]);
}

float floatFromBits(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint32_t bitsFromFloat(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

}  // namespace

// ---- ByteBuffer ------------------------------------------------------------------------------

void ByteBuffer::clear() {
    bytes_.clear();
    ok_ = true;
}

void ByteBuffer::release() {
    std::vector<std::uint8_t>().swap(bytes_);
    ok_ = true;
}

void ByteBuffer::append(const void* data, std::size_t count) {
    if (count == 0) return;
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + count);
}

void ByteBuffer::appendU2(int value) {
    const std::uint8_t out[2] = {std::uint8_t(value >> 8), std::uint8_t(value)};
    append(out, 2);
}

void ByteBuffer::appendU4(std::uint32_t value) {
    std::uint8_t out[4];
    putU4(out, value);
    append(out, 4);
}

void ByteBuffer::appendF4(float value) { appendU4(bitsFromFloat(value)); }

void ByteBuffer::appendVec12(float x, float y, float z) {
    std::uint8_t out[12];
    putU4(out, bitsFromFloat(x));
    putU4(out + 4, bitsFromFloat(y));
    putU4(out + 8, bitsFromFloat(z));
    append(out, 12);
}

void ByteBuffer::appendS0(const char* text) {
    const std::size_t length = text ? std::strlen(text) : 0;
    append(text, length);
    const std::uint8_t zeros[2] = {0, 0};
    append(zeros, s0Size(length) - length);
}

void ByteBuffer::appendVX(int index) {
    if (index < 0 || index > MaxVxIndex) {
        fail();
        return;
    }
    if (index < VxLongThreshold) {
        appendU2(index);
        return;
    }
    const std::uint8_t out[4] = {0xFF, std::uint8_t(index >> 16), std::uint8_t(index >> 8), std::uint8_t(index)};
    append(out, 4);
}

void ByteBuffer::appendSubChunkHeader(const char* id, std::size_t length) {
    if (length > 0xFFFF) {
        fail();
        return;
    }
    appendId4(id);
    appendU2(int(length));
}

// ---- ChunkWriter -----------------------------------------------------------------------------

bool ChunkWriter::beginInFile(const char* id, std::FILE* out) {
    clear();
    enclosing = nullptr;
    file = out;
    return std::fwrite(id, 1, 4, out) == 4;
}

void ChunkWriter::beginInChunk(const char* id, ByteBuffer& outer) {
    clear();
    file = nullptr;
    enclosing = &outer;
    outer.appendId4(id);
}

bool ChunkWriter::end() {
    bool good = ok() && size() <= 0xFFFFFFFFu;
    if (good) {
        std::uint8_t length[4];
        putU4(length, std::uint32_t(size()));
        if (file) {
            good = std::fwrite(length, 1, 4, file) == 4 &&
                   (size() == 0 || std::fwrite(data(), 1, size(), file) == size());
        } else if (enclosing) {
            enclosing->append(length, 4);
            enclosing->append(data(), size());
        }
    }
    if (!good && enclosing) enclosing->fail();
    clear();  // keeps the block: the next chunk of a file reuses it instead of growing a new one
    enclosing = nullptr;
    file = nullptr;
    return good;
}

// ---- Reading ---------------------------------------------------------------------------------

bool readWholeFile(const char* path, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    std::FILE* in = path ? std::fopen(path, "rb") : nullptr;
    if (!in) return false;
    // Sized up front only for a regular file (a folder opens too, and reports an absurd length);
    // anything else grows block by block.
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) {
        const std::uintmax_t length = std::filesystem::file_size(path, ec);
        if (!ec && length > 0 && length <= bytes.max_size()) bytes.reserve(std::size_t(length));
    }
    std::uint8_t block[65536];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, in)) > 0) bytes.insert(bytes.end(), block, block + got);
    const bool good = !std::ferror(in);
    std::fclose(in);
    if (!good) bytes.clear();
    return good;
}

const std::uint8_t* ByteReader::take(std::size_t n) {
    if (!has(n)) {
        ok_ = false;
        return nullptr;
    }
    const std::uint8_t* start = cur_;
    cur_ += n;
    return start;
}

bool ByteReader::takeBytes(std::size_t length, ByteReader& part) {
    const bool whole = has(length);
    const std::size_t n = whole ? length : remaining();
    part = ByteReader(cur_, n);
    cur_ += n;
    if (!whole) ok_ = false;
    return whole;
}

int readId4(ByteReader& in, char id[5]) {
    const std::uint8_t* p = in.take(4);
    if (!p) {
        id[0] = 0;
        return 0;
    }
    std::memcpy(id, p, 4);
    id[4] = 0;
    return 4;
}

int readId4Code(ByteReader& in, std::uint32_t& code) {
    const std::uint8_t* p = in.take(4);
    code = p ? getU4(p) : 0;
    return p ? 4 : 0;
}

int readU2(ByteReader& in, std::uint16_t* values, int count) {
    if (count <= 0) return 0;
    const std::uint8_t* p = in.take(std::size_t(count) * 2);
    if (!p) return 0;
    for (int i = 0; i < count; ++i) values[i] = getU2(p + 2 * std::size_t(i));
    return count * 2;
}

int readU4(ByteReader& in, std::uint32_t* values, int count) {
    if (count <= 0) return 0;
    const std::uint8_t* p = in.take(std::size_t(count) * 4);
    if (!p) return 0;
    for (int i = 0; i < count; ++i) values[i] = getU4(p + 4 * std::size_t(i));
    return count * 4;
}

int readF4(ByteReader& in, float* values, int count) {
    if (count <= 0) return 0;
    const std::uint8_t* p = in.take(std::size_t(count) * 4);
    if (!p) return 0;
    for (int i = 0; i < count; ++i) values[i] = floatFromBits(getU4(p + 4 * std::size_t(i)));
    return count * 4;
}

int readVec12(ByteReader& in, float* values, int count) {
    if (count <= 0 || count > 0x7FFFFFFF / 12) return 0;
    return readF4(in, values, count * 3);
}

int readRaw4(ByteReader& in, std::uint8_t* bytes, int count) {
    if (count <= 0) return 0;
    const std::uint8_t* p = in.take(std::size_t(count) * 4);
    if (!p) return 0;
    std::memcpy(bytes, p, std::size_t(count) * 4);
    return count * 4;
}

namespace {

// Length of the S0 at the cursor without its terminator, or -1 when no terminator lies within the
// bound. Returns the total to consume (terminator and, when it fits, pad) through `consumed`.
long long scanS0(const ByteReader& in, std::size_t& consumed) {
    if (in.atEnd()) return -1;
    const void* zero = std::memchr(in.current(), 0, in.remaining());
    if (!zero) return -1;
    const std::size_t length = std::size_t(static_cast<const std::uint8_t*>(zero) - in.current());
    consumed = length + 1;
    if ((consumed & 1) && in.has(consumed + 1)) ++consumed;
    return (long long)length;
}

}  // namespace

int readS0(ByteReader& in, char* buffer, int capacity) {
    std::size_t consumed = 0;
    const long long length = scanS0(in, consumed);
    if (length < 0 || consumed > 0x7FFFFFFF) {
        if (capacity > 0) buffer[0] = 0;
        in.fail();
        return 0;
    }
    if (capacity > 0) {
        const std::size_t kept = std::size_t(length) < std::size_t(capacity) - 1 ? std::size_t(length)
                                                                                  : std::size_t(capacity) - 1;
        std::memcpy(buffer, in.current(), kept);
        buffer[kept] = 0;
    }
    in.take(consumed);
    return int(consumed);
}

int readS0(ByteReader& in, std::string& text) {
    std::size_t consumed = 0;
    const long long length = scanS0(in, consumed);
    if (length < 0 || consumed > 0x7FFFFFFF) {
        text.clear();
        in.fail();
        return 0;
    }
    text.assign(reinterpret_cast<const char*>(in.current()), std::size_t(length));
    in.take(consumed);
    return int(consumed);
}

int readVX(ByteReader& in, int* index) {
    if (!in.has(2)) {
        in.fail();
        return 0;
    }
    const std::uint8_t* p = in.current();
    if (p[0] != 0xFF) {
        in.take(2);
        *index = (p[0] << 8) | p[1];
        return 2;
    }
    if (!in.take(4)) return 0;
    *index = (p[1] << 16) | (p[2] << 8) | p[3];
    return 4;
}

long long skipBytes(ByteReader& in, long long count) {
    if (count <= 0) return count;
    return in.take(std::size_t(count)) ? count : 0;
}
