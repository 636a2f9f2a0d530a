// Builds small LightWave object files byte by byte for the reader tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "lightwave/encoding.h"

using Bytes = std::vector<std::uint8_t>;

// Content of a chunk or sub-chunk, assembled from encoded values.
class Content {
public:
    Content& id4(const char* id) { b_.appendId4(id); return *this; }
    Content& u2(int v) { b_.appendU2(v); return *this; }
    Content& u4(std::uint32_t v) { b_.appendU4(v); return *this; }
    Content& f4(float v) { b_.appendF4(v); return *this; }
    Content& vec(float x, float y, float z) { b_.appendVec12(x, y, z); return *this; }
    Content& s0(const char* s) { b_.appendS0(s); return *this; }
    Content& vx(int v) { b_.appendVX(v); return *this; }
    Content& raw(const Bytes& bytes) { b_.append(bytes.data(), bytes.size()); return *this; }
    Content& raw(std::initializer_list<std::uint8_t> bytes) { return raw(Bytes(bytes)); }
    // A sub-chunk: ID4, U2 length of `content`, content.
    Content& sub(const char* id, const Content& content) {
        b_.appendId4(id);
        b_.appendU2(int(content.bytes().size()));
        return raw(content.bytes());
    }
    // A sub-chunk whose stated length differs from its content.
    Content& subStated(const char* id, int statedLength, const Content& content) {
        b_.appendId4(id);
        b_.appendU2(statedLength);
        return raw(content.bytes());
    }
    const Bytes& bytes() const { return b_.bytes(); }

private:
    ByteBuffer b_;
};

struct Chunk {
    std::string id;
    Bytes content;
    long long statedLength = -1;  // -1: the content's size
};

inline Chunk chunk(const char* id, const Content& content) { return {id, content.bytes(), -1}; }
inline Chunk chunkStated(const char* id, long long stated, const Content& content) {
    return {id, content.bytes(), stated};
}

// "FORM", size, form type and the chunks; `formSize` -1 states the true size.
inline Bytes objectFile(const char* formType, const std::vector<Chunk>& chunks, long long formSize = -1) {
    ByteBuffer body;
    body.appendId4(formType);
    for (const Chunk& c : chunks) {
        body.appendId4(c.id.c_str());
        body.appendU4(std::uint32_t(c.statedLength < 0 ? (long long)c.content.size() : c.statedLength));
        body.append(c.content.data(), c.content.size());
    }
    ByteBuffer file;
    file.appendId4("FORM");
    file.appendU4(std::uint32_t(formSize < 0 ? (long long)body.size() : formSize));
    file.append(body.data(), body.size());
    return file.bytes();
}

// The eight corners of a unit cube and its six quads (LightWave's clockwise order).
inline Content cubePoints() {
    Content c;
    for (int i = 0; i < 8; ++i) c.vec(float(i & 1), float((i >> 1) & 1), float((i >> 2) & 1) + 1.0f);
    return c;
}
inline Content cubeFaces() {
    static const int faces[6][4] = {{0, 1, 3, 2}, {4, 6, 7, 5}, {0, 4, 5, 1}, {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 5, 7, 3}};
    Content c;
    c.id4("FACE");
    for (const auto& f : faces) {
        c.u2(4);
        for (int k : f) c.vx(k);
    }
    return c;
}
