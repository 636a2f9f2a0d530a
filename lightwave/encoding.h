// Byte-level encoding of LightWave object files (IFF style, big-endian on every machine).
//
// Write side: `ByteBuffer` collects encoded values in memory; `ChunkWriter` is a ByteBuffer that
// holds one chunk's content and, when the chunk ends, emits "ID4, U4 length, content" either into
// an enclosing buffer or straight into a file.
//
// Read side: the whole file is read into memory once (`readWholeFile`) and decoded through a
// `ByteReader`, a cursor with an explicit end bound. Every read primitive checks the bound first and
// reports a short read instead of reading past the end; a chunk reader narrows the bound to its
// chunk with `takeBytes`, so hostile lengths can never make a reader leave the chunk or the file.
//
// Value types (all multi-byte values most significant byte first):
//   ID4   4 ASCII characters           U2  unsigned 16-bit          U4  unsigned 32-bit
//   F4    IEEE-754 single, as a U4     VEC12 / COL12  three F4
//   S0    bytes, a 0 terminator, one pad 0 when the length with terminator is odd (size is even)
//   VX    index below 0xFF00 as a U2; otherwise 0xFF then bits 23-0 of the index (4 bytes)
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------------------------
// Identifiers
// ---------------------------------------------------------------------------------------------

// 32-bit code of a four-character identifier, first character in the top byte ("FORM" is
// 0x464F524D). Readers compare identifiers by these codes.
constexpr std::uint32_t id4Code(const char* id) {
    return (std::uint32_t(std::uint8_t(id[0])) << 24) | (std::uint32_t(std::uint8_t(id[1])) << 16) |
           (std::uint32_t(std::uint8_t(id[2])) << 8) | std::uint32_t(std::uint8_t(id[3]));
}

// Largest index a VX can hold (only 24 bits of the four-byte form carry the index).
constexpr int MaxVxIndex = 0xFFFFFF;
// Smallest index that takes the four-byte VX form.
constexpr int VxLongThreshold = 0xFF00;

// Bytes an S0 of a string of `length` characters takes: the terminator, rounded up to even.
constexpr std::size_t s0Size(std::size_t length) { return (length + 2) & ~std::size_t(1); }

// ---------------------------------------------------------------------------------------------
// Write side
// ---------------------------------------------------------------------------------------------

// A growable block of encoded bytes. Growth is amortised (std::vector), so building a body of
// n bytes costs O(n) however it is appended.
//
// Values that cannot be encoded do not throw and do not corrupt the bytes written so far: the
// append writes nothing and the buffer remembers the failure (`ok()` turns false and stays
// false). A writer therefore checks `ok()` once at the end instead of after every append.
class ByteBuffer {
public:
    ByteBuffer() = default;
    virtual ~ByteBuffer() = default;

    std::size_t size() const { return bytes_.size(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    bool ok() const { return ok_; }
    // Marks the buffer as failed (a value its writer could not represent).
    void fail() { ok_ = false; }
    void reserve(std::size_t n) { bytes_.reserve(n); }
    // Back to empty and ok; keeps the allocated capacity for reuse.
    void clear();
    // Back to empty and ok and releases the storage.
    void release();

    // The bytes as they are (also used for ID4 identifiers with count 4).
    void append(const void* data, std::size_t count);
    // The first four characters of `id`.
    void appendId4(const char* id) { append(id, 4); }
    // U2 of the low 16 bits of `value`; higher bits are dropped by design (callers range-check
    // values that could exceed 16 bits).
    void appendU2(int value);
    void appendU4(std::uint32_t value);
    void appendF4(float value);
    void appendVec12(float x, float y, float z);
    // S0 of `text`; a null pointer writes the empty string.
    void appendS0(const char* text);
    // VX of `index`. An index below 0 or above MaxVxIndex cannot be encoded: nothing is
    // appended and the buffer fails.
    void appendVX(int index);
    // Sub-chunk header: ID4 and U2 length. A length outside 0..65535 fails the buffer.
    void appendSubChunkHeader(const char* id, std::size_t length);

protected:
    std::vector<std::uint8_t> bytes_;
    bool ok_ = true;
};

// One chunk under construction: its content is this ByteBuffer. Begin it in a file (the FORM
// envelope) or inside an enclosing buffer (every chunk within the FORM); `end` emits the U4
// content length and the content there and returns the writer to its empty, detached state, so
// one ChunkWriter can be reused for chunk after chunk.
class ChunkWriter : public ByteBuffer {
public:
    ByteBuffer* enclosing = nullptr;
    std::FILE* file = nullptr;

    // Writes the 4 identifier bytes to `out` at once; false when that write failed.
    bool beginInFile(const char* id, std::FILE* out);
    // Appends the 4 identifier bytes to `outer`.
    void beginInChunk(const char* id, ByteBuffer& outer);
    // Emits length and content. False when the content could not be encoded (this buffer is not
    // ok, or longer than a U4 can state) or the file write failed; a failed chunk also fails its
    // enclosing buffer, so the failure reaches the FORM.
    bool end();
};

// ---------------------------------------------------------------------------------------------
// Read side
// ---------------------------------------------------------------------------------------------

// Reads the whole file at `path` into `bytes`. False when it cannot be opened or read.
bool readWholeFile(const char* path, std::vector<std::uint8_t>& bytes);

// A read cursor over bytes in memory, [position, end). It does not own the bytes.
// Every read primitive below is all-or-nothing: when fewer bytes remain than the value needs it
// consumes nothing, returns 0 and the reader remembers the short read (`ok()` turns false).
class ByteReader {
public:
    ByteReader() = default;
    ByteReader(const std::uint8_t* data, std::size_t size) : cur_(data), end_(data + size) {}
    explicit ByteReader(const std::vector<std::uint8_t>& bytes)
        : ByteReader(bytes.data(), bytes.size()) {}

    std::size_t remaining() const { return std::size_t(end_ - cur_); }
    bool atEnd() const { return cur_ == end_; }
    // False once any read ran short (sticky).
    bool ok() const { return ok_; }
    // Records a short or malformed read (sticky), for checks made outside the primitives.
    void fail() { ok_ = false; }
    const std::uint8_t* current() const { return cur_; }

    // Bound checks used by the primitives.
    bool has(std::size_t n) const { return n <= remaining(); }
    // Consumes n bytes and returns where they start, or null (nothing consumed, ok() false)
    // when fewer remain.
    const std::uint8_t* take(std::size_t n);

    // A reader over the next `length` bytes (typically one chunk's content), which this reader
    // skips. When fewer remain, `part` gets only the remaining bytes, this reader moves to its
    // end, and the result is false (ok() turns false). The part's reads can never pass its end.
    bool takeBytes(std::size_t length, ByteReader& part);

private:
    const std::uint8_t* cur_ = nullptr;
    const std::uint8_t* end_ = nullptr;
    bool ok_ = true;
};

// Read primitives. Each returns the number of bytes it consumed, so that a chunk reader can add
// them up and compare the total with the chunk's stated length; 0 means a short read (nothing
// consumed). Values are converted to machine order.

// Four bytes into id[0..3] and a terminating 0 in id[4]: 4. On a short read id is "" and 0.
int readId4(ByteReader& in, char id[5]);
// The same identifier as its 32-bit code (see id4Code): 4, or 0 (code 0) on a short read.
int readId4Code(ByteReader& in, std::uint32_t& code);
// `count` values: count * 2 (U2), count * 4 (U4, F4), count * 12 (VEC12, 3 * count floats into
// `values`), or 0 when count <= 0 or fewer values remain (values untouched).
int readU2(ByteReader& in, std::uint16_t* values, int count);
int readU4(ByteReader& in, std::uint32_t* values, int count);
int readF4(ByteReader& in, float* values, int count);
int readVec12(ByteReader& in, float* values, int count);
// count * 4 bytes unchanged (LWOB's four-byte colour): count * 4, or 0 on a short read.
int readRaw4(ByteReader& in, std::uint8_t* bytes, int count);
// One S0, read whole however long it is, up to the reader's bound. The first `capacity` - 1
// characters are stored in `buffer` (always 0-terminated when capacity > 0; longer strings are
// truncated in the copy only). Returns the bytes consumed: characters + terminator + the pad byte
// when that sum is odd; when the pad byte would lie beyond the bound it is not consumed and the
// (odd) count says so. Without a terminator before the bound: 0, nothing consumed, buffer "".
int readS0(ByteReader& in, char* buffer, int capacity);
// The same into a std::string (no length limit other than the reader's bound).
int readS0(ByteReader& in, std::string& text);
// One VX: 4 when its first byte is 0xFF (index from the next three bytes), else 2; 0 on a short
// read (index untouched).
int readVX(ByteReader& in, int* index);
// Moves forward `count` bytes when count > 0 and returns count (also for count <= 0, which
// does not move). When fewer than count bytes remain: 0 and nothing moves.
long long skipBytes(ByteReader& in, long long count);
